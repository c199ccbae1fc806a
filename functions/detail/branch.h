#pragma once
#include <string_view>

#include "functions/functions.h"

// Rows of the function dispatch and the helpers their branches share.
//
// The engine records, on the first evaluation of an expression, how many argument Terms each
// call folds and replays that plan afterwards. So the fold count of a call may depend on its
// code and its argument count only, never on the argument values: the dispatcher decides it
// from the row's parameter rule, and only the `kOwn` rows (whose rule fits none of the others)
// set `folds` themselves.
namespace orvo::detail {

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

struct BranchRow {
  int code = 0;
  Arity arity = Arity::kFixed;
  int params = 1;
  std::string_view missing;  // reported when a multi-parameter call has one argument
  int missingStatus = 0;     // the status that goes with it
  Compute compute = nullptr;
};

constexpr BranchRow One(int code, Compute compute) {
  return {code, Arity::kFixed, 1, {}, 0, compute};
}

// A k-parameter function whose missing message comes with status +code.
constexpr BranchRow Fixed(int code, int params, std::string_view missing, Compute compute) {
  return {code, Arity::kFixed, params, missing, code, compute};
}

// The same with a missing message whose status is not the function's own code.
constexpr BranchRow FixedWithStatus(int code, int params, std::string_view missing,
                                    int missingStatus, Compute compute) {
  return {code, Arity::kFixed, params, missing, missingStatus, compute};
}

constexpr BranchRow Exact(int code, int params, std::string_view missing, int missingStatus,
                          Compute compute) {
  return {code, Arity::kExact, params, missing, missingStatus, compute};
}

constexpr BranchRow Variadic(int code, Compute compute) {
  return {code, Arity::kVariadic, 1, {}, 0, compute};
}

constexpr BranchRow Own(int code, Compute compute) {
  return {code, Arity::kOwn, 1, {}, 0, compute};
}

// Appends a message and sets the evaluator's status.
void Report(FunctionCall& call, std::string_view message, int status);

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
