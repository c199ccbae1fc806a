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
using SettingHandler = bool (*)(ConsoleSession&, std::string_view command, std::string_view word);

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

enum class Match { kStartsWith, kEquals, kContains };

struct SettingWord {
  std::string_view word;
  Match match;
  SettingHandler run;
};

// Tried in this order; the first match runs. "Contains" makes any line holding "x=" set x
// (max=5 does too).
constexpr SettingWord kSettingWords[] = {
    {"save", Match::kStartsWith, SaveScreen},
    {"load", Match::kStartsWith, LoadScreen},
    {"delete", Match::kStartsWith, DeleteScreen},
    {"bracketon", Match::kEquals, SetBracketCheck},
    {"bracketoff", Match::kEquals, SetBracketCheck},
    {"x=", Match::kContains,
     [](ConsoleSession& s, std::string_view c, std::string_view w) {
       return SetVariable(s, c, w, &Evaluator::SetX);
     }},
    {"y=", Match::kContains,
     [](ConsoleSession& s, std::string_view c, std::string_view w) {
       return SetVariable(s, c, w, &Evaluator::SetY);
     }},
    {"z=", Match::kContains,
     [](ConsoleSession& s, std::string_view c, std::string_view w) {
       return SetVariable(s, c, w, &Evaluator::SetZ);
     }},
    {"prec=", Match::kContains, SetPrecision},
};

bool Matches(const SettingWord& row, std::string_view command) {
  switch (row.match) {
    case Match::kStartsWith:
      return command.starts_with(row.word);
    case Match::kEquals:
      return command == row.word;
    case Match::kContains:
      return command.find(row.word) != std::string_view::npos;
  }
  return false;
}

}  // namespace

void ConsoleSession::RunSetting(const std::string& command) {
  for (const SettingWord& row : kSettingWords) {
    if (!Matches(row, command)) continue;
    if (row.run(*this, command, row.word)) lastFailed_ = true;
    return;
  }
  Append(kPromptEnding);
}

}  // namespace orvo
