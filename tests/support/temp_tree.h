// A fresh temporary directory for a test, removed with everything in it at the end.
//
// Paths given to the helpers are relative, GBK, with "\" separators, like the system's own
// paths; Root() is the directory in that form, so tests can hand it to the code under test.
// Fixtures are made with std::filesystem, independently of the platform layer being tested.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillon::testing {

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The directory in the system's path form (GBK, "\" separators, no trailing "\").
  const std::string& Root() const { return root_; }
  // Root() + "\" + relative.
  std::string Path(std::string_view relative) const;
  // The native path of relative ("" for the directory itself).
  std::filesystem::path Native(std::string_view relative) const;

  // Creates the file (and its missing parent directories) holding content.
  void File(std::string_view relative, std::string_view content = {}) const;
  // The same for a native path (for names that have no GBK form).
  static void FileAt(const std::filesystem::path& native, std::string_view content = {});
  // Creates the directory and its missing parents.
  void Dir(std::string_view relative) const;
  // Removes the file or directory with everything in it.
  void Remove(std::string_view relative) const;

 private:
  std::filesystem::path native_root_;
  std::string root_;
};

}  // namespace quillon::testing
