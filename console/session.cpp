#include "console/session.h"

#include <utility>

#include "base/number_text.h"
#include "base/text.h"
#include "console/answer_calls.h"
#include "console/detail/messages.h"
#include "console/detail/routes.h"
#include "console/preview.h"
#include "console/suggestions.h"

namespace orvo {

ConsoleSession::ConsoleSession(TextBox& box, Dialogs& dialogs, Interrupt& interrupt,
                               SessionOptions options)
    : box_(box), dialogs_(dialogs), interrupt_(interrupt), options_(std::move(options)) {}

CommandEnv ConsoleSession::Env() {
  const Evaluator& user = state_.evaluator;
  return CommandEnv{
      user.GetY(), user.GetZ(), state_.precision,
      rng_,        interrupt_,  [this](std::string_view text) { box_.ReplaceSelection(text); }};
}

bool ConsoleSession::HandleEnterKey(bool numberPad) {
  // Only the line being typed is read: Enter must not slow down as the history grows.
  std::string line = box_.TextAfterLastBackslash();
  if (numberPad || EndsWith(line, "=")) box_.MoveCaretToEnd();
  return OnEnter(numberPad);
}

void ConsoleSession::PressEnter(bool numberPad) {
  if (!HandleEnterKey(numberPad)) box_.ReplaceSelection(kNewLine);
}

bool ConsoleSession::OnEnter(bool numberPad) {
  lastFailed_ = false;
  if (numberPad) box_.ReplaceSelection("=");
  lineText_ = box_.TextAfterLastBackslash();
  command_ = CleanCommand(lineText_);
  typed_ = command_;
  LineClass line = Classify(typed_);
  kind_ = line.kind;
  if (line.kind == LineKind::kEmpty) {
    box_.SetText("");  // Enter with nothing typed clears the screen
    return true;
  }
  if (line.kind != LineKind::kText) {
    std::string error;
    std::optional<std::string> replaced =
        ReplaceAnswerCalls(typed_, RecentAnswerValues(answers_), state_.definitions, error);
    if (!replaced) {
      Deliver(FailedAnswer(std::move(error)));
      return false;
    }
    if (*replaced != typed_) {
      typed_ = std::move(*replaced);
      line = Classify(typed_);
      kind_ = line.kind;
    }
  }
  Deliver(Run(line));
  return false;
}

CommandAnswer ConsoleSession::Run(const LineClass& line) {
  switch (line.kind) {
    case LineKind::kEmpty:
    case LineKind::kText:
      return {"", Placement::kAtCaret};
    case LineKind::kSetting:
    case LineKind::kScreen:
      return RunSetting(line);
    case LineKind::kRoots:
    case LineKind::kCommand:
    case LineKind::kExpression:
      break;
  }
  std::optional<std::string> expanded = ExpandLine(state_.definitions, line);
  if (!expanded) return detail::ExpansionTooLong();
  if (line.kind == LineKind::kRoots) return RunRoots(line, std::move(*expanded));
  if (line.kind == LineKind::kCommand) return RunCommand(line, std::move(*expanded));
  return RunExpression(line, std::move(*expanded));
}

CommandAnswer ConsoleSession::RunRoots(const LineClass&, std::string expanded) {
  expanded += ")";
  detail::Route route{"", expanded.find('x') != std::string::npos ? detail::RootsHandler
                                                                  : detail::PolynomialRootsHandler};
  return route.run(*this, route, expanded);
}

// "&", "#" and "@" lead to their family's handler, or to its page when nothing follows.
CommandAnswer ConsoleSession::RunCommand(const LineClass& line, std::string expanded) {
  std::string_view rest = std::string_view(expanded).substr(1);
  const detail::Route& route =
      rest.empty() ? *detail::FamilyPage(line.family) : *detail::FamilyRoute(line.family);
  return route.run(*this, route, rest);
}

CommandAnswer ConsoleSession::RunExpression(const LineClass&, std::string expanded) {
  std::string errors;
  state_.evaluator.SetExpression(expanded);
  Evaluation result = state_.evaluator.Evaluate(errors);
  if (!result.ok()) return FailedAnswer(std::move(errors));
  std::string text = FormatG(result.value, state_.precision);
  return {text, Placement::kAfterEquals, false, false, {{"", text, result.value, true}}};
}

void ConsoleSession::Deliver(CommandAnswer answer) {
  Answer record;
  record.command = command_;
  record.kind = kind_;
  record.placement = answer.placement;
  record.bytes = FrameAnswer(answer.placement, answer.content);
  record.failed = answer.failed;
  record.warned = answer.warned;
  if (!answer.failed) record.values = std::move(answer.values);
  const LineClass typed = Classify(typed_);
  if (kind_ == LineKind::kExpression) {
    std::string note = ReadingNote(ReadingOf(typed.line));
    if (!note.empty()) record.notes.push_back(std::move(note));
  }
  // The usual spelling of a name the engine did not take, and where a value can be kept.
  if (record.failed || kind_ == LineKind::kText) {
    for (std::string& note : Suggestions(typed, state_.definitions)) {
      record.notes.push_back(std::move(note));
    }
  }
  if (answer.placement == Placement::kReplacesScreen) {
    box_.SetText(record.bytes);
  } else {
    box_.ReplaceSelection(record.bytes);
    std::string_view bytes = record.bytes;
    record.block = lineText_ + std::string(bytes.substr(0, bytes.size() - 2));
  }
  lastFailed_ = record.failed;
  answers_.push_back(std::move(record));
  ++answerCount_;
  if (answers_.size() > kMaxAnswers) answers_.pop_front();
}

const Answer* ConsoleSession::FindAnswer(std::string_view block) const {
  for (auto answer = answers_.rbegin(); answer != answers_.rend(); ++answer) {
    if (!answer->block.empty() && answer->block == block) return &*answer;
  }
  return nullptr;
}

void ConsoleSession::RestoreAnswers(std::deque<Answer> answers) {
  answers_ = std::move(answers);
  while (answers_.size() > kMaxAnswers) answers_.pop_front();
}

void ConsoleSession::OnDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  // Not a typed line: the answer's record has no command.
  command_.clear();
  typed_.clear();
  lineText_.clear();
  kind_ = LineKind::kCommand;
  detail::LoadDroppedDefinitions(*this, paths.front());
}

// A page shown from a key or a menu rather than from a typed line: framed like an answer, with
// the caret on a fresh line after the prompt as after Enter.
void ConsoleSession::ShowPage(std::string_view page) {
  box_.SetText("");
  box_.ReplaceSelection(FrameAnswer(Placement::kReplacesScreen, page) + std::string(kNewLine));
}

void ConsoleSession::ShowHelpIndex() {
  ShowPage(msg::kHelpIndex);
}

void ConsoleSession::ShowAbout() {
  ShowPage(msg::kAbout);
}

std::string ConsoleSession::ToggleBracketCheck() {
  state_.bracketCheck = !state_.bracketCheck;
  return std::string(state_.bracketCheck ? msg::kBracketBoxOn : msg::kBracketBoxOff);
}

}  // namespace orvo
