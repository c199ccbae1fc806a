#include "console/classify.h"

#include <utility>

#include "base/text.h"
#include "console/detail/routes.h"
#include "matrix/commands.h"

namespace orvo {
namespace {

// How a row's word is found in a line.
enum class Form : std::uint8_t {
  kStartsWith,  // lines without a final "="
  kEquals,
  kContains,
  kShown,   // a line ending with "=" that is the word (prec=)
  kZeroed,  // a line ending with "=0" that is the word (x=0)
};

struct WordRow {
  std::string_view word;
  Form form;
  LineKind kind;
  Setting setting;
};

// The setting and screen words. Lines without a final "=" try the first three forms in this
// order, and the first match wins: "contains" makes any line holding "x=" set x (max=5 does too).
constexpr WordRow kWords[] = {
    {"save", Form::kStartsWith, LineKind::kScreen, Setting::kSave},
    {"load", Form::kStartsWith, LineKind::kScreen, Setting::kLoad},
    {"delete", Form::kStartsWith, LineKind::kScreen, Setting::kDelete},
    {"bracketon", Form::kEquals, LineKind::kSetting, Setting::kBracketOn},
    {"bracketoff", Form::kEquals, LineKind::kSetting, Setting::kBracketOff},
    {"x=", Form::kContains, LineKind::kSetting, Setting::kSetX},
    {"y=", Form::kContains, LineKind::kSetting, Setting::kSetY},
    {"z=", Form::kContains, LineKind::kSetting, Setting::kSetZ},
    {"prec=", Form::kContains, LineKind::kSetting, Setting::kSetPrecision},
    {"prec", Form::kShown, LineKind::kSetting, Setting::kShowPrecision},
    {"x", Form::kZeroed, LineKind::kSetting, Setting::kResetX},
    {"y", Form::kZeroed, LineKind::kSetting, Setting::kResetY},
    {"z", Form::kZeroed, LineKind::kSetting, Setting::kResetZ},
};

// How a line ends, which decides the forms its words may take.
enum class Ending : std::uint8_t { kOpen, kEquals, kZero };

bool Matches(const WordRow& row, std::string_view line, Ending ending) {
  switch (row.form) {
    case Form::kStartsWith:
      return ending == Ending::kOpen && line.starts_with(row.word);
    case Form::kEquals:
      return ending == Ending::kOpen && line == row.word;
    case Form::kContains:
      return ending == Ending::kOpen && line.find(row.word) != std::string_view::npos;
    case Form::kShown:
      return ending == Ending::kEquals && line == row.word;
    case Form::kZeroed:
      return ending == Ending::kZero && line == row.word;
  }
  return false;
}

// The command word of a family line; `rest` follows the family's character.
std::string_view FamilyWord(char family, std::string_view rest) {
  switch (family) {
    case '&': {
      const detail::Route* route = detail::FindRoute(detail::AmpersandRoutes(), rest);
      return route == nullptr ? std::string_view() : route->word;
    }
    case '#':
      return detail::DefinitionWord(rest);
    case '@':
      return MatrixCommandWord(rest);
    default:
      return {};
  }
}

// Of a line starting with a family character, only what follows the command word's "(" is
// an expression; of "#define(", only the body after the ";"; of a command read as typed, nothing.
std::size_t ExpandFrom(const LineClass& c) {
  if (c.family == '\0') return 0;
  if (detail::RunsAsTyped(c.line)) return std::string::npos;  // &u: units, not definitions
  std::size_t open = c.line.find('(');
  if (open == std::string::npos) return std::string::npos;
  if (c.family != '#') return open;
  std::string_view word = std::string_view(c.line).substr(1, open - 1);
  if (word == "undef" || word == "include") return std::string::npos;
  if (word != "define") return open;
  std::size_t body = c.line.find(';', open);
  return body == std::string::npos ? std::string::npos : body + 1;
}

}  // namespace

LineClass Classify(std::string_view cleaned) {
  LineClass c;
  if (cleaned.empty()) return c;
  std::string lowered = ToLowerAscii(cleaned);
  c.line = lowered;
  const Ending ending = EndsWith(c.line, "=0")  ? Ending::kZero
                        : EndsWith(c.line, "=") ? Ending::kEquals
                                                : Ending::kOpen;
  if (ending == Ending::kZero) c.line.resize(c.line.size() - 2);
  while (ending == Ending::kEquals && EndsWith(c.line, "=")) c.line.pop_back();
  if (!c.line.empty() && std::string_view("&#@").find(c.line[0]) != std::string_view::npos) {
    c.family = c.line[0];
    std::string_view rest = std::string_view(c.line).substr(1);
    c.word = FamilyWord(c.family, rest);
    c.knownWord = rest.empty() || !c.word.empty();
  }
  c.expandFrom = ExpandFrom(c);

  switch (ending) {
    case Ending::kOpen:
      c.kind = LineKind::kText;
      break;
    case Ending::kEquals:
      c.kind = c.family != '\0' ? LineKind::kCommand : LineKind::kExpression;
      break;
    case Ending::kZero:
      // A single character before "=0" is no expression: x, y and z are reset (below),
      // anything else only gets a new prompt line.
      c.kind = c.line.size() == 1 ? LineKind::kText : LineKind::kRoots;
      break;
  }
  for (const WordRow& row : kWords) {
    if (!Matches(row, c.line, ending)) continue;
    c.kind = row.kind;
    c.word = row.word;
    c.setting = row.setting;
    break;
  }
  if (c.kind == LineKind::kText || c.kind == LineKind::kSetting || c.kind == LineKind::kScreen) {
    c.line = std::move(lowered);
  }
  return c;
}

std::optional<std::string> ExpandLine(const DefinitionStore& store, const LineClass& line) {
  if (store.empty() || line.expandFrom >= line.line.size()) return line.line;
  std::optional<std::string> expanded =
      ExpandDefinedCalls(store, std::string_view(line.line).substr(line.expandFrom));
  if (!expanded) return std::nullopt;
  return line.line.substr(0, line.expandFrom) + *expanded;
}

}  // namespace orvo
