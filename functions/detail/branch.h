#pragma once
#include <string_view>

#include "functions/functions.h"

// Helpers shared by the branches of the function dispatch.
namespace orvo::detail {

using Branch = void (*)(FunctionCall&);

struct BranchRow {
  int code;
  Branch run;
};

// Reports a message and a status for the current call.
void Report(FunctionCall& call, std::string_view message, int status);

// Does the call have at least a second argument (its first argument Term ends with ",")?
inline bool HasSecond(const FunctionCall& call) {
  return call.count >= 2;
}

// The usual ending of a branch that takes `k` parameters: the value, then k folds. With fewer
// arguments than parameters the branch folds once, so with two or more arguments the core adds
// its "parameter(s) missing or excessive" message, and with one the call is complete.
inline void Finish(FunctionCall& call, double value, int k) {
  call.value = value;
  call.folds = k <= call.count ? k : 1;
}

}  // namespace orvo::detail
