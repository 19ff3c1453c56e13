#include "tests/support/scratch_directory.h"

#include <atomic>
#include <random>
#include <system_error>

#include "common/gbk_text.h"

namespace quillon::testing {
namespace {

std::string GbkPath(const std::filesystem::path& path) {
  std::u16string utf16 = path.u16string();
  return Utf16ToGbk(utf16);
}

}  // namespace

ScratchDirectory::ScratchDirectory() {
  static std::atomic<unsigned> counter{0};
  std::error_code error;
  std::random_device random;
  const unsigned stamp = random();
  for (int attempt = 0; attempt < 100; ++attempt) {
    native_ = std::filesystem::temp_directory_path(error) /
              ("quillon_test_" + std::to_string(stamp) + "_" + std::to_string(counter++));
    if (std::filesystem::create_directory(native_, error)) break;
  }
  path_ = GbkPath(native_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code error;
  std::filesystem::remove_all(native_, error);
}

std::string ScratchDirectory::File(std::string_view name) const {
  std::string file = path_;
  file += '\\';
  file += name;
  return file;
}

}  // namespace quillon::testing
