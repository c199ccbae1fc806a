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

const BranchTable& Table() {
  static const BranchTable table = BuildTable();
  return table;
}

const detail::BranchRow* FindRow(int code) {
  return code > 0 && code < kCodeLimit ? Table()[code] : nullptr;
}

// Whether the row's parameter rule lets the branch compute with `count` arguments.
bool Fits(const detail::BranchRow& row, int count) {
  using detail::Arity;
  switch (row.arity) {
    case Arity::kFixed:
      return count >= row.params;
    case Arity::kExact:
      return count == row.params;
    case Arity::kVariadic:
    case Arity::kOwn:
      return true;
  }
  return false;
}

// The fold count of a call that fits: the `kOwn` branches set their own.
int FoldsWhenFitting(const detail::BranchRow& row, int count) {
  using detail::Arity;
  switch (row.arity) {
    case Arity::kFixed:
    case Arity::kExact:
      return row.params;
    case Arity::kVariadic:
      return count;
    case Arity::kOwn:
      return 0;
  }
  return 0;
}

}  // namespace

void CallFunction(FunctionCall& call) {
  call.value = call.signedFirst;
  call.folds = 0;
  call.unknown = false;
  const detail::BranchRow* row = FindRow(call.code);
  if (row == nullptr) {
    call.unknown = true;
    detail::Report(call, msg::kUnknownFunction, kStatusUnknown);
    return;
  }
  if (!Fits(*row, call.count)) {
    // One fold and no value; a lone argument of a multi-parameter function earns the message.
    if (call.count == 1 && !row->missing.empty()) {
      detail::Report(call, row->missing, row->missingStatus);
    }
    call.folds = 1;
    return;
  }
  call.folds = FoldsWhenFitting(*row, call.count);
  row->compute(call);
}

BoundFunction BindFunction(int code, int count) {
  const detail::BranchRow* row = FindRow(code);
  if (row == nullptr || row->arity == detail::Arity::kOwn || !Fits(*row, count)) return {};
  return {row->compute, FoldsWhenFitting(*row, count)};
}

}  // namespace orvo
