// The help pages.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"

namespace orvo::detail {

void HelpHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

}  // namespace orvo::detail
