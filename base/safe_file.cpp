#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <optional>

namespace orvo {
namespace {

// The reasons this module words itself; everything else is the system's strerror text.
constexpr std::string_view kNotFound = "not found";
constexpr std::string_view kPermissionDenied = "permission denied";
constexpr std::string_view kNotRegularFile = "not a regular file";
constexpr std::string_view kLargerThan = "larger than ";
constexpr std::string_view kIsAFolder = "is a folder";

// Links followed before giving up, as the kernel does (its limit is 40).
constexpr int kMaxLinkHops = 40;
// Tries for a free temporary name before giving up.
constexpr int kTemporaryNameAttempts = 100;
// Short and hidden, so that it fits beside a target whose name has the maximum length and does
// not clutter a file dialog: ".orvo-" and six letters or digits.
constexpr std::string_view kTemporaryPrefix = "/.orvo-";
constexpr std::size_t kTemporaryLetters = 6;
// Old contents up to this size are kept as a backup while a file is written in place.
constexpr std::size_t kMaxBackupBytes = std::size_t{64} << 20;

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now; false (errno set) when the close reports a delayed write error.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string SystemReason(int error) {
  return std::strerror(error);
}

WriteResult Failed(std::string reason) {
  return WriteResult{false, std::move(reason)};
}

ReadResult ReadFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return {ReadFault::kNotFound, "", std::string(kNotFound)};
    case EACCES:
    case EPERM:
      return {ReadFault::kPermissionDenied, "", std::string(kPermissionDenied)};
    default:
      return {ReadFault::kOther, "", SystemReason(error)};
  }
}

// "16 MB", "64 kB" or "100 bytes": a limit as a user would write it.
std::string SizeText(std::size_t bytes) {
  if (bytes != 0 && bytes % (std::size_t{1} << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  if (bytes != 0 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " kB";
  return std::to_string(bytes) + " bytes";
}

ReadResult TooLarge(std::size_t limit) {
  return {ReadFault::kTooLarge, "", std::string(kLargerThan) + SizeText(limit)};
}

// 0, or the errno of the first write that failed.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Reads to the end; nothing (errno set) on a read error, or when more than `limit` bytes come.
std::optional<std::string> ReadAll(int fd, std::size_t limit, bool& tooLarge) {
  std::string bytes;
  char buffer[1 << 16];
  tooLarge = false;
  while (true) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > limit) {
      tooLarge = true;
      return std::nullopt;
    }
  }
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
  FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.valid()) ::fsync(handle.get());
}

// The file a path finally names: links are followed one by one (relative ones from the folder
// of the link), so that a dangling link gives the path of the file to create. Nothing (errno
// set) on a loop or an unreadable link.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
      if (errno == ENOENT) return path;  // a new file, or the end of a dangling link
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    path = (target.starts_with('/') || path.find('/') == std::string::npos)
               ? target
               : path.substr(0, path.rfind('/') + 1) + target;
  }
  errno = ELOOP;
  return std::nullopt;
}

// A new, empty file with a short unused name in `folder`, created with `mode` (less the umask).
struct TemporaryFile {
  FileDescriptor file;
  std::string path;
  int error = 0;  // why no file was created
};

void MakeTemporaryFile(const std::string& folder, unsigned mode, TemporaryFile& temporary) {
  static constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    unsigned char noise[kTemporaryLetters] = {};
    if (::getrandom(noise, sizeof noise, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof noise)) {
      timespec now{};
      ::clock_gettime(CLOCK_REALTIME, &now);
      auto seed = static_cast<unsigned long long>(now.tv_nsec) ^
                  (static_cast<unsigned long long>(::getpid()) << 20) ^
                  static_cast<unsigned long long>(attempt);
      for (unsigned char& c : noise) c = static_cast<unsigned char>(seed >>= 5);
    }
    std::string path = folder + std::string(kTemporaryPrefix);
    for (unsigned char c : noise) path += kLetters[c % kLetters.size()];
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0) {
      temporary.file.Reset(fd);
      temporary.path = std::move(path);
      return;
    }
    if (errno != EEXIST) break;
  }
  temporary.error = errno;
}

// Gives the new file the owner, group and mode of the one it replaces; false when the owner or
// group cannot be kept (only the owner and root may give a file away).
bool TakeOverIdentity(int fd, const struct stat& old) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    return false;
  }
  // After the chown, which may clear set-id bits.
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Overwrites `file` from its start with `bytes` and cuts it to their length; 0 or errno.
int Overwrite(int fd, std::string_view bytes) {
  if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
  if (int error = WriteAll(fd, bytes)) return error;
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
  if (::fsync(fd) != 0) return errno;
  return 0;
}

// Writing in place keeps every name of the file, its owner and its mode, at the price of a
// moment in which the file is half written: a synced backup beside it covers a crash in that
// moment, and the old content is written back when the write fails.
WriteResult WriteInPlace(const std::string& target, const struct stat& old,
                         std::string_view bytes) {
  FileDescriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY));
  // A file the user may write but not read is written without a backup.
  const bool readable = file.valid();
  if (!readable) file.Reset(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
  if (!file.valid()) return Failed(SystemReason(errno));

  std::optional<std::string> previous;
  bool tooLarge = false;
  if (readable && static_cast<std::size_t>(old.st_size) <= kMaxBackupBytes) {
    previous = ReadAll(file.get(), kMaxBackupBytes, tooLarge);
  }
  const std::string folder = FolderOf(target);
  TemporaryFile backup;
  if (previous) {
    MakeTemporaryFile(folder, 0600, backup);
    if (backup.file.valid() &&
        (WriteAll(backup.file.get(), *previous) != 0 || ::fsync(backup.file.get()) != 0)) {
      ::unlink(backup.path.c_str());
      backup.path.clear();
    }
    if (!backup.path.empty()) SyncFolder(folder);
  }

  int error = Overwrite(file.get(), bytes);
  if (error != 0 && previous && Overwrite(file.get(), *previous) != 0) {
    // The old content could not be put back: the backup is all that holds it now.
    std::string reason = SystemReason(error);
    if (!backup.path.empty()) reason += "; the old content is in " + backup.path;
    return Failed(reason);
  }
  if (!backup.path.empty()) {
    ::unlink(backup.path.c_str());
    SyncFolder(folder);
  }
  if (error == 0 && !file.Close()) error = errno;
  return error == 0 ? WriteResult{true, ""} : Failed(SystemReason(error));
}

}  // namespace

ReadResult ReadFileSafely(const std::string& path, const ReadOptions& options) {
  // The type is checked before opening, so that a device or FIFO is never opened, and again on
  // the open descriptor, in case the path was swapped in between.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return ReadFailure(errno);
  if (!S_ISREG(info.st_mode)) return {ReadFault::kNotRegularFile, "", std::string(kNotRegularFile)};
  if (static_cast<std::size_t>(info.st_size) > options.maxBytes) return TooLarge(options.maxBytes);

  // Non-blocking, so that a FIFO swapped in after the check does not wait for a writer.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.valid()) return ReadFailure(errno);
  if (::fstat(file.get(), &info) != 0) return ReadFailure(errno);
  if (!S_ISREG(info.st_mode)) return {ReadFault::kNotRegularFile, "", std::string(kNotRegularFile)};

  bool tooLarge = false;
  std::optional<std::string> bytes = ReadAll(file.get(), options.maxBytes, tooLarge);
  if (tooLarge) return TooLarge(options.maxBytes);
  if (!bytes) return ReadFailure(errno);
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (options.dropByteOrderMark && bytes->starts_with(kByteOrderMark)) {
    bytes->erase(0, kByteOrderMark.size());
  }
  return {ReadFault::kNone, std::move(*bytes), ""};
}

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes,
                            const WriteOptions& options) {
  if (path.empty()) return Failed(SystemReason(ENOENT));
  if (path.ends_with('/')) return Failed(std::string(kIsAFolder));
  std::optional<std::string> followed = FollowLinks(path);
  if (!followed) return Failed(SystemReason(errno));
  const std::string& target = *followed;

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return Failed(SystemReason(errno));
  if (exists && S_ISDIR(old.st_mode)) return Failed(std::string(kIsAFolder));
  if (exists && !S_ISREG(old.st_mode)) return Failed(std::string(kNotRegularFile));
  // Renaming over a file needs only the folder's permission; the file's own bits decide here,
  // as they would for opening it.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return Failed(SystemReason(errno));
  }
  // A rename would split the file from its other names.
  if (exists && old.st_nlink > 1) return WriteInPlace(target, old, bytes);

  const std::string folder = FolderOf(target);
  TemporaryFile temporary;
  MakeTemporaryFile(folder, exists ? 0600 : options.newFileMode, temporary);
  if (!temporary.file.valid()) {
    const bool folderRefused = temporary.error == EACCES || temporary.error == EPERM;
    if (exists && folderRefused) return WriteInPlace(target, old, bytes);
    return Failed(SystemReason(temporary.error));
  }
  if (exists && !TakeOverIdentity(temporary.file.get(), old)) {
    ::unlink(temporary.path.c_str());
    return WriteInPlace(target, old, bytes);
  }
  int error = WriteAll(temporary.file.get(), bytes);
  if (error == 0 && ::fsync(temporary.file.get()) != 0) error = errno;
  if (!temporary.file.Close() && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.path.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.path.c_str());
    return Failed(SystemReason(error));
  }
  // Makes the rename itself last; a failure here loses nothing that was there before.
  SyncFolder(folder);
  return WriteResult{true, ""};
}

}  // namespace orvo
