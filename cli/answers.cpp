#include "base/text.h"
#include "cli/cli.h"
#include "console/classify.h"
#include "console/preview.h"

namespace orvo::cli {

std::string AnswerBox::TextAfterLastBackslash() const {
  std::size_t slash = text_.rfind('\\');
  return slash == std::string::npos ? text_ : text_.substr(slash + 1);
}

void AnswerBox::ReplaceSelection(std::string_view text) {
  if (caret_ < mark_) rewritten_ = true;
  text_.insert(caret_, text);
  caret_ += text.size();
}

void AnswerBox::SetText(std::string_view text) {
  text_.assign(text);
  caret_ = text_.size();
  rewritten_ = true;
}

void AnswerBox::Mark() {
  mark_ = text_.size();
  rewritten_ = false;
}

std::string_view AnswerBox::SinceMark() const {
  std::string_view text(text_);
  return rewritten_ || mark_ > text.size() ? text : text.substr(mark_);
}

Answer LineSession::Type(std::string_view line) {
  box_.MoveCaretToEnd();
  box_.ReplaceSelection(line);
  box_.Mark();
  session_.PressEnter(false);

  std::string_view added = box_.SinceMark();
  if (EndsWith(added, "\r\n")) added.remove_suffix(2);  // the Enter key's own line break
  if (EndsWith(added, "\\\\")) added.remove_suffix(2);  // the prompt
  if (EndsWith(added, "\r\n")) added.remove_suffix(2);
  if (StartsWith(added, "\r\n")) added.remove_prefix(2);

  Answer answer;
  answer.failed = session_.LastAnswerFailed();
  const LineClass typed = Classify(session_.TypedCommand());
  // How an expression was read when the forgiving syntax dropped a sign or an operator.
  if (typed.kind == LineKind::kExpression) {
    if (std::string note = ReadingNote(ReadingOf(typed.line)); !note.empty()) {
      answer.notes.push_back(std::move(note));
    }
  }
  std::size_t start = 0;
  while (start <= added.size()) {
    std::size_t end = added.find("\r\n", start);
    std::string_view piece =
        added.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    answer.text += piece;
    if (end == std::string_view::npos) break;
    answer.text += '\n';
    start = end + 2;
  }
  answer.unfinished = typed.kind == LineKind::kText && line.find('=') == std::string_view::npos;
  return answer;
}

}  // namespace orvo::cli
