// Definition files on the disk, and where Orvo looks for them.
#include <cstdlib>
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
