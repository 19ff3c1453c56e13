// File fingerprints (fscodes).
//
// A fingerprint depends on the file's bytes alone. The file is cut into chunks of 10,485,760
// bytes (10 MiB; an empty file is one empty chunk); each chunk's MD5 digest is written as 32
// lower-case hexadecimal digits, the digit texts are concatenated in order, and the fscode is the
// MD5 digest text of that concatenation. So even a small file's fscode is not its plain MD5.
// The file is read once, front to back, never holding more than a part of one chunk; the host's
// pending window events are let run before each chunk.
// A file that cannot be opened gets the error form "ReadFileError_" + MillisecondTimeText, which
// never equals a recorded fscode; so does a file that cannot be read to the end (a read error, or
// a file that shrank below the size it had when it was opened).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/sequential_file.h"

namespace quillon::launcher {

inline constexpr int64_t kFingerprintChunkSize = 10485760;

// Called between chunks to let the calling thread's pending window events run.
using PumpEvents = std::function<void()>;

// The fscode of the file at path (GBK, "\" separators). The file is opened with read sharing
// only and created empty when it does not exist. On success size receives the file's size as
// reported at opening; when the file cannot be opened size is left unchanged.
std::string Fingerprint(std::string_view path, int64_t& size, const PumpEvents& pump_events = {});

// The fscode of an opened file, read from its start; size receives its size at the start. The
// empty text when the size cannot be read (size unchanged) or the file cannot be read to that
// size (size written).
std::string FingerprintOpenFile(platform::SequentialFile& file, int64_t& size, const PumpEvents& pump_events = {});

// "ReadFileError_" + the millisecond time text of now.
std::string ReadFileErrorCode();

}  // namespace quillon::launcher
