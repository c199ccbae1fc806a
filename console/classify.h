#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "userdef/userdef.h"

// What kind of line the user typed: the one place that tells a setting from an expression, a
// command from the roots of a line. The session runs lines by it; the preview, orvo-cli and the
// window read lines by it, so they never disagree with what Enter does.
namespace orvo {

enum class LineKind : std::uint8_t {
  kEmpty,       // nothing typed: Enter clears the screen
  kText,        // nothing to run: Enter adds only a new prompt line (1+2 without "=", a=0)
  kExpression,  // ends with "=": evaluated
  kRoots,       // ends with "=0": the roots of what comes before
  kCommand,     // "&", "#" or "@" and what follows, ending with "="
  kSetting,     // x=5, y=, prec=10, bracketon, x=0 (x reset through the root sign), prec= shown
  kScreen,      // save3, load3, delete3
};

// The setting or screen word a line names.
enum class Setting : std::uint8_t {
  kNone,
  kSave,
  kLoad,
  kDelete,
  kBracketOn,
  kBracketOff,
  kSetX,
  kSetY,
  kSetZ,
  kSetPrecision,
  kShowPrecision,
  kResetX,
  kResetY,
  kResetZ,
};

struct LineClass {
  LineKind kind = LineKind::kEmpty;
  // The line lower-cased; an expression or a command without its final "=" signs, the roots of a
  // line without its "=0"; anything else whole.
  std::string line;
  char family = '\0';  // '&', '#' or '@' when the line starts with one, whatever its kind
  // The command word after the family character ("is(", "define(", "det("; "" when nothing
  // follows it: the family's page), or the setting word ("x=", "save", "prec").
  std::string_view word;
  bool knownWord = false;  // a family line: whether its word is one of the family's
  Setting setting = Setting::kNone;
  // Where calls of user-defined functions in `line` may be expanded from: a command word, the
  // name of a new definition and a file name are not expressions. npos: nowhere.
  std::size_t expandFrom = 0;
};

// The typed line as commands see it: blanks, tabs and line breaks removed (no-break and thin
// spaces too), all brackets made round, and the minus, times and division signs of pasted
// text made ASCII. Case is left alone.
std::string CleanCommand(std::string_view line);

// The kind of a cleaned line (CleanCommand), and the parts its handler needs.
LineClass Classify(std::string_view cleaned);

// The classified line with the calls of user-defined functions expanded from `expandFrom` on.
// Nothing when the expansion would be too long.
std::optional<std::string> ExpandLine(const DefinitionStore& store, const LineClass& line);

}  // namespace orvo
