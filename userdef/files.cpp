// Definition files on the disk, and where Orvo looks for them.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "userdef/detail/files.h"
#include "userdef/userdef.h"

namespace orvo {
namespace detail {
namespace {

namespace fs = std::filesystem;

// Tries for a free name of the temporary file before giving up.
constexpr int kTemporaryNameAttempts = 100;

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Closes now and says whether the close went well (a delayed write error shows here).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string Failure(const std::string& path) {
  return path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path) {
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxDefinitionFileSize) {
    return std::nullopt;
  }
  // The size is checked again while reading, in case the file grows meanwhile.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  while (true) {
    ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > kMaxDefinitionFileSize) return std::nullopt;
  }
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    std::size_t length = end - start;
    if (length > 0 && length <= kMaxDefinitionLineLength)
      lines.push_back(bytes.substr(start, length));
    start = end + 1;
  }
  return lines;
}

std::string WriteFileSafely(const std::string& target, std::string_view bytes) {
  std::error_code error;
  fs::path path(target);
  // Saving through a link replaces the file it points to, not the link.
  if (fs::is_symlink(fs::symlink_status(path, error))) {
    path = fs::weakly_canonical(path, error);
    if (error) return target + ": " + error.message();
  }
  const std::string destination = path.string();
  struct stat existing {};
  const bool exists = ::stat(destination.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return destination + ": not a regular file";

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && fd < 0; ++attempt) {
    temporary = destination + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return Failure(destination);
  }
  if (fd < 0) return Failure(destination);
  FileDescriptor file(fd);

  // A replaced file keeps its permissions; a new one gets those of the umask.
  bool written = (!exists || ::fchmod(file.get(), existing.st_mode & 07777) == 0) &&
                 WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  std::string failure = written ? "" : Failure(destination);
  if (!file.Close() && failure.empty()) failure = Failure(destination);
  if (failure.empty() && ::rename(temporary.c_str(), destination.c_str()) != 0) {
    failure = Failure(destination);
  }
  if (!failure.empty()) {
    ::unlink(temporary.c_str());
    return failure;
  }
  // Make the rename itself last; a failure here loses nothing that was there before.
  FileDescriptor folder(::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  return "";
}

bool PathExists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path), error);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  return (fs::path(folder) / fs::path(name)).string();
}

void MakeFolder(const std::string& folder) {
  std::error_code error;
  if (!folder.empty()) fs::create_directories(folder, error);
}

}  // namespace detail

DefinitionFolders FoldersFromEnvironment() {
  namespace fs = std::filesystem;
  auto variable = [](const char* name) -> std::string {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
  };
  DefinitionFolders folders;
  if (std::string home = variable("ORVO_HOME"); !home.empty()) {
    folders.home = home;
  } else if (std::string config = variable("XDG_CONFIG_HOME"); !config.empty()) {
    folders.home = (fs::path(config) / "orvo").string();
  } else {
    std::string user = variable("HOME");
    folders.home = (fs::path(user.empty() ? "." : user) / ".config" / "orvo").string();
  }
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) folders.besideProgram = program.parent_path().string();
  return folders;
}

}  // namespace orvo
