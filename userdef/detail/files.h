#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing definition files without trusting what is on the disk.
namespace orvo::detail {

// Bigger files are refused, longer lines skipped: nothing is read without bound.
inline constexpr std::size_t kMaxDefinitionFileSize = std::size_t{16} << 20;
inline constexpr std::size_t kMaxDefinitionLineLength = std::size_t{64} << 10;

// The lines of a file, whatever ends them (LF, CR LF, CR CR LF or CR alone); empty lines and
// lines longer than kMaxDefinitionLineLength are left out.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Whether anything (a file, a folder, ...) is found at `path`.
bool PathExists(const std::string& path);

// `folder` + `name`, with one "/" between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// Creates `folder` (and its parents) when missing; quietly does nothing when it cannot.
void MakeFolder(const std::string& folder);

}  // namespace orvo::detail
