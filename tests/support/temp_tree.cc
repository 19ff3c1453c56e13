#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <random>

#include "common/gbk_text.h"

namespace quillon::testing {
namespace {

// The system's path form of a native path: GBK, "\" separators.
std::string SystemForm(const std::filesystem::path& native) {
  std::u16string wide = native.u16string();
  std::string gbk = Utf16ToGbk(wide);
  for (char& c : gbk) {
    if (c == '/') c = '\\';  // "/" is never a GBK trail byte
  }
  return gbk;
}

}  // namespace

TempTree::TempTree() {
  static std::atomic<int> counter{0};
  // (<chrono> cannot be compiled with GBK literals, so the name takes a random number.)
  const unsigned stamp = std::random_device{}();
  std::error_code ec;
  auto base = std::filesystem::temp_directory_path(ec);
  for (int attempt = 0;; ++attempt) {
    native_root_ = base / ("quillon_test_" + std::to_string(stamp) + "_" + std::to_string(counter++));
    if (std::filesystem::create_directory(native_root_, ec)) break;
    if (attempt > 100) {
      ADD_FAILURE() << "cannot create a temporary directory";
      break;
    }
  }
  root_ = SystemForm(native_root_);
}

TempTree::~TempTree() {
  std::error_code ec;
  std::filesystem::remove_all(native_root_, ec);
}

std::string TempTree::Path(std::string_view relative) const { return root_ + "\\" + std::string(relative); }

std::filesystem::path TempTree::Native(std::string_view relative) const {
  std::filesystem::path out = native_root_;
  std::u16string wide = GbkToUtf16(relative);
  size_t start = 0;
  while (start <= wide.size()) {
    size_t end = wide.find(u'\\', start);
    if (end == std::u16string::npos) end = wide.size();
    if (end > start) out /= std::filesystem::path(wide.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

void TempTree::File(std::string_view relative, std::string_view content) const {
  FileAt(Native(relative), content);
}

void TempTree::FileAt(const std::filesystem::path& native, std::string_view content) {
  std::error_code ec;
  std::filesystem::create_directories(native.parent_path(), ec);
  std::ofstream out(native, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) ADD_FAILURE() << "cannot write a fixture file";
}

void TempTree::Dir(std::string_view relative) const {
  std::error_code ec;
  std::filesystem::create_directories(Native(relative), ec);
  if (ec) ADD_FAILURE() << "cannot create fixture directory " << GbkToUtf8(relative);
}

void TempTree::Remove(std::string_view relative) const {
  std::error_code ec;
  std::filesystem::remove_all(Native(relative), ec);
}

}  // namespace quillon::testing
