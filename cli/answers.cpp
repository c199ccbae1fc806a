#include "base/text.h"
#include "cli/cli.h"

namespace orvo::cli {
namespace {

// Lines that report a failure instead of a result.
bool IsFailureLine(std::string_view line) {
  return StartsWith(line, "Error") || StartsWith(line, "Warning:") || StartsWith(line, "Waring:") ||
         StartsWith(line, "Unknow ");
}

}  // namespace

Answer TypeLine(ConsoleSession& session, TextBox& box, std::string_view line) {
  box.MoveCaretToEnd();
  box.ReplaceSelection(line);
  std::string before = box.Text();
  session.PressEnter(false);
  std::string after = box.Text();

  // An answer appended after the typed line, or a whole new screen (help, load, clear).
  std::string added = StartsWith(after, before) ? after.substr(before.size()) : after;
  if (EndsWith(added, "\r\n")) added.resize(added.size() - 2);  // the Enter key's own line break
  if (EndsWith(added, "\\\\")) added.resize(added.size() - 2);  // the prompt
  if (EndsWith(added, "\r\n")) added.resize(added.size() - 2);
  if (StartsWith(added, "\r\n")) added.erase(0, 2);

  Answer answer;
  answer.failed = session.LastAnswerFailed();
  std::size_t start = 0;
  while (start <= added.size()) {
    std::size_t end = added.find("\r\n", start);
    std::string_view piece = std::string_view(added).substr(
        start, end == std::string::npos ? std::string::npos : end - start);
    if (IsFailureLine(piece)) answer.failed = true;
    answer.text += piece;
    if (end == std::string::npos) break;
    answer.text += '\n';
    start = end + 2;
  }
  return answer;
}

}  // namespace orvo::cli
