#include "console/answer.h"

#include <algorithm>

#include "base/text.h"

namespace orvo {

std::string FrameAnswer(Placement placement, std::string_view content) {
  std::string bytes;
  bytes.reserve(content.size() + kNewLine.size() + kPromptEnding.size());
  if (placement == Placement::kBelow) bytes += kNewLine;
  bytes += content;
  bytes += kPromptEnding;
  return bytes;
}

std::string_view AnswerContent(const Answer& answer) {
  std::string_view content = answer.bytes;
  if (EndsWith(content, kPromptEnding)) content.remove_suffix(kPromptEnding.size());
  if (answer.placement == Placement::kBelow && StartsWith(content, kNewLine)) {
    content.remove_prefix(kNewLine.size());
  }
  return content;
}

const AnswerValue* MainValue(const Answer& answer) {
  auto main = std::find_if(answer.values.begin(), answer.values.end(),
                           [](const AnswerValue& value) { return value.main; });
  return main == answer.values.end() ? nullptr : &*main;
}

}  // namespace orvo
