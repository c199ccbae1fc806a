#include "base/message.h"

namespace orvo {

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string result;
  result.reserve(pattern.size() + 16);
  const std::string_view* next = values.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    bool marker = pattern[i] == '%' && i + 1 < pattern.size() &&
                  (pattern[i + 1] == 's' || pattern[i + 1] == 'd') && next != values.end();
    if (marker) {
      result += *next++;
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace orvo
