#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "command/command.h"
#include "console/classify.h"

// The record of one answer. The console text stays the document (users edit it; screens, help
// pages and restored sessions replace it); records are what the faces read instead of parsing
// the text back: the values to copy, whether the line failed, the notes on how it was read.
namespace orvo {

// What every answer ends with: a line break and the prompt line's two backslashes.
inline constexpr std::string_view kPromptEnding = "\r\n\\\\";

struct Answer {
  std::string command;  // as typed: cleaned, case kept
  LineKind kind = LineKind::kEmpty;
  std::string bytes;  // exactly what the answer put into the console, prompt line included
  Placement placement = Placement::kAtCaret;
  bool failed = false;  // a message instead of a result: no values
  bool warned = false;  // a result with a warning: the values stand
  std::vector<AnswerValue> values;
  std::vector<std::string> notes;  // how the line was read: "read as 5*2 (...)"
  // The text of the console block the answer wrote: from the line after the previous prompt to
  // its own prompt's backslashes. Ties the record to its block; empty when the answer replaced
  // the screen.
  std::string block;
};

// The console's bytes for an answer's content: the line break that puts it below the typed
// line when it goes there, and the prompt line after it. The one place that writes the prompt.
std::string FrameAnswer(Placement placement, std::string_view content);

// The content the answer was framed from: its bytes without the line break that put them below
// the typed line and without the prompt line.
std::string_view AnswerContent(const Answer& answer);

// The answer's main value, or nullptr when it has none.
const AnswerValue* MainValue(const Answer& answer);

}  // namespace orvo
