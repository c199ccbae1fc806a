// The "&" commands of the numerical tools: each hands its text to the numeric module and
// appends the answer.
#include "base/text.h"
#include "console/detail/routes.h"
#include "console/session.h"
#include "matrix/commands.h"
#include "numeric/numeric.h"
#include "plot/plot.h"

namespace orvo::detail {

void IntegrateHandler(ConsoleSession& session, const Route& route, std::string_view text) {
  session.Append(IntegrateCommand(session.Env(), text, static_cast<IntegrationMethod>(route.arg)));
}

void SequenceSumHandler(ConsoleSession& session, const Route&, std::string_view text) {
  session.Append(SequenceSumCommand(session.Env(), text));
}

void RootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  session.Append(FindRootsCommand(session.Env(), text));
}

void PolynomialRootsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  session.Append(PolynomialRootsCommand(session.Env(), text));
}

void StatisticsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  session.Append(StatisticsCommand(session.Env(), text));
}

void LinearEquationsHandler(ConsoleSession& session, const Route&, std::string_view text) {
  session.Append(LinearEquationsCommand(session.Env(), text));
}

void PlotHandler(ConsoleSession& session, const Route&, std::string_view text) {
  PlotRequest request;
  std::vector<PlotCurve> curves;
  std::string answer = PlotCommand(session.Env(), text, request, curves);
  // A command with nothing to draw leaves the last chart as it was.
  if (!curves.empty()) {
    ConsoleState& state = session.state();
    state.plot = std::move(request);
    state.plotCurves = std::move(curves);
    ++state.plotCount;
  }
  session.Append(answer);
}

}  // namespace orvo::detail
