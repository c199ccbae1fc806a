#include "console/preview.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "base/text.h"
#include "console/answer_calls.h"
#include "console/detail/messages.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "console/suggestions.h"
#include "engine/evaluator.h"
#include "units/units.h"

namespace orvo {
namespace {

// Why a part of the line was dropped, one text per DropRule.
constexpr std::pair<DropRule, std::string_view> kReasons[] = {
    {DropRule::kSignAfterOperator, "a sign right after an operator is dropped"},
    {DropRule::kSignAfterComma, "a sign after a comma is dropped"},
    {DropRule::kSignAfterComparison, "a sign after a comparison is dropped"},
    {DropRule::kOperatorAfterOperator, "of two operators in a row only the first is kept"},
    {DropRule::kTrailing, "the end after the last operand is ignored"},
};

// What a line that is not previewed is, and what Enter does with it.
constexpr std::string_view kNumericTool = "a numerical tool (&): not previewed";
constexpr std::string_view kMatrixCommand = "a matrix or complex command (@): not previewed";
constexpr std::string_view kDefinitionCommand =
    "a user-defined-function command (#): not previewed";
constexpr std::string_view kHelpPage = "a help page";
constexpr std::string_view kRoots = "roots of the expression: not previewed";
constexpr std::string_view kScreenStore = "a screen store command";
constexpr std::string_view kSetting = "a setting";
constexpr std::string_view kRunsOnEnter = ", Enter runs it";
constexpr std::string_view kNeedsEquals = ", end it with = to run it";
constexpr std::string_view kNoSuchCommand[] = {
    "Error: There was no such & function",
    "Error: There was no such # function",
    "Error: There was no such @ function",
};
constexpr std::string_view kNoteSeparator = "  \u00B7  ";

bool IsSign(char c) {
  return c == '+' || c == '-';
}

bool IsOperandChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '\'' || c == '_';
}

// Index just past the bracket that closes the one at `open`, or the end of the text.
std::size_t PastClosingBracket(std::string_view text, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return i + 1;
  }
  return text.size();
}

// End of the operand that starts at `i`, with what binds tighter than a sign: powers,
// factorials and percent signs (-2^2 is -(2^2)), and a number's exponent (1e-5).
std::size_t OperandEnd(std::string_view text, std::size_t i) {
  for (;;) {
    while (i < text.size() && IsSign(text[i])) ++i;
    while (i < text.size() && IsOperandChar(text[i])) {
      ++i;
      bool exponentSign = i + 1 < text.size() && IsSign(text[i]) && text[i - 1] == 'e' && i >= 2 &&
                          std::isdigit(static_cast<unsigned char>(text[i - 2])) &&
                          std::isdigit(static_cast<unsigned char>(text[i + 1]));
      if (exponentSign) ++i;
    }
    if (i < text.size() && text[i] == '(') i = PastClosingBracket(text, i);
    while (i < text.size() && (text[i] == '!' || text[i] == '%')) ++i;
    if (i >= text.size() || text[i] != '^') return i;
    ++i;
  }
}

std::string_view ReasonOf(DropRule rule) {
  for (auto [r, text] : kReasons) {
    if (r == rule) return text;
  }
  return {};
}

bool KeepsSign(DropRule rule) {
  return rule == DropRule::kSignAfterOperator || rule == DropRule::kSignAfterComma ||
         rule == DropRule::kSignAfterComparison;
}

std::string FirstLine(std::string_view text) {
  return std::string(text.substr(0, text.find("\r\n")));
}

// What a command of the "&", "#" or "@" family is.
std::string DescribeFamilyCommand(const LineClass& line, bool ended) {
  std::size_t index = line.family == '&' ? 0 : line.family == '#' ? 1 : 2;
  if (!line.knownWord) return std::string(kNoSuchCommand[index]);
  const detail::Route* route = line.word.empty() ? detail::FamilyPage(line.family)
                               : line.family == '&'
                                   ? detail::FindRoute(detail::AmpersandRoutes(), line.word)
                                   : nullptr;
  constexpr std::string_view kKinds[] = {kNumericTool, kDefinitionCommand, kMatrixCommand};
  std::string text(route != nullptr && route->run == detail::HelpHandler ? kHelpPage
                                                                         : kKinds[index]);
  return text + std::string(ended ? kRunsOnEnter : kNeedsEquals);
}

std::string PreviewExpression(const PreviewSnapshot& snapshot, const std::string& expression) {
  Random rng = snapshot.rng;
  Evaluator evaluator(rng);
  evaluator.SetX(snapshot.x);
  evaluator.SetY(snapshot.y);
  evaluator.SetZ(snapshot.z);
  evaluator.SetExpression(expression);
  std::string text;
  std::string errors;
  bool ok = evaluator.EvaluateToText(text, snapshot.precision, errors).ok();
  std::string preview = ok ? "= " + text : FirstLine(errors);
  std::string note = ReadingNote(ReadingOf(expression));
  if (!note.empty()) preview += std::string(kNoteSeparator) + note;
  return preview;
}

}  // namespace

Reading ReadingOf(std::string_view expression) {
  Reading reading;
  std::vector<DroppedOperator> notes = DroppedOperators(expression);
  if (notes.empty()) return reading;

  // Each kept sign is bracketed with its operand: "(" before the sign, ")" after the operand.
  std::vector<std::pair<std::size_t, char>> brackets;
  std::vector<bool> dropped(expression.size() + 1, false);
  for (const DroppedOperator& note : notes) {
    std::string_view reason = ReasonOf(note.rule);
    if (reading.reasons.find(reason) == std::string::npos) {
      reading.reasons += std::string(reading.reasons.empty() ? "" : ", ") + std::string(reason);
    }
    if (KeepsSign(note.rule)) {
      brackets.emplace_back(note.position, '(');
      brackets.emplace_back(OperandEnd(expression, note.position + 1), ')');
    } else {
      std::fill_n(dropped.begin() + static_cast<std::ptrdiff_t>(note.position), note.length, true);
    }
  }
  std::stable_sort(brackets.begin(), brackets.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  auto next = brackets.begin();
  for (std::size_t i = 0; i <= expression.size(); ++i) {
    for (; next != brackets.end() && next->first == i; ++next) {
      if (next->second == '(') reading.write += '(';
      if (next->second == ')') reading.write += ')';
    }
    if (i == expression.size()) break;
    if (!dropped[i]) reading.write += expression[i];
  }
  if (brackets.empty()) reading.write.clear();

  std::size_t at = 0;
  for (const DroppedOperator& note : notes) {
    reading.readAs.append(expression, at, note.position - at);
    at = note.position + note.length;
  }
  reading.readAs.append(expression.substr(std::min(at, expression.size())));
  return reading;
}

std::string ReadingNote(const Reading& reading) {
  if (reading.reasons.empty()) return {};
  std::string note = "read as " + reading.readAs + " (" + reading.reasons;
  if (!reading.write.empty()) note += ": write " + reading.write;
  return note + ")";
}

PreviewSnapshot SnapshotForPreview(const ConsoleSession& session) {
  const ConsoleState& state = session.state();
  return PreviewSnapshot{state.evaluator.GetX(),
                         state.evaluator.GetY(),
                         state.evaluator.GetZ(),
                         state.precision,
                         state.definitions,
                         session.rng(),
                         RecentAnswerValues(session.Answers())};
}

std::string PreviewLine(PreviewSnapshot snapshot, std::string_view line) {
  if (line.size() > kMaxPreviewLength) return {};
  std::string error;
  std::optional<std::string> replaced =
      ReplaceAnswerCalls(CleanCommand(line), snapshot.answers, snapshot.definitions, error);
  if (!replaced) return error;
  const std::string& cleaned = *replaced;
  LineClass c = Classify(cleaned);
  // A line that Enter would not run yet is previewed as it will be once it ends with "=".
  bool ended = c.kind != LineKind::kText;
  if (!ended) c = Classify(cleaned + "=");
  switch (c.kind) {
    case LineKind::kEmpty:
    case LineKind::kText:
      return {};
    case LineKind::kRoots:
      return std::string(kRoots) + std::string(kRunsOnEnter);
    case LineKind::kScreen:
      return std::string(kScreenStore) + std::string(kRunsOnEnter);
    case LineKind::kSetting:
      if (c.setting == Setting::kShowPrecision) return "= " + std::to_string(snapshot.precision);
      return std::string(kSetting) + std::string(kRunsOnEnter);
    case LineKind::kCommand:
      if (detail::RunsAsTyped(c.line)) {
        // &u is quick and changes nothing, so it is previewed like an expression.
        UnitsAnswer answer =
            UnitsCommand(detail::UnitsArgument(cleaned), snapshot.precision, snapshot.rng);
        return answer.failed ? answer.text : "= " + answer.text;
      }
      return DescribeFamilyCommand(c, ended);
    case LineKind::kExpression:
      break;
  }
  std::optional<std::string> expanded = ExpandLine(snapshot.definitions, c);
  if (!expanded) return std::string(msg::kExpansionTooLong);
  if (expanded->size() > kMaxPreviewLength) return {};
  std::string preview = PreviewExpression(snapshot, *expanded);
  // A line without a value may hold a name spelt as other calculators spell it.
  if (!StartsWith(preview, "= ")) {
    for (const std::string& note : Suggestions(c, snapshot.definitions)) {
      preview += std::string(kNoteSeparator) + note;
    }
  }
  return preview;
}

}  // namespace orvo
