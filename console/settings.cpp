// The plain words that end without "=": the screen store and the console settings.
#include <string>

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

}  // namespace

void ConsoleSession::RunSetting(const std::string& command) {
  auto& screens = state_.screens;
  auto slotNumber = [&](std::string_view word) { return ParseInt(command.substr(word.size())); };

  if (StartsWith(command, "save")) {
    int n = slotNumber("save");
    if (!InSlotRange(n)) {
      lastFailed_ = true;
      Append(msg::kSaveRange);
    } else if (!screens[n - 1].empty()) {
      lastFailed_ = true;
      Append(Fill(msg::kSlotUsed, {FormatInt(n)}));
    } else {
      screens[n - 1] = box_.Text() + std::string(kPromptEnding);
      box_.SetText("");
      Append(Fill(msg::kSaved, {FormatInt(n)}));
    }
    return;
  }
  if (StartsWith(command, "load")) {
    int n = slotNumber("load");
    if (!InSlotRange(n)) {
      lastFailed_ = true;
      Append(msg::kLoadRange);
    } else if (screens[n - 1].empty()) {
      lastFailed_ = true;
      Append(Fill(msg::kNotSaved, {FormatInt(n)}));
    } else {
      box_.SetText("");
      Append(screens[n - 1]);
    }
    return;
  }
  if (StartsWith(command, "delete")) {
    int n = slotNumber("delete");
    if (!InSlotRange(n)) {
      lastFailed_ = true;
      Append(msg::kSaveRange);
    } else {
      screens[n - 1].clear();
      Append(Fill(msg::kDeleted, {FormatInt(n)}));
    }
    return;
  }
  if (command == "bracketon" || command == "bracketoff") {
    state_.bracketCheck = command == "bracketon";
    Append(state_.bracketCheck ? msg::kBracketsOn : msg::kBracketsOff);
    return;
  }

  // x=, y=, z=: the value of the text after the first "x=", which may use the variables
  // themselves (x=x+1). A failing expression leaves the variable as it was and says why.
  Evaluator& user = state_.evaluator;
  for (char name : {'x', 'y', 'z'}) {
    std::size_t at = command.find(std::string{name, '='});
    if (at == std::string::npos) continue;
    std::string valueText = command.substr(at + 2);
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
        lastFailed_ = true;
        Append(std::string(kNewLine) + std::string(CutAtErrorTrailer(errors)) +
               std::string(kPromptEnding));
        return;
      }
    }
    if (name == 'x') user.SetX(value);
    if (name == 'y') user.SetY(value);
    if (name == 'z') user.SetZ(value);
    Append(kPromptEnding);
    return;
  }

  std::size_t at = command.find("prec=");
  if (at != std::string::npos) {
    int n = ParseInt(command.substr(at + 5));
    state_.precision = n > ConsoleState::kMaxPrecision   ? ConsoleState::kMaxPrecision
                       : n < ConsoleState::kMinPrecision ? ConsoleState::kMinPrecision
                                                         : n;
  }
  Append(kPromptEnding);
}

}  // namespace orvo
