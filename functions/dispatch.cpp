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

void Note(FunctionCall& call, std::string_view message) {
  AppendMessage(*call.errors, message);
}

}  // namespace detail

namespace {

// Function codes run from 1 to 1811; the table is indexed by code.
constexpr int kCodeLimit = 1812;
using BranchTable = std::array<const detail::BranchRow*, kCodeLimit>;

BranchTable BuildTable() {
  BranchTable table{};
  for (auto rows :
       {detail::GeneralBranches(), detail::TrigBranches(), detail::StatisticsBranches(),
        detail::SpecialBranches(), detail::GeometryBranches(), detail::ScienceBranches()}) {
    for (const detail::BranchRow& row : rows) table[row.code] = &row;
  }
  return table;
}

// Applies the row's parameter rule: the fold count follows from the argument count alone.
void Run(const detail::BranchRow& row, FunctionCall& call) {
  using detail::Arity;
  if (row.arity == Arity::kOwn) {
    row.compute(call);
    return;
  }
  if (row.arity == Arity::kVariadic) {
    row.compute(call);
    call.folds = call.count;
    return;
  }
  bool fits = row.arity == Arity::kExact ? call.count == row.params : call.count >= row.params;
  if (!fits) {
    if (call.count == 1 && !row.missing.empty()) {
      detail::Report(call, row.missing, row.missingStatus);
    }
    call.folds = 1;
    return;
  }
  row.compute(call);
  call.folds = row.params;
}

}  // namespace

void CallFunction(FunctionCall& call) {
  static const BranchTable table = BuildTable();
  call.value = call.signedFirst;
  call.folds = 0;
  call.unknown = false;
  const detail::BranchRow* row =
      call.code > 0 && call.code < kCodeLimit ? table[call.code] : nullptr;
  if (row == nullptr) {
    call.unknown = true;
    detail::Report(call, msg::kUnknownFunction, kStatusUnknown);
    return;
  }
  Run(*row, call);
}

}  // namespace orvo
