// Definition files on the disk, and where Orvo looks for them.
#include <filesystem>

#include "userdef/detail/files.h"
#include "userdef/userdef.h"

namespace orvo {
namespace detail {
namespace fs = std::filesystem;

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

DefinitionFolders FoldersFrom(std::string_view orvoHome, std::string_view configHome,
                              std::string_view userHome) {
  namespace fs = std::filesystem;
  DefinitionFolders folders;
  if (!orvoHome.empty()) {
    folders.home = std::string(orvoHome);
  } else if (!configHome.empty()) {
    folders.home = (fs::path(configHome) / "orvo").string();
  } else {
    folders.home = (fs::path(userHome.empty() ? "." : userHome) / ".config" / "orvo").string();
  }
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) folders.besideProgram = program.parent_path().string();
  return folders;
}

}  // namespace orvo
