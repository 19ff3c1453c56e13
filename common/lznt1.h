// LZNT1 compression, the format of the Windows compression library (Microsoft's [MS-XCA],
// section 2.5): our own compressor and decompressor, interchangeable with RtlCompressBuffer and
// RtlDecompressBuffer for COMPRESSION_FORMAT_LZNT1 with 4096-byte chunks.
//
// A stream is a sequence of chunks, each standing for up to 4096 bytes of data (every chunk but
// the last for exactly 4096) and expandable on its own. A chunk is a 16-bit header (bit 15 set:
// compressed; bits 12-14: 3; bits 0-11: body size - 1) and a body, either the raw bytes or flag
// groups of literals and 2-byte back references whose offset/length split widens as the chunk
// fills. The stream ends at its end or at a zero header.
//
// The compressor searches every earlier position of the chunk for matches and picks the
// cheapest sequence of literals and references; a chunk that would not get smaller is stored
// raw. The decompressor accepts any valid stream and treats its input as untrusted: a damaged
// stream gives failure, never an access out of bounds, and the output grows only with data
// actually produced, up to a limit the caller sets. Pure functions, no state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon {

// Bytes of data one chunk stands for.
inline constexpr size_t kLznt1ChunkSize = 4096;

// The LZNT1 stream of data. Never fails; the empty input gives the empty stream. The stream
// is at most data.size() + 2 bytes per chunk long (raw chunks), with no terminating zero header.
std::string Lznt1Compress(std::string_view data);

enum class Lznt1Status {
  kOk,
  kCorrupt,    // not a valid stream: bad header, truncated chunk, reference before the chunk
               // start, chunk expanding past 4096 bytes, short chunk that is not the last
  kOverLimit,  // a valid beginning that expands to more than the limit
};

// Expands stream into out (replacing its content). On kOk out holds the data (at most limit
// bytes); on any failure out is empty.
Lznt1Status Lznt1Decompress(std::string_view stream, size_t limit, std::string& out);

// The largest number of bytes any stream of stream_size bytes can expand to (a chunk needs at
// least six bytes to stand for 4096 bytes of data). Lets a caller reject a stated length that
// no stream of that size could produce.
uint64_t Lznt1MaxExpandedSize(size_t stream_size);

}  // namespace quillon
