#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/file_helpers.h"
#include "support/temp_home.h"

namespace orlevant {
namespace {

namespace fs = std::filesystem;
using testing::ModeOf;
using testing::NamesIn;
using testing::Put;
using testing::Slurp;
using testing::TempHome;

// `real`, except that it fails with `err` for every path ending in `pathEnd`.
template <class R, class... Rest>
std::function<R(const char*, Rest...)> Failing(std::function<R(const char*, Rest...)> real, std::string pathEnd,
                                               int err) {
  return [=](const char* p, Rest... rest) -> R {
    if (std::string_view(p).ends_with(pathEnd)) return errno = err, -1;
    return real(p, rest...);
  };
}

// The real calls, except that `name` fails with `err` for every path ending in `pathEnd`.
FileSystemCalls FailingFor(const std::string& name, const std::string& pathEnd, int err) {
  FileSystemCalls calls = RealFileSystemCalls();
  if (name == "lstat") calls.lstat = Failing(calls.lstat, pathEnd, err);
  if (name == "readlink") calls.readlink = Failing(calls.readlink, pathEnd, err);
  if (name == "stat") calls.stat = Failing(calls.stat, pathEnd, err);
  if (name == "mkostemp") calls.mkostemp = [err](char*, int) { return errno = err, -1; };
  if (name == "rename") calls.rename = [err](const char*, const char*) { return errno = err, -1; };
  return calls;
}

// A file reached through a link: link.conf -> real.conf, both in one folder.
struct LinkedFile {
  explicit LinkedFile(const TempHome& home) : dir(home.Config()) {
    Put(dir / "real.conf", "old\n");
    ::chmod((dir / "real.conf").c_str(), 0644);
    fs::create_symlink("real.conf", dir / "link.conf");
  }
  fs::path dir;
  fs::path Link() const { return dir / "link.conf"; }
  fs::path Real() const { return dir / "real.conf"; }
};

TEST(AtomicWriteFailures, AnyCallThatFailsLeavesLinkFileAndPermissionsAsTheyWere) {
  struct Case {
    const char* call;
    const char* failsOn;  // the path the call fails for
    bool throughLink;     // the save goes to link.conf rather than real.conf
    int err;
    const char* reason;   // part of the message
  };
  const Case cases[] = {
      {"lstat", "link.conf", true, EIO, "Input/output error"},
      {"readlink", "link.conf", true, EACCES, "Permission denied"},
      {"lstat", "real.conf", true, EIO, "Input/output error"},
      {"stat", "real.conf", true, EIO, "Input/output error"},
      {"stat", "real.conf", false, EACCES, "Permission denied"},
      {"mkostemp", "", false, EROFS, "Read-only file system"},
      {"rename", "", true, ENOSPC, "No space left on device"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.call) + " failing on " + c.failsOn);
    TempHome home;
    LinkedFile files(home);
    FileWriteResult r;
    {
      ScopedFileSystemCalls failing(FailingFor(c.call, c.failsOn, c.err));
      r = WriteFileAtomically(c.throughLink ? files.Link() : files.Real(), "new\n");
    }
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    EXPECT_TRUE(fs::is_symlink(files.Link()));
    EXPECT_EQ(fs::read_symlink(files.Link()), "real.conf");
    EXPECT_EQ(Slurp(files.Real()), "old\n");
    EXPECT_EQ(ModeOf(files.Real()), 0644u);
    EXPECT_EQ(NamesIn(files.dir), (std::vector<std::string>{"link.conf", "real.conf"}));
  }
}

TEST(AtomicWriteFailures, LinksAreFollowedThroughChainsAndNeverInALoop) {
  TempHome home;
  LinkedFile files(home);
  fs::create_directory(files.dir / "sub");
  fs::create_symlink("../link.conf", files.dir / "sub" / "second.conf");  // a chain of two, one relative hop up
  ASSERT_TRUE(WriteFileAtomically(files.dir / "sub" / "second.conf", "new\n"));
  EXPECT_EQ(Slurp(files.Real()), "new\n");
  EXPECT_EQ(ModeOf(files.Real()), 0644u);
  EXPECT_TRUE(fs::is_symlink(files.dir / "sub" / "second.conf"));
  EXPECT_TRUE(fs::is_symlink(files.Link()));

  fs::create_symlink("loop.b", files.dir / "loop.a");
  fs::create_symlink("loop.a", files.dir / "loop.b");
  const FileWriteResult loop = WriteFileAtomically(files.dir / "loop.a", "x");
  EXPECT_FALSE(loop.ok);
  EXPECT_TRUE(fs::is_symlink(files.dir / "loop.a"));
  EXPECT_TRUE(fs::is_symlink(files.dir / "loop.b"));

  // A link to a file not made yet: the file is made where the link points.
  fs::create_symlink("later.conf", files.dir / "ahead.conf");
  ASSERT_TRUE(WriteFileAtomically(files.dir / "ahead.conf", "made\n"));
  EXPECT_TRUE(fs::is_symlink(files.dir / "ahead.conf"));
  EXPECT_EQ(Slurp(files.dir / "later.conf"), "made\n");
  EXPECT_EQ(ModeOf(files.dir / "later.conf"), 0600u);
}

TEST(AtomicWriteLeftovers, ASuccessfulSaveRemovesOnlyItsOwnKilledTemporaryFiles) {
  TempHome home;
  const fs::path dir = home.Data();
  Put(dir / "ann.dat", "old\n");
  Put(dir / ".ann.dat.Ab3xZ9", "half");  // what a killed save of ann.dat leaves
  // Kept: a name that only looks alike (the names themselves: TemporaryNames), and what is no
  // regular file.
  Put(dir / ".bob.dat.Ab3xZ9", "someone else's");
  fs::create_directory(dir / ".ann.dat.Fold01");
  fs::create_symlink("ann.dat", dir / ".ann.dat.Link01");

  ASSERT_TRUE(WriteFileAtomically(dir / "ann.dat", "new\n"));
  EXPECT_EQ(NamesIn(dir), (std::vector<std::string>{".ann.dat.Fold01", ".ann.dat.Link01", ".bob.dat.Ab3xZ9", "ann.dat"}));
  EXPECT_EQ(Slurp(dir / "ann.dat"), "new\n");
}

TEST(AtomicWriteLeftovers, TemporaryNames) {
  struct Case { const char* name; const char* file; bool ours; };
  const Case cases[] = {
      {".a.conf.Zz09aB", "a.conf", true},  {".a.conf.000000", "a.conf", true},  {".a.conf.Zz09a", "a.conf", false},
      {".a.conf.Zz09aBc", "a.conf", false}, {"a.conf.Zz09aB", "a.conf", false}, {".a.conf.Zz_9aB", "a.conf", false},
      {".a.conf.Zz-9aB", "a.conf", false}, {".b.conf.Zz09aB", "a.conf", false}, {"..conf.Zz09aB", "", false},
      {".a.confXZz09aB", "a.conf", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsTemporaryNameFor(c.name, c.file), c.ours) << c.name;
}

TEST(ReadBound, FilesPastTheBoundAreRefusedAndNothingIsAllocatedForThem) {
  TempHome home;
  struct Case { std::uint64_t size; std::uint64_t bound; FileReadOutcome outcome; };
  const Case cases[] = {
      {0, 10, FileReadOutcome::Read},
      {10, 10, FileReadOutcome::Read},
      {11, 10, FileReadOutcome::Failed},
      {std::uint64_t{1} << 40, kMaxReadBytes, FileReadOutcome::Failed},  // a sparse terabyte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    const fs::path file = home.Data() / "big";
    Put(file, "");
    ASSERT_EQ(::truncate(file.c_str(), static_cast<off_t>(c.size)), 0);
    const FileReadResult r = ReadWholeFile(file, c.bound);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.content.size(), c.outcome == FileReadOutcome::Read ? c.size : 0u);
    if (c.outcome == FileReadOutcome::Failed) {
      EXPECT_NE(r.error.find("larger than"), std::string::npos) << r.error;
    }
  }
  EXPECT_EQ(kMaxReadBytes, std::uint64_t{128} << 20) << "the bound the README names";
}

// Small files and large ones (which get memory of their own) come back byte for byte; a part taken
// from what was read keeps it alive.
TEST(ReadWholeFileBytes, EveryByteOfFilesLargeAndSmall) {
  TempHome home;
  const fs::path file = home.Data() / "bytes";
  for (const std::size_t size : {std::size_t{1}, std::size_t{4095}, (std::size_t{1} << 20) - 1, std::size_t{1} << 20,
                                 (std::size_t{3} << 20) + 5}) {
    SCOPED_TRACE(size);
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
    Put(file, bytes);
    FileBytes tail;
    {
      const FileReadResult r = ReadWholeFile(file);
      ASSERT_EQ(r.outcome, FileReadOutcome::Read);
      EXPECT_TRUE(r.content == bytes);
      tail = r.content.Tail(size / 2);
    }
    EXPECT_TRUE(tail == std::string_view(bytes).substr(size / 2));
  }
  const FileBytes text("abc");
  EXPECT_TRUE(text.Tail(3).empty());
  EXPECT_TRUE(text.Tail(7).empty());
}

// A file the user may not write is left alone when the writer asks so (the events file's does), and
// only then: through a link too, and by the superuser, whom the kernel would let write any file, when
// no write bit is set. A missing file is never read-only.
TEST(AtomicWrite, AReadOnlyFileIsRefusedWhenAsked) {
  TempHome home;
  constexpr auto kRefuse = ReadOnlyFile::Refuse;
  struct Case { const char* name; mode_t mode; bool link; ReadOnlyFile readOnly; bool refused; };
  const Case cases[] = {
      {"read-only for all", 0444, false, kRefuse, true},
      {"readable by its owner alone", 0400, false, kRefuse, true},
      {"read-only, through a link", 0444, true, kRefuse, true},
      {"writable by its group alone", 0464, false, kRefuse, ::geteuid() != 0},
      {"writable", 0644, false, kRefuse, false},
      {"read-only, another writer", 0444, false, ReadOnlyFile::Replace, false},
      {"missing", 0, false, kRefuse, false},
  };
  const fs::path dir = home.Config(), file = dir / "a.conf", real = dir / "real.conf";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path target = c.link ? real : file;
    if (c.mode != 0) Put(target, "old\n"), ::chmod(target.c_str(), c.mode);
    if (c.link) fs::create_symlink(real, file);
    EXPECT_EQ(WriteFileAtomically(file, "new\n", 0600, c.readOnly).error, c.refused ? "it is read-only" : "");
    EXPECT_EQ(Slurp(target), c.refused ? "old\n" : "new\n");
    EXPECT_EQ(ModeOf(target), c.mode != 0 ? c.mode : 0600u);
    EXPECT_EQ(fs::is_symlink(file), c.link);
    fs::remove(file), fs::remove(real);
    EXPECT_TRUE(NamesIn(dir).empty()) << "no temporary file left behind";
  }
}

}  // namespace
}  // namespace orlevant
