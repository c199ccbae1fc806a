#include "console/session.h"

#include <utility>

#include "base/text.h"
#include "console/detail/intake.h"
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
  std::string command = detail::CleanCommand(box_.TextAfterLastBackslash());
  typed_ = command;
  if (command.empty()) {
    box_.SetText("");  // Enter with nothing typed clears the screen
    return true;
  }
  ToLowerAsciiInPlace(command);

  if (EndsWith(command, "=0")) {
    // The root sign: the roots of the expression.
    command.resize(command.size() - 2);
    if (command.size() == 1) {
      if (command == "x") state_.evaluator.SetX(0);
      if (command == "y") state_.evaluator.SetY(0);
      if (command == "z") state_.evaluator.SetZ(0);
      Append(kPromptEnding);
      return false;
    }
    std::optional<std::string> expanded = detail::ExpandDefinitions(*this, std::move(command));
    if (!expanded) {
      lastFailed_ = true;
      return false;
    }
    command = std::move(*expanded) + ")";
    detail::Route route{"", command.find('x') != std::string::npos
                                ? detail::RootsHandler
                                : detail::PolynomialRootsHandler};
    lastFailed_ = route.run(*this, route, command);
    return false;
  }
  if (EndsWith(command, "=")) {
    RunEvaluated(std::move(command));
  } else {
    RunSetting(command);
  }
  return false;
}

void ConsoleSession::RunEvaluated(std::string command) {
  while (EndsWith(command, "=")) command.pop_back();
  if (command == "prec") {
    Append(std::to_string(state_.precision) + std::string(kPromptEnding));
    return;
  }
  std::optional<std::string> expanded = detail::ExpandDefinitions(*this, std::move(command));
  if (!expanded) {
    lastFailed_ = true;
    return;
  }
  command = std::move(*expanded);

  // "&", "#" and "@" lead to their family's handler, or to its page when nothing follows.
  const detail::Route* family = command.empty() ? nullptr : detail::FamilyRoute(command[0]);
  if (family != nullptr) {
    std::string_view rest = std::string_view(command).substr(1);
    const detail::Route& route = rest.empty() ? *detail::FamilyPage(command[0]) : *family;
    lastFailed_ = route.run(*this, route, rest);
    return;
  }

  std::string text;
  std::string errors;
  state_.evaluator.SetExpression(command);
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
