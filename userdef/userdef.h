#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/dialogs.h"
#include "base/random.h"
#include "command/command.h"

// User-defined functions: the definition store, the textual expansion of their calls in command
// lines, the "#" commands and definition files.
namespace orvo {

// One definition: #define(f(x,y);x^2+y) is stored as name "f", parameters "X,Y", expression
// "(X^2+Y)". Command lines are lower-cased before they get here, so an upper-case letter in a
// stored expression can only be a parameter placeholder.
struct FunctionDefinition {
  std::string name;        // lower case, as typed before the first "(" of the head
  std::string expression;  // the body in one outer pair of brackets, parameters upper-cased
  std::string parameters;  // comma-separated, upper-cased once the definition was accepted
  int lastParameter = 0;   // number of parameters minus 1; "f()" has one empty parameter
};

// Up to ten definitions, slots 0..lastDefinition valid with no gaps, kept sorted by the length
// of their names, longest first, so that expansion tries "gg" before "g".
struct DefinitionStore {
  static constexpr int kSlots = 10;
  std::array<FunctionDefinition, kSlots> definitions;
  int lastDefinition = -1;

  int count() const { return lastDefinition + 1; }
  bool empty() const { return lastDefinition < 0; }
  bool full() const { return lastDefinition >= kSlots - 1; }
};

// An expanded command line may not grow beyond this: definitions built on definitions grow
// exponentially.
inline constexpr std::size_t kMaxExpandedLength = std::size_t{1} << 20;

// Fills `slot` from a head such as "f(x,y)" and a body such as "x^2+y" and checks it. Returns ""
// when the definition is good, else one message (no leading line break). The slot is written
// even when the check fails. The body is tried once with every parameter replaced by z, on a
// fresh evaluator that draws from `rng`.
std::string ValidateDefinition(FunctionDefinition& slot, std::string_view head,
                               std::string_view body, Random& rng);

// Index in `text` of the first closing bracket without an opening partner in `text`, or -1.
// All three bracket kinds count, each matching any other.
std::ptrdiff_t FindClosingBracket(std::string_view text);

enum class CallExpansion {
  kExpanded,
  kArgumentCount,  // the call has the wrong number of arguments: it stays as typed
  kTooLong,        // the result would be longer than the limit
};

// Expands one call. `argumentText` is "(" + arguments + ")"; `result` gets the body with each
// parameter replaced by its argument (in brackets when longer than one character), as long as
// it stays within `maxLength`.
CallExpansion ExpandCall(const FunctionDefinition& definition, std::string_view argumentText,
                         std::string& result, std::size_t maxLength = kMaxExpandedLength);

// Replaces every expandable call of a stored definition in `text`, definition by definition in
// slot order. Calls inside the arguments of a call are expanded too. Nothing when the result
// would exceed kMaxExpandedLength (or take unreasonably long to build).
std::optional<std::string> ExpandDefinedCalls(const DefinitionStore& store, std::string_view text);

// Sorts the valid slots by the length of their names, longest first (Shell sort, so names of
// equal length keep the order it gives).
void SortDefinitions(DefinitionStore& store);

void CopyDefinition(FunctionDefinition& target, const FunctionDefinition& source);

// Where definition files are looked for and saved.
struct DefinitionFolders {
  std::string home;           // Orvo's folder: #include looks here first; dialogs start here
  std::string besideProgram;  // the folder of the running program: #include looks here second
};

// The folders from the variables that may name Orvo's folder, each empty when unset: $ORVO_HOME,
// else $XDG_CONFIG_HOME/orvo, else ~/.config/orvo; and the folder of /proc/self/exe.
DefinitionFolders FoldersFrom(std::string_view orvoHome, std::string_view configHome,
                              std::string_view userHome);

// What the "#" commands work on.
struct DefinitionContext {
  DefinitionStore& store;
  Dialogs& dialogs;
  Random& rng;
  DefinitionFolders folders;
};

// The "#" commands. Each gets the text after its command word, lower-cased, without blanks and
// without the trailing "="; each returns its whole answer, ending with the prompt.
CommandAnswer DefineCommand(DefinitionContext& context, std::string_view text);
CommandAnswer UndefCommand(DefinitionContext& context, std::string_view text);
CommandAnswer SaveDefinitions(DefinitionContext& context);
// The listing never fails.
std::string ViewDefinitions(const DefinitionStore& store);
// Choosing no file is no failure: the answer is the prompt alone.
CommandAnswer LoadDefinitionsByDialog(DefinitionContext& context);
// `text` is the file name as typed (its case kept), with the closing bracket.
CommandAnswer IncludeDefinitions(DefinitionContext& context, std::string_view text);

// Reads a definition file into the store (replacing it when at least one definition was good)
// and answers with the path and the listing, or the path and why nothing was loaded.
// `pathOnNewLine` puts a line break before the path.
CommandAnswer LoadDefinitionFile(DefinitionContext& context, const std::string& path,
                                 bool pathOnNewLine);

}  // namespace orvo
