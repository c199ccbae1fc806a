#pragma once
#include <span>

#include "functions/detail/branch.h"

// The branch tables of the dispatch, one per domain.
namespace orvo::detail {

// Logarithms, powers, integers and combinatorics, boolean and bit functions, exponents.
std::span<const BranchRow> GeneralBranches();
// Trigonometric, inverse trigonometric and hyperbolic functions, angles of points.
std::span<const BranchRow> TrigBranches();
// Means, deviations, norms and polynomials of argument lists.
std::span<const BranchRow> StatisticsBranches();
// Gamma and beta families, error function, integrals, distributions, inverses, Bessel.
std::span<const BranchRow> SpecialBranches();
// Triangles, polygons, solids, distances and angles of lines.
std::span<const BranchRow> GeometryBranches();
// Constants, unit conversions, physics and chemistry formulas.
std::span<const BranchRow> ScienceBranches();

}  // namespace orvo::detail
