#include "console/session.h"

#include <utility>

#include "base/text.h"
#include "console/detail/messages.h"
#include "console/detail/routes.h"

namespace orvo {

ConsoleSession::ConsoleSession(TextBox& box, Dialogs& dialogs, Interrupt& interrupt,
                               SessionOptions options)
    : box_(box), dialogs_(dialogs), interrupt_(interrupt), options_(std::move(options)) {}

CommandEnv ConsoleSession::Env() {
  const Evaluator& user = state_.evaluator;
  return CommandEnv{user.GetX(),
                    user.GetY(),
                    user.GetZ(),
                    state_.precision,
                    rng_,
                    interrupt_,
                    [this](std::string_view text) { box_.ReplaceSelection(text); }};
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
  typed_ = CleanCommand(box_.TextAfterLastBackslash());
  const LineClass line = Classify(typed_);
  switch (line.kind) {
    case LineKind::kEmpty:
      box_.SetText("");  // Enter with nothing typed clears the screen
      return true;
    case LineKind::kText:
      Append(kPromptEnding);
      break;
    case LineKind::kSetting:
    case LineKind::kScreen:
      RunSetting(line);
      break;
    case LineKind::kRoots:
      RunRoots(line);
      break;
    case LineKind::kCommand:
      RunCommand(line);
      break;
    case LineKind::kExpression:
      RunExpression(line);
      break;
  }
  return false;
}

void ConsoleSession::RunRoots(const LineClass& line) {
  std::optional<std::string> expanded = detail::ExpandDefinitions(*this, line);
  if (!expanded) {
    lastFailed_ = true;
    return;
  }
  std::string command = std::move(*expanded) + ")";
  detail::Route route{"", command.find('x') != std::string::npos ? detail::RootsHandler
                                                                 : detail::PolynomialRootsHandler};
  lastFailed_ = route.run(*this, route, command);
}

// "&", "#" and "@" lead to their family's handler, or to its page when nothing follows.
void ConsoleSession::RunCommand(const LineClass& line) {
  std::optional<std::string> expanded = detail::ExpandDefinitions(*this, line);
  if (!expanded) {
    lastFailed_ = true;
    return;
  }
  std::string_view rest = std::string_view(*expanded).substr(1);
  const detail::Route& route =
      rest.empty() ? *detail::FamilyPage(line.family) : *detail::FamilyRoute(line.family);
  lastFailed_ = route.run(*this, route, rest);
}

void ConsoleSession::RunExpression(const LineClass& line) {
  std::optional<std::string> expanded = detail::ExpandDefinitions(*this, line);
  if (!expanded) {
    lastFailed_ = true;
    return;
  }
  std::string text;
  std::string errors;
  state_.evaluator.SetExpression(*expanded);
  state_.evaluator.EvaluateToText(text, state_.precision, errors);
  if (state_.evaluator.Succeeded()) {
    Append(text + std::string(kPromptEnding));
  } else {
    lastFailed_ = true;
    Append(std::string(kNewLine) + errors + std::string(kPromptEnding));
  }
}

void ConsoleSession::OnDropFiles(const std::vector<std::string>& paths) {
  if (!paths.empty()) detail::LoadDroppedDefinitions(*this, paths.front());
}

void ConsoleSession::ShowHelpIndex() {
  box_.SetText("");
  box_.ReplaceSelection(msg::kHelpIndex);
}

void ConsoleSession::ShowAbout() {
  box_.SetText("");
  box_.ReplaceSelection(msg::kAbout);
}

std::string ConsoleSession::ToggleBracketCheck() {
  state_.bracketCheck = !state_.bracketCheck;
  return std::string(state_.bracketCheck ? msg::kBracketBoxOn : msg::kBracketBoxOff);
}

}  // namespace orvo
