#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command/command.h"
#include "console/classify.h"
#include "console/help_pages.h"

namespace orvo {
class ConsoleSession;
}

// The command words of the "&", "#" and "@" families and the handlers they lead to.
namespace orvo::detail {

struct Route;
// A handler gets the route it came by and the text after the command word (for bracketed
// commands everything after the "(", the closing bracket included) and returns its answer, which
// the session frames and records.
using Handler = CommandAnswer (*)(ConsoleSession& session, const Route& route,
                                  std::string_view text);

struct Route {
  std::string_view word;  // matched as a prefix of the text after the family's character
  Handler run;
  int arg = 0;                  // a handler's variant (integration method, help topic, ...)
  std::string_view usage = {};  // one line for people: "&is(a;b;f(x)): Simpson integral"
  // The handler reads the command as typed (ConsoleSession::TypedCommand: case kept, no
  // user-definition expansion) instead of the text it is handed.
  bool asTyped = false;
};

// The "&" words (numerical tools and help pages), tested in order; a longer word is never
// shadowed by a shorter one tested earlier. The "#" and "@" families go whole to their module's
// handler, which knows its own words and answers an unknown one.
std::span<const Route> AmpersandRoutes();

// The handler of a family character ("&", "#" or "@"), or nullptr for any other character.
const Route* FamilyRoute(char family);

// The "#" word that begins `text` (what follows "#"), or "" when none does; the definition
// handler owns the words.
std::string_view DefinitionWord(std::string_view text);
std::vector<std::string_view> DefinitionCommandUsages();

// Whether a command (cleaned, lower-cased, without its final "=") goes to a handler that reads it
// as typed, so the definitions are not expanded in it.
bool RunsAsTyped(std::string_view command);

// The help page of a family ("&", "#" or "@") when nothing follows its character.
const Route* FamilyPage(char family);

// The first route whose word starts `text`, or nullptr.
const Route* FindRoute(std::span<const Route> routes, std::string_view text);

// Handlers of the numerical tools.
CommandAnswer IntegrateHandler(ConsoleSession&, const Route&, std::string_view);
CommandAnswer SequenceSumHandler(ConsoleSession&, const Route&, std::string_view);
CommandAnswer RootsHandler(ConsoleSession&, const Route&, std::string_view);
CommandAnswer PolynomialRootsHandler(ConsoleSession&, const Route&, std::string_view);
CommandAnswer StatisticsHandler(ConsoleSession&, const Route&, std::string_view);
CommandAnswer LinearEquationsHandler(ConsoleSession&, const Route&, std::string_view);
CommandAnswer PlotHandler(ConsoleSession&, const Route&, std::string_view);
// Physical units (&u): the command as typed.
CommandAnswer UnitsHandler(ConsoleSession&, const Route&, std::string_view);
// What follows "&u(" in a command as typed, without the final "=" signs.
std::string_view UnitsArgument(std::string_view typedCommand);
// Handlers of the user-defined functions.
CommandAnswer DefinitionHandler(ConsoleSession&, const Route&, std::string_view);
// Handlers of the matrix and complex commands.
CommandAnswer MatrixHandler(ConsoleSession&, const Route&, std::string_view);
// The help pages.
CommandAnswer HelpHandler(ConsoleSession&, const Route&, std::string_view);

// The message of a line whose expansion would be too long.
CommandAnswer ExpansionTooLong();

// A definition file dropped on the console: the screen is cleared and the file loaded.
void LoadDroppedDefinitions(ConsoleSession& session, const std::string& path);

}  // namespace orvo::detail
