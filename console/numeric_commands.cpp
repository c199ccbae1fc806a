// The "&" commands of the numerical tools.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"

namespace orvo::detail {

void IntegrateHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

void SequenceSumHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

void RootsHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

void PolynomialRootsHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

void StatisticsHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

void LinearEquationsHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

}  // namespace orvo::detail
