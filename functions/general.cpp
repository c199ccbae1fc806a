#include "functions/detail/branches.h"

namespace orvo::detail {
namespace {

void Fac(FunctionCall& call) {
  Finish(call, Factorial(call.signedFirst, *call.errors), 1);
}

void Int(FunctionCall& call) {
  Finish(call, IntegerPart(call.signedFirst), 1);
}

constexpr BranchRow kRows[] = {
    {58, Fac},  // fac, fact
    {68, Int},  // int, fix
};

}  // namespace

std::span<const BranchRow> GeneralBranches() {
  return kRows;
}

}  // namespace orvo::detail
