#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "userdef/userdef.h"

// What the faces offer while a line is typed: the names that complete the word at the caret and
// the usage of the call the caret is in. The names and usages come from the function registry's
// rows, the command tables of the "&", "#" and "@" families and the user's definitions.
namespace orvo {

struct Completion {
  std::string name;    // as listed: "gammainc", "&is("
  std::string insert;  // what replaces the typed word: "gammainc(", "is("
  std::string usage;   // "gammainc(x,a): regularised lower incomplete gamma function"
};

// The one-line usage of every command word of a family ("&", "#" or "@"), from the family's own
// table: "&is(a;b;f(x)): Simpson integral". Each begins with the family character and the word.
std::vector<std::string_view> CommandUsages(char family);

// The word that ends at the caret and is completed: [start, caret) of the line.
struct CompletedWord {
  std::size_t start = 0;
  std::vector<Completion> candidates;  // at most kMaxCompletions
};

inline constexpr std::size_t kMaxCompletions = 8;

// The candidates for the word ending at `caret` of `line` (the text after the prompt):
// case-insensitive prefix matches, the user's definitions first (one of theirs hides a built-in
// of the same name), then the built-in names in alphabetical order. Right after "&", "#" or "@"
// at the start of the line, the family's command words instead. Nothing when no word ends at the
// caret.
CompletedWord Complete(std::string_view line, std::size_t caret,
                       const DefinitionStore& definitions);

// The usage line of the call whose brackets hold the caret, with the argument being typed.
struct SignatureHint {
  std::string usage;               // "pow(x,y): x to the power y"
  std::size_t argument = 0;        // the argument's place in `usage`
  std::size_t argumentLength = 0;  // 0 when the usage names no parameter there
};

std::optional<SignatureHint> HintAt(std::string_view line, std::size_t caret,
                                    const DefinitionStore& definitions);

// The usage line of a name as typed (any case), or "" when it is not a function, a definition
// or "ans".
std::string UsageOf(std::string_view name, const DefinitionStore& definitions);

}  // namespace orvo
