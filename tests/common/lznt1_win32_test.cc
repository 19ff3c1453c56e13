// Interchange with the Windows compression library: Windows' own RtlDecompressBuffer must
// expand what our compressor writes, and ours must expand what RtlCompressBuffer writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/lznt1.h"
#include "tests/support/byte_patterns.h"
#include "tests/support/lznt1_reference.h"

namespace quillon {
namespace {

constexpr USHORT kFormatLznt1 = 2;  // COMPRESSION_FORMAT_LZNT1
constexpr USHORT kEngineMaximum = 0x0100;  // COMPRESSION_ENGINE_MAXIMUM

using RtlDecompressBufferFn = LONG(NTAPI*)(USHORT, PUCHAR, ULONG, PUCHAR, ULONG, PULONG);
using RtlCompressBufferFn = LONG(NTAPI*)(USHORT, PUCHAR, ULONG, PUCHAR, ULONG, ULONG, PULONG, PVOID);
using RtlGetCompressionWorkSpaceSizeFn = LONG(NTAPI*)(USHORT, PULONG, PULONG);

template <typename Fn>
Fn NtdllFunction(const char* name) {
  FARPROC proc = GetProcAddress(GetModuleHandleA("ntdll.dll"), name);
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// Windows' expansion of stream into a buffer of `size` bytes; "<error>" when it fails or yields
// another size.
std::string WindowsExpand(const std::string& stream, size_t size) {
  static const auto decompress = NtdllFunction<RtlDecompressBufferFn>("RtlDecompressBuffer");
  if (decompress == nullptr) return "<no RtlDecompressBuffer>";
  std::vector<UCHAR> out(size + 1);
  std::vector<UCHAR> in(stream.begin(), stream.end());
  ULONG final_size = 0;
  LONG status = decompress(kFormatLznt1, out.data(), static_cast<ULONG>(size), in.data(),
                           static_cast<ULONG>(in.size()), &final_size);
  if (status != 0 || final_size != size) return "<error>";
  return std::string(out.begin(), out.begin() + static_cast<ptrdiff_t>(size));
}

// Our streams hold, over all these inputs, a reference at every position of a chunk that
// leaves room for one (1..4093), so every offset/length split at every position is checked.
TEST(Lznt1Windows, ExpandsOurReferencesAtEveryPosition) {
  const std::string distinct = testing::DistinctPairBytes(2048, 31);
  std::vector<bool> covered(kLznt1ChunkSize, false);
  for (size_t position = 1; position + 3 <= kLznt1ChunkSize; ++position) {
    const std::string data = testing::Lznt1RepeatingChunk(position, distinct);
    const std::string stream = Lznt1Compress(data);
    for (size_t at : testing::Lznt1ReferencePositions(stream)) covered.at(at) = true;
    ASSERT_TRUE(WindowsExpand(stream, data.size()) == data) << "position " << position;
  }
  for (size_t position = 1; position + 3 <= kLznt1ChunkSize; ++position) {
    EXPECT_TRUE(covered[position]) << "no reference at " << position;
  }
}

TEST(Lznt1Windows, ExpandsOurStreamsOfEveryKindAndSize) {
  struct Kind {
    const char* name;
    std::string (*make)(size_t, uint32_t);
  } kinds[] = {{"random", testing::RandomBytes},
               {"repetitive", testing::RepetitiveBytes},
               {"text", testing::TextLikeBytes}};
  for (const auto& kind : kinds) {
    for (size_t size : {size_t{1}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{(1 << 20) + 3}}) {
      const std::string data = kind.make(size, static_cast<uint32_t>(size) + 5);
      EXPECT_TRUE(WindowsExpand(Lznt1Compress(data), size) == data) << kind.name << " " << size;
    }
  }
}

TEST(Lznt1Windows, AgreesOnHandMadeChunks) {
  // Windows and the format's table agree on the split at the boundaries of every range.
  const std::string bytes = testing::RandomBytes(kLznt1ChunkSize, 41);
  for (size_t position : {1, 16, 17, 32, 33, 64, 65, 128, 129, 256, 257, 512, 513, 1024, 1025, 2047, 2048, 2049}) {
    testing::Lznt1ChunkBuilder builder;
    for (size_t k = 0; k < position; ++k) builder.Literal(bytes[k]);
    builder.Match(position, std::min(testing::Lznt1MaxMatchLength(position), kLznt1ChunkSize - position));
    EXPECT_TRUE(WindowsExpand(builder.Chunk(), builder.Expanded().size()) == builder.Expanded()) << position;
  }
}

TEST(Lznt1Windows, OurDecompressorExpandsWindowsStreams) {
  const auto compress = NtdllFunction<RtlCompressBufferFn>("RtlCompressBuffer");
  const auto workspace_size = NtdllFunction<RtlGetCompressionWorkSpaceSizeFn>("RtlGetCompressionWorkSpaceSize");
  ASSERT_NE(compress, nullptr);
  ASSERT_NE(workspace_size, nullptr);
  const USHORT format = kFormatLznt1 | kEngineMaximum;
  ULONG buffer_workspace = 0;
  ULONG fragment_workspace = 0;
  ASSERT_EQ(workspace_size(format, &buffer_workspace, &fragment_workspace), 0);
  std::vector<UCHAR> workspace(buffer_workspace + 1);
  for (size_t size : {size_t{1}, size_t{4096}, size_t{10000}, size_t{100000}}) {
    for (const std::string& data : {testing::TextLikeBytes(size, 2), testing::RandomBytes(size, 3)}) {
      std::vector<UCHAR> in(data.begin(), data.end());
      std::vector<UCHAR> out(data.size() + 4096);
      ULONG final_size = 0;
      ASSERT_EQ(compress(format, in.data(), static_cast<ULONG>(in.size()), out.data(), static_cast<ULONG>(out.size()),
                         4096, &final_size, workspace.data()),
                0);
      std::string expanded;
      ASSERT_EQ(Lznt1Decompress(std::string(out.begin(), out.begin() + final_size), data.size(), expanded),
                Lznt1Status::kOk);
      EXPECT_TRUE(expanded == data) << size;
    }
  }
}

}  // namespace
}  // namespace quillon
