#include <array>
#include <span>

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

// The table is indexed by code.
constexpr int kCodeLimit = detail::Code(detail::kLargestFn) + 1;
using BranchTable = std::array<const detail::FunctionRow*, kCodeLimit>;

BranchTable BuildTable() {
  BranchTable table{};
  for (auto domain : detail::kDomains) {
    for (const detail::FunctionRow& row : domain()) {
      // A code beyond the largest stays unknown instead of writing past the table.
      int code = detail::Code(row.code);
      if (code > 0 && code < kCodeLimit) table[code] = &row;
    }
  }
  return table;
}

// Calls `visit(name, row)` for every name of every row, until it returns true.
template <typename Visit>
void ForEachName(Visit visit) {
  for (auto domain : detail::kDomains) {
    for (const detail::FunctionRow& row : domain()) {
      std::string_view names = row.names;
      while (!names.empty()) {
        std::size_t end = names.find(' ');
        if (visit(names.substr(0, end), row)) return;
        names.remove_prefix(end == std::string_view::npos ? names.size() : end + 1);
      }
    }
  }
}

const BranchTable& Table() {
  static const BranchTable table = BuildTable();
  return table;
}

const detail::FunctionRow* FindRow(int code) {
  return code > 0 && code < kCodeLimit ? Table()[code] : nullptr;
}

// Whether the row's parameter rule lets the branch compute with `count` arguments.
bool Fits(const detail::FunctionRow& row, int count) {
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
int FoldsWhenFitting(const detail::FunctionRow& row, int count) {
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
  const detail::FunctionRow* row = FindRow(call.code);
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

int FunctionCodeOf(std::string_view name) {
  int code = -1;
  ForEachName([&](std::string_view candidate, const detail::FunctionRow& row) {
    if (candidate == name) code = detail::Code(row.code);
    return code != -1;
  });
  return code;
}

std::vector<FunctionName> FunctionNames() {
  std::vector<FunctionName> names;
  ForEachName([&](std::string_view name, const detail::FunctionRow& row) {
    names.push_back({std::string(name), detail::Code(row.code), row.usage});
    return false;
  });
  return names;
}

BoundFunction BindFunction(int code, int count) {
  const detail::FunctionRow* row = FindRow(code);
  if (row == nullptr || row->arity == detail::Arity::kOwn || !Fits(*row, count)) return {};
  return {row->compute, FoldsWhenFitting(*row, count), count == 1 ? row->kernel : Kernel{}};
}

}  // namespace orvo
