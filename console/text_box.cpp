#include "console/text_box.h"

#include <algorithm>

namespace orvo {

std::string StringTextBox::TextAfterLastBackslash() const {
  std::size_t slash = text_.rfind('\\');
  return slash == std::string::npos ? text_ : text_.substr(slash + 1);
}

void StringTextBox::ReplaceSelection(std::string_view text) {
  text_.replace(selStart_, selEnd_ - selStart_, text);
  selStart_ = selEnd_ = selStart_ + text.size();
}

void StringTextBox::SetText(std::string_view text) {
  text_.assign(text);
  MoveCaretToEnd();
}

void StringTextBox::Select(std::size_t start, std::size_t end) {
  selStart_ = std::min(start, text_.size());
  selEnd_ = std::clamp(end, selStart_, text_.size());
}

}  // namespace orvo
