// The "&" commands of the numerical tools: each hands its text to the numeric module and
// appends the answer.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "numeric/numeric.h"

namespace orvo::detail {

void IntegrateHandler(ConsoleSession& session, const Route& route, std::string_view text) {
  CommandEnv env = session.Env();
  session.Append(IntegrateCommand(env, text, route.arg));
}

void SequenceSumHandler(ConsoleSession& session, const Route&, std::string_view text) {
  CommandEnv env = session.Env();
  session.Append(SequenceSumCommand(env, text));
}

void RootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  CommandEnv env = session.Env();
  session.Append(FindRootsCommand(env, text));
}

void PolynomialRootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  CommandEnv env = session.Env();
  session.Append(PolynomialRootsCommand(env, text));
}

void StatisticsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  CommandEnv env = session.Env();
  session.Append(StatisticsCommand(env, text));
}

void LinearEquationsHandler(ConsoleSession& session, const Route& route, std::string_view) {
  session.Append("\r\nError: " + std::string(route.word) + " is not available in this build" +
                 std::string(kPromptEnding));
}

}  // namespace orvo::detail
