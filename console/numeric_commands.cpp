// The "&" commands of the numerical tools: each hands its text to the numeric module and
// appends the answer.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "matrix/commands.h"
#include "numeric/numeric.h"
#include "plot/plot.h"

namespace orvo::detail {

bool IntegrateHandler(ConsoleSession& session, const Route& route, std::string_view text) {
  return AppendAnswer(
      session, IntegrateCommand(session.Env(), text, static_cast<IntegrationMethod>(route.arg)));
}

bool SequenceSumHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return AppendAnswer(session, SequenceSumCommand(session.Env(), text));
}

bool RootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return AppendAnswer(session, FindRootsCommand(session.Env(), text));
}

bool PolynomialRootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return AppendAnswer(session, PolynomialRootsCommand(session.Env(), text));
}

bool StatisticsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return AppendAnswer(session, StatisticsCommand(session.Env(), text));
}

bool LinearEquationsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  return AppendAnswer(session, LinearEquationsCommand(session.Env(), text));
}

bool PlotHandler(ConsoleSession& session, const Route&, std::string_view text) {
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
  return AppendAnswer(session, answer);
}

}  // namespace orvo::detail
