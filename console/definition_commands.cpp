// The "#" commands and the expansion of user-defined functions.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"

namespace orvo::detail {

void DefinitionHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

std::string ExpandDefinitions(ConsoleSession&, std::string command) {
  return command;
}

}  // namespace orvo::detail

namespace orvo {

// Dropped definition files arrive here; until the definition-file loader exists a drop changes
// nothing.
void ConsoleSession::OnDropFiles(std::string_view) {}

}  // namespace orvo
