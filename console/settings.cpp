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

// Each handler gets the whole command and the word that chose it; it answers and returns
// whether the answer reports a failure.
// The screen slot named after the word, "save3" -> 3.
int SlotNumber(std::string_view command, std::string_view word) {
  return ParseInt(command.substr(word.size()));
}

bool SaveScreen(ConsoleSession& session, std::string_view command, std::string_view word) {
  auto& screens = session.state().screens;
  int n = SlotNumber(command, word);
  if (!InSlotRange(n)) {
    session.Append(msg::kSaveRange);
    return true;
  }
  if (!screens[n - 1].empty()) {
    session.Append(Fill(msg::kSlotUsed, {FormatInt(n)}));
    return true;
  }
  screens[n - 1] = session.box().Text() + std::string(kPromptEnding);
  session.box().SetText("");
  session.Append(Fill(msg::kSaved, {FormatInt(n)}));
  return false;
}

bool LoadScreen(ConsoleSession& session, std::string_view command, std::string_view word) {
  auto& screens = session.state().screens;
  int n = SlotNumber(command, word);
  if (!InSlotRange(n)) {
    session.Append(msg::kLoadRange);
    return true;
  }
  if (screens[n - 1].empty()) {
    session.Append(Fill(msg::kNotSaved, {FormatInt(n)}));
    return true;
  }
  session.box().SetText("");
  session.Append(screens[n - 1]);
  return false;
}

bool DeleteScreen(ConsoleSession& session, std::string_view command, std::string_view word) {
  int n = SlotNumber(command, word);
  if (!InSlotRange(n)) {
    session.Append(msg::kSaveRange);
    return true;
  }
  session.state().screens[n - 1].clear();
  session.Append(Fill(msg::kDeleted, {FormatInt(n)}));
  return false;
}

bool SetBracketCheck(ConsoleSession& session, std::string_view, std::string_view word) {
  session.state().bracketCheck = word == "bracketon";
  session.Append(session.state().bracketCheck ? msg::kBracketsOn : msg::kBracketsOff);
  return false;
}

// x=, y=, z=: the value of the text after the first "x=", which may use the variables
// themselves (x=x+1). A failing expression leaves the variable as it was and says why.
bool SetVariable(ConsoleSession& session, std::string_view command, std::string_view word,
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
    user.Evaluate(value, errors);
    if (!user.Succeeded()) {
      session.Append(std::string(kNewLine) + std::string(CutAtErrorTrailer(errors)) +
                     std::string(kPromptEnding));
      return true;
    }
  }
  (user.*set)(value);
  session.Append(kPromptEnding);
  return false;
}

bool SetPrecision(ConsoleSession& session, std::string_view command, std::string_view word) {
  int n = ParseInt(command.substr(command.find(word) + word.size()));
  session.state().precision =
      std::clamp(n, ConsoleState::kMinPrecision, ConsoleState::kMaxPrecision);
  session.Append(kPromptEnding);
  return false;
}

}  // namespace

// The words and the order they are tried in are the classifier's (console/classify.cpp).
void ConsoleSession::RunSetting(const LineClass& line) {
  const std::string& command = line.line;
  const std::string_view word = line.word;
  bool failed = false;
  switch (line.setting) {
    case Setting::kNone:
      Append(kPromptEnding);
      break;
    case Setting::kSave:
      failed = SaveScreen(*this, command, word);
      break;
    case Setting::kLoad:
      failed = LoadScreen(*this, command, word);
      break;
    case Setting::kDelete:
      failed = DeleteScreen(*this, command, word);
      break;
    case Setting::kBracketOn:
    case Setting::kBracketOff:
      failed = SetBracketCheck(*this, command, word);
      break;
    case Setting::kSetX:
      failed = SetVariable(*this, command, word, &Evaluator::SetX);
      break;
    case Setting::kSetY:
      failed = SetVariable(*this, command, word, &Evaluator::SetY);
      break;
    case Setting::kSetZ:
      failed = SetVariable(*this, command, word, &Evaluator::SetZ);
      break;
    case Setting::kSetPrecision:
      failed = SetPrecision(*this, command, word);
      break;
    case Setting::kShowPrecision:
      Append(std::to_string(state_.precision) + std::string(kPromptEnding));
      break;
    case Setting::kResetX:
      state_.evaluator.SetX(0);
      Append(kPromptEnding);
      break;
    case Setting::kResetY:
      state_.evaluator.SetY(0);
      Append(kPromptEnding);
      break;
    case Setting::kResetZ:
      state_.evaluator.SetZ(0);
      Append(kPromptEnding);
      break;
  }
  if (failed) lastFailed_ = true;
}

}  // namespace orvo
