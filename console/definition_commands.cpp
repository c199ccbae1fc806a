// The "#" commands and the expansion of user-defined functions, handed to the userdef module.
#include <string>

#include "base/text.h"
#include "console/detail/messages.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "userdef/userdef.h"

namespace orvo::detail {
namespace {

constexpr std::string_view kIncludeWord = "#include(";

DefinitionContext ContextOf(ConsoleSession& session) {
  return DefinitionContext{session.state().definitions, session.dialogs(), session.rng(),
                           session.options().folders};
}

// The file name of "#include(" with its case kept: file names on Linux are case-sensitive.
std::string_view TypedFileName(ConsoleSession& session, std::string_view lowered) {
  std::string_view typed = session.TypedCommand();
  while (EndsWith(typed, "=")) typed.remove_suffix(1);
  if (typed.size() < kIncludeWord.size() ||
      ToLowerAscii(typed.substr(0, kIncludeWord.size())) != kIncludeWord) {
    return lowered;
  }
  return typed.substr(kIncludeWord.size());
}

using Command = CommandAnswer (*)(ConsoleSession&, DefinitionContext&, std::string_view);

// The "#" words; no word starts another.
struct CommandWord {
  std::string_view word;
  std::string_view usage;
  Command run;
};

constexpr CommandWord kCommands[] = {
    {"undef(", "#undef(name): removes a defined function",
     [](ConsoleSession&, DefinitionContext& c, std::string_view t) { return UndefCommand(c, t); }},
    {"savedef", "#savedef=: saves the definitions in a file",
     [](ConsoleSession&, DefinitionContext& c, std::string_view) { return SaveDefinitions(c); }},
    {"viewdef", "#viewdef=: lists the defined functions",
     [](ConsoleSession&, DefinitionContext& c, std::string_view) {
       return CommandAnswer{ViewDefinitions(c.store)};
     }},
    {"loaddef", "#loaddef=: loads a definition file",
     [](ConsoleSession&, DefinitionContext& c, std::string_view) {
       return LoadDefinitionsByDialog(c);
     }},
    {"define(", "#define(name(p1,p2,...);expression): defines a function",
     [](ConsoleSession&, DefinitionContext& c, std::string_view t) { return DefineCommand(c, t); }},
    {"include(", "#include(name): loads a definition file from Orvo's folder",
     [](ConsoleSession& s, DefinitionContext& c, std::string_view t) {
       return IncludeDefinitions(c, TypedFileName(s, t));
     }},
};

}  // namespace

std::string_view DefinitionWord(std::string_view text) {
  for (const CommandWord& command : kCommands) {
    if (StartsWith(text, command.word)) return command.word;
  }
  return {};
}

std::vector<std::string_view> DefinitionCommandUsages() {
  std::vector<std::string_view> usages;
  for (const CommandWord& command : kCommands) usages.push_back(command.usage);
  return usages;
}

CommandAnswer DefinitionHandler(ConsoleSession& session, const Route&, std::string_view text) {
  for (const CommandWord& command : kCommands) {
    if (StartsWith(text, command.word)) {
      DefinitionContext context = ContextOf(session);
      return command.run(session, context, text.substr(command.word.size()));
    }
  }
  return FailedAnswer(std::string(msg::kNoSuchHash));
}

CommandAnswer ExpansionTooLong() {
  return FailedAnswer(std::string(msg::kExpansionTooLong));
}

void LoadDroppedDefinitions(ConsoleSession& session, const std::string& path) {
  DefinitionContext context = ContextOf(session);
  session.box().SetText("");
  session.Deliver(LoadDefinitionFile(context, path, false));
  session.Append(kNewLine);  // the caret goes to a new line below the prompt
}

}  // namespace orvo::detail
