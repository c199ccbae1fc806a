#include "tests/userdef/scripted.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace orvo::test {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orvo-userdef-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  if (!path_.empty()) std::filesystem::remove_all(path_, error);
}

std::string ScratchFolder::Write(const std::string& name, const std::string& bytes) const {
  std::string file = File(name);
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  return file;
}

std::string ScratchFolder::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvo::test
