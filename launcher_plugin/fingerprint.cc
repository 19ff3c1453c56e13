#include "launcher_plugin/fingerprint.h"

#include <memory>
#include <new>

#include "common/md5.h"
#include "platform/millisecond_time_text.h"

namespace quillon::launcher {
namespace {

// Chunks are read in pieces of this size: a buffer that stays in the processor's cache keeps the
// fingerprint as fast as a plain MD5 of the file, and memory use small.
constexpr size_t kReadPieceSize = 256 * 1024;
static_assert(kFingerprintChunkSize % kReadPieceSize == 0);

}  // namespace

std::string ReadFileErrorCode() { return "ReadFileError_" + platform::MillisecondTimeText(); }

std::string FingerprintOpenFile(platform::SequentialFile& file, int64_t& size, const PumpEvents& pump_events) {
  const int64_t file_size = file.Size();
  if (file_size < 0) return {};
  size = file_size;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kReadPieceSize]);
  if (!buffer) return {};

  Md5 chunk_md5;
  Md5 list_md5;  // digests the list of chunk digest texts as it grows
  int64_t position = 0;
  do {
    if (pump_events) pump_events();
    // One chunk: up to kFingerprintChunkSize bytes, fewer only at the end of the file.
    int64_t chunk_length = 0;
    while (chunk_length < kFingerprintChunkSize) {
      int64_t n = file.ReadAt(position + chunk_length, buffer.get(), kReadPieceSize);
      if (n < 0) return {};
      chunk_md5.Update(buffer.get(), static_cast<size_t>(n));
      chunk_length += n;
      if (n < static_cast<int64_t>(kReadPieceSize)) break;
    }
    list_md5.Update(Md5Hex(chunk_md5.Finish()));
    // A file that ended before the size it had at opening would make no further progress.
    if (chunk_length == 0 && position < file_size) return {};
    position += chunk_length;
  } while (position < file_size);
  return Md5Hex(list_md5.Finish());
}

std::string Fingerprint(std::string_view path, int64_t& size, const PumpEvents& pump_events) {
  platform::SequentialFile file;
  if (!file.Open(path, platform::SequentialFile::IfMissing::kCreateEmpty)) return ReadFileErrorCode();
  std::string fscode = FingerprintOpenFile(file, size, pump_events);
  return fscode.empty() ? ReadFileErrorCode() : fscode;
}

}  // namespace quillon::launcher
