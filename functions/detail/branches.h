#pragma once
#include <span>

#include "functions/detail/branch.h"

// The branch tables of the dispatch, one per domain.
namespace orvo::detail {

std::span<const BranchRow> GeneralBranches();

}  // namespace orvo::detail
