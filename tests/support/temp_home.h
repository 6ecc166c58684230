#pragma once
// Points every XDG folder the program uses at a fresh temporary folder for the life of the object,
// so a test never reads or writes the real home folder. The folder is removed afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace orlevant::testing {

class TempHome {
 public:
  TempHome() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "orlevant-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) std::abort();
    root_ = tmpl;
    Point("XDG_CONFIG_HOME", "config");
    Point("XDG_DATA_HOME", "data");
    Point("XDG_RUNTIME_DIR", "runtime");
    Point("XDG_CACHE_HOME", "cache");
    ::setenv("HOME", root_.c_str(), 1);
  }
  ~TempHome() {
    std::error_code ec;
    // Tests may leave read-only folders behind; make them writable again so they can go.
    for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(root_, ec);
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Config() const { return root_ / "config"; }
  std::filesystem::path Data() const { return root_ / "data"; }
  std::filesystem::path Runtime() const { return root_ / "runtime"; }

 private:
  void Point(const char* var, const char* sub) {
    const auto dir = root_ / sub;
    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    ::setenv(var, dir.c_str(), 1);
  }
  std::filesystem::path root_;
};

}  // namespace orlevant::testing
