#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvo {
class ConsoleSession;
}

// The command words of the "&", "#" and "@" families and the handlers they lead to.
namespace orvo::detail {

struct Route;
// A handler gets the route it came by and the text after the command word (for bracketed
// commands everything after the "(", the closing bracket included).
using Handler = void (*)(ConsoleSession& session, const Route& route, std::string_view text);

struct Route {
  std::string_view word;  // matched as a prefix of the text after the family's character
  Handler run;
  int arg = 0;  // a handler's variant (integration method, help topic, ...)
};

// The help pages, as a Route's `arg` of HelpHandler names them.
enum HelpTopic : int {
  kHelpOper,
  kHelpFunc,
  kHelpPhys,
  kHelpGeom,
  kHelpChem,
  kHelpAtom,
  kHelpOther,
  kHelpAmpersand,
  kHelpHash,
  kHelpAt,
};

// Tested in order; a longer word is never shadowed by a shorter one tested earlier.
std::span<const Route> AmpersandRoutes();
std::span<const Route> HashRoutes();
std::span<const Route> AtRoutes();

// The help page of a family ("&", "#" or "@") when nothing follows its character.
const Route* FamilyPage(char family);

// The first route whose word starts `text`, or nullptr.
const Route* FindRoute(std::span<const Route> routes, std::string_view text);

// Handlers of the numerical tools.
void IntegrateHandler(ConsoleSession&, const Route&, std::string_view);
void SequenceSumHandler(ConsoleSession&, const Route&, std::string_view);
void RootsHandler(ConsoleSession&, const Route&, std::string_view);
void PolynomialRootsHandler(ConsoleSession&, const Route&, std::string_view);
void StatisticsHandler(ConsoleSession&, const Route&, std::string_view);
void LinearEquationsHandler(ConsoleSession&, const Route&, std::string_view);
void PlotHandler(ConsoleSession&, const Route&, std::string_view);
// Handlers of the user-defined functions.
void DefinitionHandler(ConsoleSession&, const Route&, std::string_view);
// Handlers of the matrix and complex commands.
void MatrixHandler(ConsoleSession&, const Route&, std::string_view);
// The help pages.
void HelpHandler(ConsoleSession&, const Route&, std::string_view);

// Expands calls of user-defined functions in a command line (only when there are definitions).
// Nothing when the expansion would be too long; the console has then had its answer.
std::optional<std::string> ExpandDefinitions(ConsoleSession& session, std::string command);

// A definition file dropped on the console: the screen is cleared and the file loaded.
void LoadDroppedDefinitions(ConsoleSession& session, const std::string& path);

}  // namespace orvo::detail
