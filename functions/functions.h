#pragma once
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "functions/cube.h"

// The mathematics of the expression language: what its operators and its named functions
// compute, with their domain checks and messages. Knows nothing about expression text; the
// engine hands it reduced values.
namespace orvo {

class Random;

// Operators as the splitter reads them. `kNone` follows the last operand of a list.
enum class Op : std::uint8_t {
  kNone,
  kAdd,           // +
  kSub,           // -
  kMul,           // *
  kDiv,           // /
  kIntDiv,        // :   integer quotient
  kRealRem,       // #   real remainder
  kPercent,       // %   percent sign (right operand 0) or integer remainder
  kFactorial,     // !   postfix factorial, right operand ignored
  kPower,         // ^
  kLess,          // <
  kGreater,       // >
  kEqual,         // = ==
  kLessEqual,     // <=
  kGreaterEqual,  // >=
  kNotEqual,      // <>  (the normaliser writes != as <>)
  kAnd,           // &&  and
  kOr,            // ||  or
  kBitAnd,        // &
  kBitOr,         // |
  kBitXor,        // &| |&
  kShiftRight,    // >>
  kShiftLeft,     // <<
  kComma,         // ,   separates function arguments
  kUnknown,       // any other pair of comparison characters, reported when applied
};

// Statuses of an evaluation, defined here once for the whole engine; 0 is success. A named
// function's domain error is minus its code and its missing parameter plus its code (see the
// registry, functions/detail/branch.h). The others:
inline constexpr int kStatusRootOfNegative = -7;    // an even root of a negative number
inline constexpr int kStatusDivideByZero = -100;    // "/" or ":" by zero
inline constexpr int kStatusOverflow = -101;        // a result beyond the double range
inline constexpr int kStatusNoOperand = 101;        // fewer than two operands after normalising
inline constexpr int kStatusUnknown = 102;          // an unknown character, name or operator
inline constexpr int kStatusMissingBrackets = 103;  // a function name without its bracket
inline constexpr int kStatusBrackets = 105;         // brackets that do not pair
inline constexpr int kStatusTooLong = 106;          // more operands than the engine takes

// Applies one operator. Errors append their message, set `status` and give -1 (an unknown
// operator gives `left`). `opText` is only used to name an unknown operator.
double ApplyOperator(double left, Op op, std::string_view opText, double right, int& status,
                     std::string& errors);

// The "^" operator: odd roots of negative numbers are real, even ones an error.
double Power(double left, double right, int& status, std::string& errors);

// The factorial behind "!", fac, fact and p(n). Non-integers go through Gamma(x + 1); a negative
// integer appends a message and gives 1 without changing any status.
double Factorial(double x, std::string& errors);

// x truncated towards zero, keeping the sign.
double IntegerPart(double x);

// ln Gamma(x) for x > 0 and Gamma(x), from Boost.Math.
double GammaLn(double x);
double Gamma(double x);

// One call of a named function, after the evaluation core has reduced its arguments.
struct FunctionCall {
  int code = 0;                  // the function code of the name table
  double signedFirst = 0;        // S: the first argument with the bracket's leading sign applied
  const double* args = nullptr;  // A1..An as reduced; args[0] is the raw first argument
  int count = 1;                 // n, at least 1 (empty brackets hold the argument 0)
  Random* rng = nullptr;         // the session's generator, for the inverse searches
  int* status = nullptr;         // the evaluator's status
  std::string* errors = nullptr;

  // Results. `value` starts as S; `folds` is how many argument Terms the core folds into the
  // call Term (the call took exactly its arguments when folds == count).
  double value = 0;
  int folds = 0;
  bool unknown = false;  // no branch knows `code`
};

void CallFunction(FunctionCall& call);

// A call of one code with one argument count, looked up once, for callers that repeat it many
// times (the engine's replayed evaluations). When `compute` is set, running it on a FunctionCall
// whose `value` is S does exactly what CallFunction does for that code and count, and the call
// folds `folds` argument Terms (compute leaves `folds` alone). It is null when CallFunction must
// do the call itself: an unknown code, an argument count that only earns the function's
// "missing parameter" treatment, or a branch that decides its fold count itself.
// The plain part of a one-argument function: for S in [low, high] its call gives kernel(S) with
// no message and no status, so a caller that tests the range can skip the call record. Outside
// the range (not-a-number included) only the whole call knows. The empty range never holds.
// A kernel that is one machine instruction says so: a replay computes it in line, without the
// call through `compute` (which gives the same value).
enum class KernelForm : std::uint8_t { kCall, kSquareRoot, kMagnitude };

struct Kernel {
  double (*compute)(double) = nullptr;
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  KernelForm form = KernelForm::kCall;
};

struct BoundFunction {
  void (*compute)(FunctionCall&) = nullptr;
  int folds = 0;
  Kernel kernel;  // set for calls with one argument of functions that have one
};

BoundFunction BindFunction(int code, int count);

// The code of a function name as users type it ("log10", "vcylinder"), or -1 when there is none.
int FunctionCodeOf(std::string_view name);

// One function name with its code and its row's usage line; synonyms share a code and a usage
// line, which shows the row's best-known name.
struct FunctionName {
  std::string name;
  int code;
  std::string_view usage;
};
// All names, domain by domain.
std::vector<FunctionName> FunctionNames();

// The moments of a sample (the list functions' and the statistics command's): the sum and the
// mean are carried in two doubles, so the mean is the correctly rounded one (or next to it) and
// the deviations are taken from the unrounded mean. The values are scaled by a power of two that
// brings the largest near 1, so no square leaves the double range. An infinite value gives an
// infinite sum, mean and deviations (not a number when infinities of both signs meet).
class SampleMoments {
 public:
  SampleMoments(double first, std::span<const double> rest);
  double sum() const { return sum_; }
  double mean() const { return mean_; }
  // sqrt(sum of (x - mean)^2 / divisor).
  double Deviation(double divisor) const;
  // sum of |x - mean| / n.
  double AverageDeviation() const;

 private:
  int exponent_ = 0;  // value = scaled value * 2^exponent_
  double count_ = 0;
  double sum_ = 0;
  double mean_ = 0;
  double squares_ = 0;   // scaled
  double absolute_ = 0;  // scaled
};

// The largest double; functions return it to make the evaluation end in "Error: Overflow".
inline constexpr double kHuge = 1.7976931348623157e308;

}  // namespace orvo
