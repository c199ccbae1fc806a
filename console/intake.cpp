#include <string>

#include "console/classify.h"

#include <utility>

namespace orvo {
namespace {

// Characters of pasted text and what they become ("" removes them like blanks).
constexpr std::pair<std::string_view, std::string_view> kPasted[] = {
    {"\u2212", "-"},  // minus sign
    {"\u00D7", "*"},  // multiplication sign
    {"\u00F7", "/"},  // division sign
    {"\u00A0", ""},   // no-break space
    {"\u2009", ""},   // thin space
    {"\u202F", ""},   // narrow no-break space
};

}  // namespace

std::string CleanCommand(std::string_view line) {
  std::string result;
  result.reserve(line.size());
  for (std::size_t i = 0; i < line.size();) {
    char c = line[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      bool mapped = false;
      for (auto [from, to] : kPasted) {
        if (line.substr(i, from.size()) == from) {
          result += to;
          i += from.size();
          mapped = true;
          break;
        }
      }
      if (mapped) continue;
    }
    switch (c) {
      case ' ':
      case '\t':
      case '\r':
      case '\n':
        break;
      case '{':
      case '[':
        result += '(';
        break;
      case '}':
      case ']':
        result += ')';
        break;
      default:
        result += c;
    }
    ++i;
  }
  return result;
}

}  // namespace orvo
