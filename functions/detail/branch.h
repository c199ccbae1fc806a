#pragma once
#include <limits>
#include <string_view>

#include "functions/functions.h"

// The function registry: one row per function, in the table of its domain (general.cpp,
// trig.cpp, ...). A row holds the function's code, the names users type for it, its usage line, its
// parameter rule, its "missing parameter" message and its implementation; the name lookup and the
// dispatch are built from these rows, and the help pages are checked against them.
//
// The engine records, on the first evaluation of an expression, how many argument Terms each
// call folds and replays that plan afterwards. So the fold count of a call may depend on its
// code and its argument count only, never on the argument values: the dispatcher decides it
// from the row's parameter rule, and only the `kOwn` rows (whose rule fits none of the others)
// set `folds` themselves.
namespace orvo::detail {

// Function codes. Their numbers show in statuses (a domain error of code k is status -k, a
// missing parameter +k), so they never change; synonyms share a code.
enum class Fn : int {
  kCombinations = 1,
  kPermutations = 2,
  kLn = 3,
  kLg = 4,
  kLog = 5,
  kExp = 6,
  kPow = 7,
  kSqrt = 8,
  kCurt = 9,
  kJ0 = 10,
  kJ1 = 11,
  kJn = 12,
  kY0 = 13,
  kY1 = 14,
  kYn = 15,
  kGamma = 16,
  kGammaLn = 17,
  kGammaInc = 18,
  kBeta = 19,
  kBetaInc = 20,
  kSi = 21,
  kCi = 22,
  kEi = 23,
  kSin = 24,
  kCos = 25,
  kTan = 26,
  kAsin = 27,
  kAcos = 28,
  kAtan = 29,
  kSind = 30,
  kCosd = 31,
  kTand = 32,
  kSinh = 33,
  kCosh = 34,
  kTanh = 35,
  kAsinh = 36,
  kAcosh = 37,
  kAtanh = 38,
  kArtri = 39,
  kInrtri = 40,
  kCirtri = 41,
  kArrpg = 42,
  kInrrpg = 43,
  kCirrpg = 44,
  kHypot = 45,
  kMean = 46,
  kHmean = 47,
  kStdev = 48,
  kAvedev = 49,
  kStdevn = 50,
  kErf = 51,
  kNdis = 52,
  kTdis = 53,
  kFdis = 54,
  kBdis = 55,
  kKdis = 56,
  kAbs = 57,
  kFac = 58,
  kMol = 59,
  kMod = 60,
  kFmod = 61,
  kPolyn = 62,
  kLcm = 63,
  kGcf = 64,
  kArg = 65,
  kArgd = 66,
  kRound = 67,
  kInt = 68,
  kFloor = 69,
  kCeil = 70,
  kAtan2 = 71,
  kPi = 100,
  kEl = 101,
  kU = 102,
  kEv = 103,
  kF = 104,
  kH = 105,
  kEp = 106,
  kMu = 107,
  kG = 108,
  kMe = 109,
  kMp = 110,
  kMn = 111,
  kAv = 112,
  kR = 113,
  kBo = 114,
  kFf = 115,
  kMass = 116,
  kVc = 117,
  kCho = 118,
  kChon = 119,
  kK = 120,
  kVm = 121,
  kAtm = 122,
  kVsphere = 123,
  kSfsphere = 124,
  kVcylinder = 125,
  kSfcylinder = 126,
  kVcone = 127,
  kSfcone = 128,
  kVtorus = 129,
  kSftorus = 130,
  kRtod = 131,
  kDtor = 132,
  kDistpp = 133,
  kDistpl = 134,
  kAnglell = 135,
  kGmr = 136,
  kKqr = 137,
  kFreq = 138,
  kT = 139,
  kWlf = 140,
  kWlfs = 141,
  kXrd = 142,
  kXrdcu = 143,
  kXrdcr = 144,
  kXrdfe = 145,
  kXrdco = 146,
  kAl = 147,
  kRb = 148,
  kNot = 158,
  kIf = 159,
  kComplement = 160,
  kSign = 161,
  kSinl = 241,
  kCosl = 251,
  kTanl = 261,
  kInrcir = 431,
  kCircir = 432,
  kInverf = 511,
  kInvNdis = 521,
  kInvTdis = 531,
  kInvFdis = 541,
  kTenPower = 1000,
  kTenPowerMinus = 1001,
  kInvGammaLn = 1811,
};

// The largest code: the dispatch table holds one entry per code up to it, and a test checks
// every row against it.
inline constexpr Fn kLargestFn = Fn::kInvGammaLn;

constexpr int Code(Fn code) {
  return static_cast<int>(code);
}

// Computes the value of one call. The dispatcher has already set `value` to S and checked the
// argument count; domain errors are reported with Report/Note.
using Compute = void (*)(FunctionCall&);

enum class Arity : unsigned char {
  // k parameters. n >= k: computed from the first k arguments, k folds. n < k: one fold and no
  // value; with n == 1 the row's "missing parameter" message is reported.
  kFixed,
  // Exactly k parameters: any other n folds once without a value (the missing message with
  // n == 1), so the core adds its count message whenever n > 1.
  kExact,
  // Any number of arguments, all folded.
  kVariadic,
  // The branch sets `folds` itself, as a function of `count` only.
  kOwn,
};

struct FunctionRow {
  Fn code = Fn::kAbs;
  std::string_view names;  // as users type them; synonyms separated by one space
  // One line for people: the call with its parameters as the help pages write it, then what it
  // gives ("gamma(x): gamma function"). The name is the row's best-known one, not always the first.
  std::string_view usage;
  Arity arity = Arity::kFixed;
  int params = 1;
  std::string_view missing;  // reported when a multi-parameter call has one argument
  int missingStatus = 0;     // the status that goes with it
  Compute compute = nullptr;
  Kernel kernel;  // one-parameter functions: the plain part of `compute`, if it has one
};

constexpr FunctionRow One(Fn code, std::string_view names, std::string_view usage,
                          Compute compute) {
  return {code, names, usage, Arity::kFixed, 1, {}, 0, compute, {}};
}

// One parameter, with a kernel that gives the value without the call record inside its range.
constexpr FunctionRow OneWithKernel(Fn code, std::string_view names, std::string_view usage,
                                    Compute compute, Kernel kernel) {
  return {code, names, usage, Arity::kFixed, 1, {}, 0, compute, kernel};
}

// The ranges of kernels.
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();
inline constexpr double kSmallestPositive = std::numeric_limits<double>::denorm_min();

// A k-parameter function whose missing message comes with status +code.
constexpr FunctionRow Fixed(Fn code, std::string_view names, std::string_view usage, int params,
                            std::string_view missing, Compute compute) {
  return {code, names, usage, Arity::kFixed, params, missing, Code(code), compute, {}};
}

// The same with a missing message whose status is not the function's own code.
constexpr FunctionRow FixedWithStatus(Fn code, std::string_view names, std::string_view usage,
                                      int params, std::string_view missing, int missingStatus,
                                      Compute compute) {
  return {code, names, usage, Arity::kFixed, params, missing, missingStatus, compute, {}};
}

// Exactly k parameters, the missing message with status +code.
constexpr FunctionRow Exact(Fn code, std::string_view names, std::string_view usage, int params,
                            std::string_view missing, Compute compute) {
  return {code, names, usage, Arity::kExact, params, missing, Code(code), compute, {}};
}

constexpr FunctionRow ExactWithStatus(Fn code, std::string_view names, std::string_view usage,
                                      int params, std::string_view missing, int missingStatus,
                                      Compute compute) {
  return {code, names, usage, Arity::kExact, params, missing, missingStatus, compute, {}};
}

constexpr FunctionRow Variadic(Fn code, std::string_view names, std::string_view usage,
                               Compute compute) {
  return {code, names, usage, Arity::kVariadic, 1, {}, 0, compute, {}};
}

constexpr FunctionRow Own(Fn code, std::string_view names, std::string_view usage,
                          Compute compute) {
  return {code, names, usage, Arity::kOwn, 1, {}, 0, compute, {}};
}

// Appends a message and sets the evaluator's status.
void Report(FunctionCall& call, std::string_view message, int status);

// A domain error of the function `code`: the message with status -code.
inline void Fail(FunctionCall& call, std::string_view message, Fn code) {
  Report(call, message, -Code(code));
}

// Appends a message and leaves the status as it was (a few messages are only notes).
void Note(FunctionCall& call, std::string_view message);

// The largest count a function takes: counts, orders and degrees of freedom are 32-bit.
inline constexpr double kLargestCount = 2147483647;

// The argument after the first one (A2, A3, ...): Arg(call, 2) is A2. The first argument is
// call.signedFirst (S) or call.args[0] (raw A1).
inline double Arg(const FunctionCall& call, int position) {
  return call.args[position - 1];
}

}  // namespace orvo::detail
