#include <algorithm>

#include "base/text.h"
#include "cli/cli.h"
#include "console/answer.h"

namespace orvo::cli {
namespace {

// The values of an answer on one line for --values: the main value first, tab-separated, a
// named value as name=text.
std::string ValuesLine(const std::vector<AnswerValue>& values) {
  std::vector<const AnswerValue*> ordered;
  for (const AnswerValue& value : values) ordered.push_back(&value);
  std::stable_partition(ordered.begin(), ordered.end(),
                        [](const AnswerValue* value) { return value->main; });
  std::string line;
  for (const AnswerValue* value : ordered) {
    if (!line.empty()) line += '\t';
    if (!value->name.empty()) line += value->name + "=";
    line += value->text;
  }
  return line;
}

bool IsCalculation(LineKind kind) {
  return kind == LineKind::kExpression || kind == LineKind::kRoots || kind == LineKind::kCommand;
}

}  // namespace

Answer LineSession::Type(std::string_view line) {
  box_.MoveCaretToEnd();
  box_.ReplaceSelection(line);
  const std::uint64_t before = session_.AnswerCount();
  session_.PressEnter(false);
  const orvo::Answer* record = session_.AnswerCount() != before ? session_.LastAnswer() : nullptr;
  Answer answer;
  if (record == nullptr) return answer;  // Enter on an empty line: the screen was cleared
  answer.notes = record->notes;
  // An unconfirmed integral counts as a failure for the exit status: it is not to be relied on.
  answer.failed = record->failed || record->warned;
  answer.unfinished = record->kind == LineKind::kText && line.find('=') == std::string_view::npos;
  if (IsCalculation(record->kind)) answer.values = record->failed ? "" : ValuesLine(record->values);
  std::string_view content = AnswerContent(*record);
  // A page that replaced the screen is printed from its first line of text.
  if (record->placement == Placement::kReplacesScreen && StartsWith(content, kNewLine)) {
    content.remove_prefix(kNewLine.size());
  }
  for (std::size_t start = 0; start <= content.size();) {
    std::size_t end = std::min(content.find(kNewLine, start), content.size());
    answer.text += content.substr(start, end - start);
    if (end == content.size()) break;
    answer.text += '\n';
    start = end + kNewLine.size();
  }
  return answer;
}

}  // namespace orvo::cli
