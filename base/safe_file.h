#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Reading and writing whole files without trusting what is on the disk. Every file Orvo writes
// goes through WriteFileSafely, every file it reads through ReadFileSafely.
namespace orvo {

// Why a file could not be read.
enum class ReadFault {
  kNone,
  kNotFound,          // nothing at the path (or a folder on the way is missing)
  kPermissionDenied,  // the user may not read it
  kNotRegularFile,    // a folder, a device, a FIFO, a socket
  kTooLarge,          // more than ReadOptions::maxBytes
  kOther,             // any other error of the system; the reason says which
};

struct ReadOptions {
  std::size_t maxBytes = std::size_t{16} << 20;
  bool dropByteOrderMark = false;  // a leading UTF-8 byte order mark is not part of the text
};

struct ReadResult {
  ReadFault fault = ReadFault::kNone;
  std::string bytes;   // the whole file when fault is kNone
  std::string reason;  // "" when read; else "not found", "permission denied", "not a regular
                       // file", "larger than 16 MB" or the system's own words
  bool ok() const { return fault == ReadFault::kNone; }
};

// The bytes of the regular file at `path` (links followed). A folder, device or FIFO is never
// opened for reading, so nothing can block or run without end; a file that grows past the limit
// while it is read is refused too.
ReadResult ReadFileSafely(const std::string& path, const ReadOptions& options = {});

struct WriteOptions {
  // Permissions of a file that does not exist yet, before the umask.
  unsigned newFileMode = 0666;
};

struct WriteResult {
  bool ok = false;
  std::string reason;  // "" when written; else "is a folder", "not a regular file" or the
                       // system's own words ("Permission denied", "No space left on device")
};

// Replaces the file at `path` by `bytes`, so that a reader (or a crash) sees either the old or
// the new content in full:
// - a path ending in "/" or naming a folder is refused ("is a folder"), as is anything else
//   that is not a regular file;
// - symbolic links are followed, and a dangling link's target is created;
// - a file the user may not write (by its own permission bits, as opening it for writing would
//   decide) is refused with the system's reason, even where the folder would allow replacing it;
// - normally a short temporary file is made beside the target, written, synced and renamed over
//   it, and the folder is synced; the target's mode, and where allowed its owner and group, are
//   kept;
// - a file with several hard links, one whose owner could not be kept, or a writable file in a
//   folder where no temporary file can be made is written in place instead, after a synced
//   backup copy beside it where the folder allows one (removed when the write succeeded; on a
//   failure the old content is put back).
// No temporary file is left behind, whatever fails.
WriteResult WriteFileSafely(const std::string& path, std::string_view bytes,
                            const WriteOptions& options = {});

}  // namespace orvo
