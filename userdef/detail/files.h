#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing definition files without trusting what is on the disk.
namespace orvo::detail {

// Bigger files are refused, longer lines skipped: nothing is read without bound.
inline constexpr std::size_t kMaxDefinitionFileSize = std::size_t{16} << 20;
inline constexpr std::size_t kMaxDefinitionLineLength = std::size_t{64} << 10;

// The bytes of a regular file of at most kMaxDefinitionFileSize bytes; nothing for a folder, a
// device, a FIFO (never waited on), a bigger file or one that cannot be opened.
std::optional<std::string> ReadRegularFile(const std::string& path);

// The lines of a file, whatever ends them (LF, CR LF, CR CR LF or CR alone); empty lines and
// lines longer than kMaxDefinitionLineLength are left out.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Writes `bytes` into a new file beside `path` and renames it over `path`, so that a file
// already there is replaced only by a complete one. Returns "" or what went wrong.
std::string WriteFileSafely(const std::string& path, std::string_view bytes);

// Whether anything (a file, a folder, ...) is found at `path`.
bool PathExists(const std::string& path);

// `folder` + `name`, with one "/" between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// Creates `folder` (and its parents) when missing; quietly does nothing when it cannot.
void MakeFolder(const std::string& folder);

}  // namespace orvo::detail
