#include <array>

#include "base/text.h"
#include "functions/detail/branches.h"
#include "functions/detail/messages.h"
#include "functions/functions.h"

namespace orvo {
namespace detail {

void Report(FunctionCall& call, std::string_view message, int status) {
  AppendMessage(*call.errors, message);
  *call.status = status;
}

}  // namespace detail

namespace {

// Function codes run from 1 to 1811; the table is indexed by code.
constexpr int kCodeLimit = 1812;
using BranchTable = std::array<detail::Branch, kCodeLimit>;

BranchTable BuildTable() {
  BranchTable table{};
  for (auto rows : {detail::GeneralBranches()}) {
    for (const detail::BranchRow& row : rows) table[row.code] = row.run;
  }
  return table;
}

}  // namespace

void CallFunction(FunctionCall& call) {
  static const BranchTable table = BuildTable();
  call.value = call.signedFirst;
  call.folds = 0;
  call.unknown = false;
  detail::Branch branch = call.code > 0 && call.code < kCodeLimit ? table[call.code] : nullptr;
  if (branch == nullptr) {
    call.unknown = true;
    detail::Report(call, msg::kUnknownFunction, kStatusUnknown);
    return;
  }
  branch(call);
}

}  // namespace orvo
