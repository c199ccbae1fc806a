#include "tests/support/transcript_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

// Decodes one C string literal (the escapes of Escape, and \xHH).
std::string DecodeLiteral(const std::string& line) {
  std::size_t first = line.find('"');
  std::size_t last = line.rfind('"');
  if (first == std::string::npos || last <= first)
    throw std::runtime_error("not a literal: " + line);
  std::string out;
  for (std::size_t i = first + 1; i < last; ++i) {
    if (line[i] != '\\') {
      out += line[i];
    } else if (line[++i] == 'x') {
      out += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else if (std::size_t k = kEscapeLetters.find(line[i]); k != std::string::npos) {
      out += kEscapedChars[k];
    } else {
      throw std::runtime_error("unknown escape in: " + line);
    }
  }
  return out;
}

}  // namespace

void PrintTo(const TranscriptCase& c, std::ostream* out) {
  *out << std::filesystem::path(c.file).filename().string() << ": " << c.name;
}

std::vector<TranscriptCase> ReadTranscriptFile(const std::string& path) {
  std::vector<TranscriptCase> cases;
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{path, "cannot open " + path, {}, "?"}};
  std::string line;
  bool inExpected = false;
  try {
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.rfind("=== ", 0) == 0) {
        cases.push_back({path, line.substr(4), {}, {}});
        inExpected = false;
      } else if (cases.empty()) {
        continue;  // comments before the first case
      } else if (line == "--- console") {
        inExpected = true;
      } else if (inExpected) {
        if (!line.empty() && line[0] != '#') cases.back().expected += DecodeLiteral(line);
      } else {
        cases.back().lines.push_back(line == "<empty>" ? "" : line);
      }
    }
  } catch (const std::exception& e) {
    cases.push_back({path, std::string("malformed: ") + e.what(), {}, "?"});
  }
  return cases;
}

std::string ToLiterals(const std::string& text) {
  std::string out;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    end = end == std::string::npos ? text.size() : end + 2;
    out += "\"" + Escape(text.substr(start, end - start)) + "\"\n";
    start = end;
  }
  return out;
}

}  // namespace orvo::test
