#pragma once
// Makes a file unreadable the moment a save has put it in place: the saved file is moved aside to
// "<path>.saved" and a folder takes its place, so that the reading back that follows a good save
// fails (whoever runs the test, the superuser included) while what was saved can still be checked.

#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "platform/file_io.h"

namespace orlevant::testing {

class UnreadableAfterSave {
 public:
  explicit UnreadableAfterSave(const std::filesystem::path& file) : calls_(Calls(file.string())) {}

  static std::filesystem::path SavedCopy(const std::filesystem::path& file) { return file.string() + ".saved"; }

 private:
  static FileSystemCalls Calls(std::string file) {
    FileSystemCalls calls = RealFileSystemCalls();
    calls.rename = [file, real = calls.rename](const char* from, const char* to) {
      const int done = real(from, to);
      if (done != 0 || file != to) return done;
      if (std::rename(to, SavedCopy(file).c_str()) != 0 || ::mkdir(to, 0700) != 0) return -1;
      return 0;
    };
    return calls;
  }
  ScopedFileSystemCalls calls_;
};

}  // namespace orlevant::testing
