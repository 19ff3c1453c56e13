// A fresh directory under the system's temporary directory for one test, removed with all its
// content when the object goes out of scope. Paths are given in the system's own form (GBK).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillon::testing {

class ScratchDirectory {
 public:
  ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  ~ScratchDirectory();

  // The directory's path (GBK), without a trailing separator.
  const std::string& path() const { return path_; }

  // path() + "\" + name (name in GBK).
  std::string File(std::string_view name) const;

 private:
  std::filesystem::path native_;
  std::string path_;
};

}  // namespace quillon::testing
