// The plain words that end without "=": the screen store and the console settings.
#include <algorithm>
#include <string>
#include <string_view>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "console/detail/messages.h"
#include "console/session.h"

namespace orvo {
namespace {

bool InSlotRange(int n) {
  return n >= 1 && n <= ConsoleState::kScreenSlots;
}

// Each handler gets the whole command and the word that chose it, and returns its answer.

// The screen slot named after the word, "save3" -> 3.
int SlotNumber(std::string_view command, std::string_view word) {
  return ParseInt(command.substr(word.size()));
}

// Only the prompt line: the setting took effect.
CommandAnswer Done() {
  return {"", Placement::kAtCaret};
}

CommandAnswer SaveScreen(ConsoleSession& session, std::string_view command, std::string_view word) {
  auto& screens = session.state().screens;
  int n = SlotNumber(command, word);
  if (!InSlotRange(n)) return FailedAnswer(std::string(msg::kSaveRange));
  if (!screens[n - 1].empty()) return FailedAnswer(Fill(msg::kSlotUsed, {FormatInt(n)}));
  screens[n - 1] = session.box().Text() + std::string(kPromptEnding);
  return {Fill(msg::kSaved, {FormatInt(n)}), Placement::kReplacesScreen};
}

CommandAnswer LoadScreen(ConsoleSession& session, std::string_view command, std::string_view word) {
  auto& screens = session.state().screens;
  int n = SlotNumber(command, word);
  if (!InSlotRange(n)) return FailedAnswer(std::string(msg::kLoadRange));
  if (screens[n - 1].empty()) return FailedAnswer(Fill(msg::kNotSaved, {FormatInt(n)}));
  // A saved screen ends with the prompt line the save added; the answer's framing gives it back.
  std::string_view screen = screens[n - 1];
  if (EndsWith(screen, kPromptEnding)) screen.remove_suffix(kPromptEnding.size());
  return {std::string(screen), Placement::kReplacesScreen};
}

CommandAnswer DeleteScreen(ConsoleSession& session, std::string_view command,
                           std::string_view word) {
  int n = SlotNumber(command, word);
  if (!InSlotRange(n)) return FailedAnswer(std::string(msg::kSaveRange));
  session.state().screens[n - 1].clear();
  return {Fill(msg::kDeleted, {FormatInt(n)})};
}

CommandAnswer SetBracketCheck(ConsoleSession& session, bool on) {
  session.state().bracketCheck = on;
  return {std::string(on ? msg::kBracketsOn : msg::kBracketsOff)};
}

// x=, y=, z=: the value of the text after the first "x=", which may use the variables
// themselves (x=x+1). A failing expression leaves the variable as it was and says why.
CommandAnswer SetVariable(ConsoleSession& session, std::string_view command, std::string_view word,
                          void (Evaluator::*set)(double)) {
  Evaluator& user = session.state().evaluator;
  std::string valueText(command.substr(command.find(word) + word.size()));
  double value = 0;
  if (valueText == "e") {
    value = Evaluator::kE;
  } else if (valueText == "pi") {
    value = Evaluator::kPi;
  } else {
    std::string errors;
    user.SetExpression(valueText);
    Evaluation result = user.Evaluate(errors);
    value = result.value;
    if (!result.ok()) return FailedAnswer(std::string(CutAtErrorTrailer(errors)));
  }
  (user.*set)(value);
  return Done();
}

CommandAnswer SetPrecision(ConsoleSession& session, std::string_view command,
                           std::string_view word) {
  int n = ParseInt(command.substr(command.find(word) + word.size()));
  session.state().precision =
      std::clamp(n, ConsoleState::kMinPrecision, ConsoleState::kMaxPrecision);
  return Done();
}

CommandAnswer ResetVariable(ConsoleSession& session, void (Evaluator::*set)(double)) {
  (session.state().evaluator.*set)(0);
  return Done();
}

}  // namespace

// The words and the order they are tried in are the classifier's (console/classify.cpp).
CommandAnswer ConsoleSession::RunSetting(const LineClass& line) {
  const std::string& command = line.line;
  const std::string_view word = line.word;
  switch (line.setting) {
    case Setting::kNone:
      return Done();
    case Setting::kSave:
      return SaveScreen(*this, command, word);
    case Setting::kLoad:
      return LoadScreen(*this, command, word);
    case Setting::kDelete:
      return DeleteScreen(*this, command, word);
    case Setting::kBracketOn:
      return SetBracketCheck(*this, true);
    case Setting::kBracketOff:
      return SetBracketCheck(*this, false);
    case Setting::kSetX:
      return SetVariable(*this, command, word, &Evaluator::SetX);
    case Setting::kSetY:
      return SetVariable(*this, command, word, &Evaluator::SetY);
    case Setting::kSetZ:
      return SetVariable(*this, command, word, &Evaluator::SetZ);
    case Setting::kSetPrecision:
      return SetPrecision(*this, command, word);
    case Setting::kShowPrecision: {
      std::string shown = std::to_string(state_.precision);
      return {shown,
              Placement::kAfterEquals,
              false,
              false,
              {{"", shown, double(state_.precision), true}}};
    }
    case Setting::kResetX:
      return ResetVariable(*this, &Evaluator::SetX);
    case Setting::kResetY:
      return ResetVariable(*this, &Evaluator::SetY);
    case Setting::kResetZ:
      return ResetVariable(*this, &Evaluator::SetZ);
  }
  return Done();
}

}  // namespace orvo
