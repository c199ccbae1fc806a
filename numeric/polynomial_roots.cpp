// Real and complex roots of a polynomial with real coefficients: complex Newton iterations from
// pseudo-random starting points, each root divided out of the polynomial (deflation) as found.
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "numeric/common.h"
#include "numeric/detail/aberth.h"
#include "numeric/detail/messages.h"
#include "numeric/numeric.h"

namespace orvo {
namespace {

constexpr int kMaxTries = 100;  // starts per tolerance level: tries 0..100 run, so 101
constexpr int kMaxUpdates = 100;
constexpr int kWaitFromDegree = 30;
// Multiply-adds of Horner's rule between two questions to the interrupt.
constexpr long kPollPeriod = 1L << 18;

// The polynomial being searched, in ascending powers, with its derivative.
struct Deflation {
  std::vector<Complex> a;  // a[i] multiplies x^i, i = 0..degree
  std::vector<Complex> b;  // the derivative's coefficients; the quotient while dividing
  int degree = 0;

  void Derive() {
    for (int j = 1; j <= degree; ++j) b[j - 1] = MultiplyReal(a[j], j);
  }

  // The polynomial and its derivative at z: Horner's rule for both in one pass, each with the
  // same operations in the same order as EvaluatePolynomial, so the same values.
  void Evaluate(Complex z, Complex& value, Complex& slope) const {
    Complex s = a[degree];
    Complex d = b[degree - 1];
    for (int i = degree - 1; i >= 1; --i) {
      s = Add(Multiply(s, z), a[i]);
      d = Add(Multiply(d, z), b[i - 1]);
    }
    value = Add(Multiply(s, z), a[0]);
    slope = d;
  }

  // Divides by (x - root) by synthetic division; the remainder is dropped.
  void DivideOut(Complex root) {
    b[degree - 1] = a[degree];
    for (int j = degree - 1; j >= 1; --j) b[j - 1] = Add(Multiply(b[j], root), a[j]);
    for (int j = 0; j < degree; ++j) a[j] = b[j];
    --degree;
    Derive();
  }
};

bool Near(Complex u, Complex v, double tol) {
  return std::fabs(u.re - v.re) < tol && std::fabs(u.im - v.im) < tol;
}

// One start of the Newton iteration. True with `z` = an accepted root.
bool NewtonStart(const Deflation& p, const std::vector<PolynomialRoot>& known, double tol,
                 Complex& z, CancelPoll& poll) {
  for (int m = 1;;) {
    Complex value;
    Complex slope;
    p.Evaluate(z, value, slope);
    Complex step = Divide(value, slope);  // a near-zero slope gives a huge step: the start wanders
    if (poll.Stop(2L * (p.degree + 1))) return false;
    if (std::fabs(value.re) < tol && std::fabs(value.im) < tol && std::fabs(step.re) < tol &&
        std::fabs(step.im) < tol) {
      // Parts below the tolerance are noise, but a root below 1 keeps its own digits: the
      // root 1e-8 of x^2-1e8x+1 is not 0.
      double noise = 5 * tol * std::min(1.0, Modulus(z));
      if (std::fabs(z.re) < noise) z.re = 0;
      if (std::fabs(z.im) < noise) z.im = 0;
      // A repeated real root is a multiple root; a repeated complex one is a conjugate already
      // divided out, so the start goes on (and is abandoned).
      bool repeated = false;
      for (const PolynomialRoot& root : known) repeated = repeated || Near(root.value, z, tol);
      if (z.im == 0 || !repeated) return true;
    }
    z = Subtract(z, step);
    // A start that has left the finite numbers can only end abandoned; leave at once.
    if (++m > kMaxUpdates || !std::isfinite(z.re) || !std::isfinite(z.im)) return false;
  }
}

// When the Newton search misses roots: all of them by the Aberth-Ehrlich iteration on the
// polynomial without its zero roots, each printed to the digits its disc allows. A part inside
// the disc is 0. False (and the list as it was) when that iteration does not settle either.
bool Fallback(std::span<const double> coefficients, int zeros, int precision,
              PolynomialRootList& list, CancelPoll& poll) {
  std::vector<double> ascending(coefficients.rbegin() + zeros, coefficients.rend());
  while (!ascending.empty() && ascending.back() == 0) ascending.pop_back();
  std::vector<detail::RootEstimate> found;
  if (ascending.size() < 2 || !detail::AberthRoots(ascending, found, poll)) return false;
  if (static_cast<int>(found.size()) + zeros <= static_cast<int>(list.roots.size())) return false;
  list.roots.assign(zeros, {Complex::fromReal(0), precision});
  list.precision = precision;
  for (const detail::RootEstimate& root : found) {
    Complex z{root.z.real(), root.z.imag()};
    if (std::fabs(z.re) <= root.radius) z.re = 0;
    if (std::fabs(z.im) <= root.radius) z.im = 0;
    double relative = root.radius / std::abs(root.z);
    int digits = relative > 0 ? static_cast<int>(std::lround(-std::log10(relative))) : precision;
    digits = std::clamp(digits, 1, precision);
    list.roots.push_back({z, digits});
    list.precision = std::min(list.precision, digits);
  }
  list.lowered = list.precision < precision;
  list.failed = false;
  return true;
}

}  // namespace

Complex EvaluatePolynomial(int degree, std::span<const Complex> c, Complex z) {
  Complex s = c[degree];
  for (int i = degree - 1; i >= 0; --i) s = Add(Multiply(s, z), c[i]);
  return s;
}

NumericStatus NumericTools::SearchPolynomialRoots(std::span<const double> coefficients,
                                                  int precision, PolynomialRootList& list,
                                                  std::string& errors) const {
  list = PolynomialRootList{};
  list.precision = precision;
  const int n = static_cast<int>(coefficients.size()) - 1;
  if (n < 1) return NumericStatus::kOk;  // a constant has no roots to find

  // Load ascending powers; while the constant term is 0, divide by x and count a root x = 0.
  Deflation p;
  p.a.resize(n + 1);
  p.b.resize(n + 1);
  p.degree = n;
  int zeros = 0;
  for (int i = 0; i <= p.degree;) {
    double c = coefficients[p.degree - i];
    if (i == 0 && c == 0 && p.degree > 0) {
      --p.degree;
      ++zeros;
      continue;
    }
    p.a[i++] = Complex::fromReal(c);
  }
  p.Derive();
  std::vector<PolynomialRoot>& roots = list.roots;
  roots.assign(zeros, {Complex::fromReal(0), precision});

  CancelPoll poll(interrupt_, kPollPeriod);
  // Without a single root the tolerance is made ten times larger, down to one digit.
  for (int digits = precision;; --digits) {
    double tol = std::pow(10.0, -digits);
    for (int tries = 0; p.degree > 0 && tries <= kMaxTries; ++tries) {
      double re = rng_.Next() * 20.0 / Random::kRange - 40;
      double im = rng_.Next() * 20.0 / Random::kRange - 40;
      Complex z{re, im};
      bool found = NewtonStart(p, roots, tol, z, poll);
      if (poll.Stop(0)) {
        AppendMessage(errors, kCancelledMessage);
        return NumericStatus::kCancelled;
      }
      if (!found) continue;
      roots.push_back({z, digits});
      p.DivideOut(z);
      if (z.im != 0 && p.degree > 0) {
        Complex conjugate{z.re, -z.im};
        roots.push_back({conjugate, digits});
        p.DivideOut(conjugate);
      }
    }
    list.precision = digits;
    if (!roots.empty()) break;
    if (digits - 1 < 1) {
      list.failed = true;
      break;
    }
    list.lowered = true;
  }
  if (static_cast<int>(roots.size()) < n && !Fallback(coefficients, zeros, precision, list, poll)) {
    if (poll.Stop(0)) {
      AppendMessage(errors, kCancelledMessage);
      return NumericStatus::kCancelled;
    }
  }

  // Real roots first: an exchange sort by |imaginary part| that keeps the reals in found order.
  for (std::size_t i = 0; i < roots.size(); ++i) {
    for (std::size_t j = i + 1; j < roots.size(); ++j) {
      if (std::fabs(roots[j].value.im) < std::fabs(roots[i].value.im)) {
        std::swap(roots[i], roots[j]);
      }
    }
  }
  return NumericStatus::kOk;
}

CommandAnswer NumericTools::PolynomialRoots(std::span<const double> coefficients,
                                            int precision) const {
  PolynomialRootList list;
  std::string errors;
  if (SearchPolynomialRoots(coefficients, precision, list, errors) != NumericStatus::kOk) {
    return FailedAnswer(errors);
  }
  if (list.failed) return FailedAnswer(std::string(msg::kPolynomialFailed));
  CommandAnswer answer;
  std::size_t degree = coefficients.empty() ? 0 : coefficients.size() - 1;
  if (!list.roots.empty() && list.roots.size() < degree) {
    AddLine(answer.content, msg::kPolynomialNotAll);
  }
  if (list.lowered) {
    AddLine(answer.content, Fill(msg::kPolynomialLowered, {FormatInt(list.precision)}));
  }
  bool mainFound = false;
  for (std::size_t i = 0; i < list.roots.size(); ++i) {
    const PolynomialRoot& root = list.roots[i];
    const std::string name = "x[" + FormatInt(static_cast<long long>(i) + 1) + "]";
    const std::string im = FormatG(root.value.im, root.digits);
    const std::string shown = Fill(msg::kPolynomialRoot, {FormatG(root.value.re, root.digits),
                                                          root.value.im >= 0 ? "+" : "", im});
    AddLine(answer.content, name + "=" + shown);
    // The main value is the first root printed as real.
    const bool real = !mainFound && ParseDouble(im) == 0;
    mainFound = mainFound || real;
    answer.values.push_back({name, shown, root.value.re, real});
  }
  // No root lines (a constant): only the prompt line follows.
  if (answer.content.empty()) answer.placement = Placement::kAfterEquals;
  return answer;
}

CommandAnswer PolynomialRootsCommand(const CommandEnv& env, std::string_view text) {
  // An empty part is 0, so "&prt()" is the constant 0: no root lines.
  const std::vector<std::string_view> parts = Split(StripClosingBracket(text), ';');
  Evaluator evaluator(env.rng);  // coefficients are read with the default variables
  std::string errors;
  std::vector<double> coefficients(parts.size());
  for (std::size_t i = 0; i < parts.size(); ++i) {
    EvaluateArgument(evaluator, parts[i], coefficients[i], errors);
  }
  if (!errors.empty()) return ErrorAnswer(errors);

  if (static_cast<int>(coefficients.size()) - 1 >= kWaitFromDegree && env.show) {
    env.show(msg::kPolynomialWait);
  }
  NumericTools tools(env.rng, env.interrupt);
  return tools.PolynomialRoots(coefficients, env.precision);
}

}  // namespace orvo
