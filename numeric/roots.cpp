// Real roots of f(x) = 0: Newton iterations with a relative difference quotient, started from
// pseudo-random points of an interval.
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/number_text.h"
#include "base/text.h"
#include "numeric/common.h"
#include "numeric/detail/messages.h"
#include "numeric/numeric.h"

namespace orvo {
namespace {

constexpr int kMaxRoots = 5;
constexpr int kMaxStarts = 101;
constexpr int kMaxNewtonSteps = 99;
constexpr double kDefaultFrom = -10;
constexpr double kDefaultTo = 10;
// Where a message that left the status at 0 at x = 0 is looked for again: a message that shows
// at both points does not depend on x (a comma or count fault), one that does not (the
// factorial of a negative integer) only makes some starts fail.
constexpr double kProbePoint = 0.7390851332151607;

// What a double can tell apart. The tolerance 10^-precision also sets the relative step of the
// difference quotient, the bound on |f| and on the Newton step; at high precision it asks for
// more than the doubles hold, so each is clamped: the quotient's step to kFinestQuotientStep
// (below it f1 - f0 is mostly rounding), the Newton step to kUlpsOfRoot units in the last place
// of x, and |f| to what such a step changes f by. At precisions where the tolerance is coarser
// than these limits, nothing changes.
constexpr double kFinestQuotientStep = 1e-13;
constexpr double kUlpsOfRoot = 4;

double MachineReach(double x) {
  return kUlpsOfRoot * std::numeric_limits<double>::epsilon() * std::fabs(x);
}

}  // namespace

NumericStatus NumericTools::SearchRoots(std::string_view f, double a, double b, int precision,
                                        double y, double z, std::vector<double>& roots,
                                        std::string& errors) const {
  roots.clear();
  Sampler fx(rng_, interrupt_, f, y, z);
  double value = 0;
  if (!fx.At(0, value)) {
    if (fx.cancelled() || fx.status() > 0) return fx.Fail(errors);
    if (fx.status() == 0) {
      std::string first = fx.message();
      if (!fx.At(kProbePoint, value) && fx.status() == 0) {
        if (fx.cancelled()) return fx.Fail(errors);
        AppendMessage(errors, first);
        return NumericStatus::kFailed;
      }
    }
  }

  const double tol = std::pow(10.0, -precision);
  const double quotientStep = std::max(tol, kFinestQuotientStep);
  for (int start = 0; start < kMaxStarts && static_cast<int>(roots.size()) < kMaxRoots; ++start) {
    double x = a + rng_.Next() * (b - a) / Random::kRange;
    double f0 = 0;
    double fTol = tol;
    bool haveF0 = false;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
      haveF0 = fx.At(x, f0);
      fTol = tol;
      if (!haveF0) break;
      double f1 = 0;
      if (!fx.At(x * (1 + quotientStep), f1) || f1 == f0) break;  // f1 == f0 at x = 0 too
      double move = f0 * x * quotientStep / (f1 - f0);
      double reach = MachineReach(x);
      fTol = std::max(tol, std::fabs((f1 - f0) / (x * quotientStep)) * reach);
      x -= move;
      if (std::fabs(f0) < fTol && std::fabs(move) < std::max(tol, reach)) break;
    }
    if (fx.cancelled()) return fx.Fail(errors);
    // Whatever ended the iteration, the last x counts when the last |f| was small enough.
    if (!haveF0 || !(std::fabs(f0) < fTol)) continue;
    // Two converged copies of one root may differ by the reach of each.
    double apart = std::max(tol, 2 * MachineReach(x));
    bool known = false;
    for (double root : roots) known = known || std::fabs(x - root) < apart;
    if (!known) roots.push_back(x);
  }
  return NumericStatus::kOk;
}

CommandAnswer NumericTools::FindRoots(std::string_view f, double a, double b, int precision,
                                      double y, double z) const {
  std::vector<double> roots;
  std::string errors;
  if (SearchRoots(f, a, b, precision, y, z, roots, errors) != NumericStatus::kOk) {
    return FailedAnswer(errors);
  }
  if (roots.empty()) return FailedAnswer(std::string(msg::kRootsFailed));
  CommandAnswer answer;
  if (static_cast<int>(roots.size()) == kMaxRoots) AddLine(answer.content, msg::kRootsMayBeMore);
  for (std::size_t i = 0; i < roots.size(); ++i) {
    std::string name = "x[" + FormatInt(static_cast<long long>(i) + 1) + "]";
    std::string shown = FormatG(roots[i], precision);
    AddLine(answer.content, name + "=" + shown);
    answer.values.push_back({std::move(name), std::move(shown), roots[i], i == 0});
  }
  return answer;
}

CommandAnswer FindRootsCommand(const CommandEnv& env, std::string_view text) {
  std::string_view parts[3];
  const int found = SplitAtSemicolons(StripClosingBracket(text), 2, parts);
  Evaluator bounds(env.rng);  // the bounds are read with the default variables
  std::string errors;
  double a = kDefaultFrom;
  double b = kDefaultTo;
  EvaluateLeadingPair(bounds, parts, found, a, b, errors);
  // The function stands alone or after both bounds; there is no two-part form, so one ";"
  // leaves it empty.
  const std::string_view f = found == 1 ? std::string_view() : parts[found];
  // An empty text evaluates to 0, which every starting point would solve.
  if (f.empty()) {
    AppendMessage(errors, msg::kRootsMissing);
  } else if (f.find(';') != std::string_view::npos) {
    AppendMessage(errors, msg::kRootsExcessive);
  }
  if (!errors.empty()) return ErrorAnswer(errors);
  if (a == b) {
    a = kDefaultFrom;
    b = kDefaultTo;
  }
  NumericTools tools(env.rng, env.interrupt);
  return tools.FindRoots(f, a, b, env.precision, env.y, env.z);
}

}  // namespace orvo
