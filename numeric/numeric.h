#pragma once
#include <numbers>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/complex.h"
#include "command/command.h"

// The numerical tools behind the "&" commands: integrals, sequence sums, roots of f(x) = 0,
// polynomial roots and sample statistics. Each command takes the text after its command word
// and gives the whole answer, prompt ending included.
namespace orvo {

// How a numerical routine ended.
enum class NumericStatus {
  kOk,         // a result (running out of the step budget is not an error)
  kFailed,     // an evaluation of the user's expression gave a message; `errors` holds it
  kCancelled,  // the user stopped the command; `errors` holds kCancelledMessage
};

// What the integrand of the trapezium routine stands for.
enum class CurveMode {
  kArea = 0,       // the integral of f dx
  kCurve = 1,      // the curve integral of the first kind along the graph, f ds
  kArcLength = 2,  // the length of the graph
};

// One integral to compute.
struct IntegrationTask {
  std::string_view f;          // the integrand, an expression in x
  double a = 0;                // bounds, in either order: the result runs from the smaller
  double b = 0;                //   to the larger one
  double tolerance = 1e-8;     // relative change between successive estimates that ends the work
  int budget = 100000;         // steps at most (sub-intervals or midpoints)
  double y = std::numbers::e;  // the integrand's y and z
  double z = std::numbers::pi;
  bool confirm = true;  // compare an area with an independent estimate before it stands
};

// The six integrals of the "&i" commands.
enum class IntegrationMethod {
  kSimpson,    // &is
  kRomberg,    // &ir
  kGauss,      // &ig: five-point Gauss-Legendre, never at the end points
  kTrapezium,  // &it
  kCurve,      // &it1: the curve integral f ds along the graph
  kArcLength,  // &it2: the length of the graph
};

struct IntegrationResult {
  double value = -1;
  // The last relative change between successive estimates; the tolerance itself when the
  // routine ended before its first comparison.
  double change = 0;
  int steps = 0;  // steps counted; the independent estimate's evaluations are not
  // Whether an independent estimate (adaptive Gauss-Kronrod) shows `value` right to half a unit
  // of its last printed digit (at least four units in the last place of a double), counting the
  // estimate's own error; areas only, curve integrals count as confirmed.
  bool confirmed = true;
  double independent = 0;
  std::string independentFault;  // the message when the independent estimate hit a fault
};

// One root of a polynomial and the significant digits it is known to.
struct PolynomialRoot {
  Complex value;
  int digits = 0;
};

// The roots of a polynomial as the search left them.
struct PolynomialRootList {
  std::vector<PolynomialRoot> roots;  // real roots first, then by growing |imaginary part|
  int precision = 0;     // the fewest digits of any root: the lowered tolerance of the Newton
                         // search, or the accuracy of the least certain root of the fallback
  bool lowered = false;  // `precision` is below the asked precision
  bool failed = false;   // nothing found at any precision
};

// The routines of the "&" commands. Holds no state of its own: every routine prepares its own
// evaluator for the user's expression, and long loops ask `interrupt` every few thousand
// evaluations whether to stop.
class NumericTools {
 public:
  NumericTools(Random& rng, Interrupt& interrupt) : rng_(rng), interrupt_(interrupt) {}

  // Integrals. Each refines until two successive estimates differ relatively by at most the
  // tolerance, or until the step budget is spent (then the last complete estimate counts). An
  // area is then checked against an independent estimate: while they differ, the routine
  // refines on.
  NumericStatus IntegrateTrapezium(CurveMode mode, const IntegrationTask& task,
                                   IntegrationResult& result, std::string& errors) const;
  NumericStatus IntegrateSimpson(const IntegrationTask& task, IntegrationResult& result,
                                 std::string& errors) const;
  NumericStatus IntegrateRomberg(const IntegrationTask& task, IntegrationResult& result,
                                 std::string& errors) const;
  // Five-point Gauss-Legendre on 1, 2, 3, ... equal sub-intervals.
  NumericStatus IntegrateGauss(const IntegrationTask& task, IntegrationResult& result,
                               std::string& errors) const;
  NumericStatus Integrate(IntegrationMethod method, const IntegrationTask& task,
                          IntegrationResult& result, std::string& errors) const;

  // f(a) + f(a + st) + ... while the term number 1, 2, ... does not exceed n. The k-th x is
  // a + k st, so no rounding piles up from term to term.
  NumericStatus SequenceSum(std::string_view f, double a, double st, double n, double y, double z,
                            double& sum, std::string& errors) const;

  // Up to five real roots of f(x) = 0 by Newton iterations from pseudo-random starting points in
  // [a, b], in the order found. kFailed only for an expression that cannot be evaluated at all.
  NumericStatus SearchRoots(std::string_view f, double a, double b, int precision, double y,
                            double z, std::vector<double>& roots, std::string& errors) const;
  // The answer lines of SearchRoots, each ending with a line break; a failure when no root was
  // found.
  CommandAnswer FindRoots(std::string_view f, double a, double b, int precision, double y,
                          double z) const;

  // All roots of c[0] x^n + ... + c[n-1] x + c[n] by complex Newton iterations with deflation;
  // when these miss some, by the Aberth-Ehrlich iteration on the whole polynomial, each root
  // then known to the digits its rounding allows.
  NumericStatus SearchPolynomialRoots(std::span<const double> coefficients, int precision,
                                      PolynomialRootList& list, std::string& errors) const;
  // The answer lines of SearchPolynomialRoots, each ending with a line break; a failure when no
  // root was found.
  CommandAnswer PolynomialRoots(std::span<const double> coefficients, int precision) const;

 private:
  Random& rng_;
  Interrupt& interrupt_;
};

// p(z) by Horner's rule over ascending coefficients c[0..degree].
Complex EvaluatePolynomial(int degree, std::span<const Complex> c, Complex z);

// Statistics of a sample of at least two values, the parts of the "&st" answer. Numbers are
// printed with `precision` significant digits.
//
// The mean, sum, deviation and confidence-interval lines (no line break at the end), their values
// added to `shown`; `t` is the two-sided t quantile for the sample's degrees of freedom.
std::string Moments(double t, std::span<const double> values, int precision, double& mean,
                    double& deviation, std::vector<AnswerValue>& shown);
// Sorts `values`, then gives the max, min and median lines (their values added to `shown`), "|",
// and the Grubbs outlier lines (only for the significance level 0.05, the level of the
// critical-value table).
std::string OrderAndOutliers(double a, std::span<double> values, double mean, double deviation,
                             int precision, std::vector<AnswerValue>& shown);
// The one-sided Grubbs critical value at significance 0.05 for a sample of n values: the
// classic table for n = 3..50 (1.0 below), its formula from Student's t beyond.
double GrubbsCritical(int n);

// The "&" commands. `text` is what follows the command word, closing bracket included.
CommandAnswer IntegrateCommand(const CommandEnv& env, std::string_view text,
                               IntegrationMethod method);
CommandAnswer SequenceSumCommand(const CommandEnv& env, std::string_view text);
CommandAnswer FindRootsCommand(const CommandEnv& env, std::string_view text);
// Shows a waiting line through env.show before a long search.
CommandAnswer PolynomialRootsCommand(const CommandEnv& env, std::string_view text);
CommandAnswer StatisticsCommand(const CommandEnv& env, std::string_view text);

}  // namespace orvo
