// Writing and reading files that are protected, linked, odd or missing. Permission faults are
// invisible to root, so when the tests run as root each write is made by a child process that
// has become the user "nobody"; the files are set up and checked by root.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/safe_file.h"

namespace orvo {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
constexpr std::string_view kNew = "new content\r\r\n";
constexpr std::string_view kOld = "old";

bool Root() {
  return ::geteuid() == 0;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& path, std::string_view bytes, fs::perms mode = fs::perms(0644)) {
  std::ofstream(path, std::ios::binary) << bytes;
  fs::permissions(path, mode);
}

// WriteFileSafely as an unprivileged user: in a child that gave up root, when run as root.
WriteResult WriteAsUser(const std::string& path, std::string_view bytes) {
  if (!Root()) return WriteFileSafely(path, bytes);
  int pipe[2];
  if (::pipe(pipe) != 0) return {false, "no pipe"};
  pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    WriteResult result{false, "could not become nobody"};
    if (::setgroups(0, nullptr) == 0 && ::setresgid(kNoGroup, kNoGroup, kNoGroup) == 0 &&
        ::setresuid(kNobody, kNobody, kNobody) == 0) {
      result = WriteFileSafely(path, bytes);
    }
    std::string report = (result.ok ? "1" : "0") + result.reason;
    ssize_t ignored = ::write(pipe[1], report.data(), report.size());
    static_cast<void>(ignored);
    ::_exit(0);
  }
  ::close(pipe[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
  ::close(pipe[0]);
  ::waitpid(child, nullptr, 0);
  if (report.empty()) return {false, "the child said nothing"};
  return {report[0] == '1', report.substr(1)};
}

struct Fault {
  const char* name;
  std::function<void(const fs::path& folder)> setUp;  // runs as the test's own user
  std::string written;                                // relative to the folder
  std::string reason;                                 // "" for a successful write
  std::string checked;                                // the file whose content is checked
  std::string_view content;                           // what it holds afterwards
  unsigned mode;                                      // its permission bits afterwards
  bool needsRoot = false;                             // sets up files of another user
};

TEST(SafeWrite, FileFaults) {
  ::umask(022);
  const std::string longName(250, 'n');
  const Fault faults[] = {
      {"new file", [](const fs::path&) {}, "a.def", "", "a.def", kNew, 0644},
      {"replaced file keeps its mode",
       [](const fs::path& f) { Put(f / "a.def", kOld, fs::perms(0640)); }, "a.def", "", "a.def",
       kNew, 0640},
      {"write-protected file", [](const fs::path& f) { Put(f / "ro.def", kOld, fs::perms(0444)); },
       "ro.def", "Permission denied", "ro.def", kOld, 0444},
      {"writable file in a read-only folder",
       [](const fs::path& f) {
         Put(f / "w.def", "a longer old content");
         fs::permissions(f, fs::perms(0555));
       },
       "w.def", "", "w.def", kNew, 0644},
      {"new file in a read-only folder",
       [](const fs::path& f) { fs::permissions(f, fs::perms(0555)); }, "n.def", "Permission denied",
       "n.def", "", 0},
      {"dangling link", [](const fs::path& f) { fs::create_symlink("target.def", f / "link.def"); },
       "link.def", "", "target.def", kNew, 0644},
      {"chained links",
       [](const fs::path& f) {
         fs::create_directory(f / "sub");
         Put(f / "sub" / "end.def", kOld, fs::perms(0600));
         fs::create_symlink("sub/end.def", f / "middle.def");
         fs::create_symlink(f / "middle.def", f / "first.def");
       },
       "first.def", "", "sub/end.def", kNew, 0600},
      {"link loop", [](const fs::path& f) { fs::create_symlink("loop.def", f / "loop.def"); },
       "loop.def", "Too many levels of symbolic links", "loop.def", "", 0},
      {"hard link",
       [](const fs::path& f) {
         Put(f / "one.def", kOld);
         fs::create_hard_link(f / "one.def", f / "two.def");
       },
       "one.def", "", "two.def", kNew, 0644},
      {"250-byte name", [](const fs::path&) {}, longName, "", longName, kNew, 0644},
      {"FIFO", [](const fs::path& f) { ::mkfifo((f / "fifo").c_str(), 0666); }, "fifo",
       "not a regular file", "fifo", "", 0},
      {"folder", [](const fs::path& f) { fs::create_directory(f / "adir"); }, "adir", "is a folder",
       "adir", "", 0},
      {"path ending in /", [](const fs::path&) {}, "adir/", "is a folder", "adir/.def", "", 0},
      {"missing folder", [](const fs::path&) {}, "gone/a.def", "No such file or directory",
       "gone/a.def", "", 0},
      {"another user's file in a shared folder",
       [](const fs::path& f) {
         Put(f / "shared.def", kOld, fs::perms(0666));
         if (::chown((f / "shared.def").c_str(), 0, 0) != 0) ADD_FAILURE() << "chown";
       },
       "shared.def", "", "shared.def", kNew, 0666, true},
  };
  if (!Root()) {
    std::cout << "NOTE: not root, so the file of another user is not tried\n";
  }
  for (const Fault& fault : faults) {
    if (fault.needsRoot && !Root()) continue;
    SCOPED_TRACE(fault.name);
    const fs::path folder = fs::temp_directory_path() / ("orvo-safe-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms(0777));
    fault.setUp(folder);
    // The writer owns what it writes, unless the row is about another user's file.
    if (Root() && !fault.needsRoot) {
      ::lchown(folder.c_str(), kNobody, kNoGroup);
      for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        ::lchown(entry.path().c_str(), kNobody, kNoGroup);
      }
    }
    struct stat before {};
    const bool existed = ::stat((folder / fault.checked).c_str(), &before) == 0;

    WriteResult result = WriteAsUser((folder / fault.written).string(), kNew);
    EXPECT_EQ(result.ok, fault.reason.empty());
    EXPECT_EQ(result.reason, fault.reason);
    fs::permissions(folder, fs::perms(0777));
    struct stat after {};
    if (fault.mode == 0) {
      EXPECT_EQ(::stat((folder / fault.checked).c_str(), &after) == 0, existed);
    } else {
      ASSERT_EQ(::stat((folder / fault.checked).c_str(), &after), 0);
      EXPECT_EQ(Read(folder / fault.checked), fault.content);
      EXPECT_EQ(after.st_mode & 07777, fault.mode);
      // The owner of a replaced file stays.
      if (existed) {
        EXPECT_EQ(after.st_uid, before.st_uid);
      }
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      EXPECT_FALSE(entry.path().filename().string().starts_with(".orvo-")) << entry.path();
    }
    fs::remove_all(folder);
  }
}

TEST(SafeWrite, AFullDiskKeepsTheOldFile) {
  // A file size limit fails the write part-way, as a full disk does.
  for (bool hardLinked : {false, true}) {
    const fs::path folder = fs::temp_directory_path() / ("orvo-full-" + std::to_string(::getpid()));
    fs::create_directory(folder);
    Put(folder / "f.def", kOld);
    if (hardLinked) fs::create_hard_link(folder / "f.def", folder / "g.def");
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous {};
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &previous), 0);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteResult result = WriteFileSafely((folder / "f.def").string(), std::string(5000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "File too large");
    EXPECT_EQ(Read(folder / "f.def"), kOld);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              hardLinked ? 2 : 1);
    fs::remove_all(folder);
  }
}

// The other reasons show in the definition file tests.
TEST(SafeRead, LimitsAndTheByteOrderMark) {
  const fs::path folder = fs::temp_directory_path() / ("orvo-read-" + std::to_string(::getpid()));
  fs::create_directory(folder);
  Put(folder / "bom.txt", "\xEF\xBB\xBFtext");
  Put(folder / "big.txt", std::string(101, 'x'));
  struct Row {
    std::string path;
    ReadOptions options;
    ReadFault fault;
    std::string result;  // the bytes, or the reason
  };
  const Row rows[] = {
      {(folder / "bom.txt").string(), {100, true}, ReadFault::kNone, "text"},
      {(folder / "bom.txt").string(), {100, false}, ReadFault::kNone, "\xEF\xBB\xBFtext"},
      {(folder / "big.txt").string(), {100, false}, ReadFault::kTooLarge, "larger than 100 bytes"},
      {(folder / "big.txt").string(), {1 << 20, false}, ReadFault::kNone, std::string(101, 'x')},
      {(folder / "bom.txt/x").string(), {}, ReadFault::kNotFound, "not found"},
  };
  for (const Row& row : rows) {
    ReadResult read = ReadFileSafely(row.path, row.options);
    EXPECT_EQ(read.fault, row.fault) << row.path;
    EXPECT_EQ(read.ok() ? read.bytes : read.reason, row.result) << row.path;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace orvo
