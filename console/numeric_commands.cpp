// The "&" commands of the numerical tools: each hands its text to the numeric module and
// returns its answer.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "matrix/commands.h"
#include "numeric/numeric.h"
#include "plot/plot.h"

namespace orvo::detail {

CommandAnswer IntegrateHandler(ConsoleSession& session, const Route& route, std::string_view text) {
  return IntegrateCommand(session.Env(), text, static_cast<IntegrationMethod>(route.arg));
}

CommandAnswer SequenceSumHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return SequenceSumCommand(session.Env(), text);
}

CommandAnswer RootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return FindRootsCommand(session.Env(), text);
}

CommandAnswer PolynomialRootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return PolynomialRootsCommand(session.Env(), text);
}

CommandAnswer StatisticsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return StatisticsCommand(session.Env(), text);
}

CommandAnswer LinearEquationsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return LinearEquationsCommand(session.Env(), text);
}

CommandAnswer PlotHandler(ConsoleSession& session, const Route&, std::string_view text) {
  PlotRequest request;
  std::vector<PlotCurve> curves;
  CommandAnswer answer = PlotCommand(session.Env(), text, request, curves);
  // A command with nothing to draw leaves the last chart as it was.
  if (!curves.empty()) {
    ConsoleState& state = session.state();
    state.plot = std::move(request);
    state.plotCurves = std::move(curves);
    ++state.plotCount;
  }
  return answer;
}

}  // namespace orvo::detail
