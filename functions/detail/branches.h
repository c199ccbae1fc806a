#pragma once
#include <span>

#include "functions/detail/branch.h"

// The branch tables of the dispatch, one per domain.
namespace orvo::detail {

// Logarithms, powers, integers and combinatorics, boolean and bit functions, exponents.
std::span<const FunctionRow> GeneralBranches();
// Trigonometric, inverse trigonometric and hyperbolic functions, angles of points.
std::span<const FunctionRow> TrigBranches();
// Means, deviations, norms and polynomials of argument lists.
std::span<const FunctionRow> StatisticsBranches();
// Gamma and beta families, error function, integrals, distributions, inverses, Bessel.
std::span<const FunctionRow> SpecialBranches();
// Triangles, polygons, solids, distances and angles of lines.
std::span<const FunctionRow> GeometryBranches();
// Constants, unit conversions, physics and chemistry formulas.
std::span<const FunctionRow> ScienceBranches();

// The registry: every domain's rows.
inline constexpr std::span<const FunctionRow> (*kDomains[])() = {
    GeneralBranches, TrigBranches,     StatisticsBranches,
    SpecialBranches, GeometryBranches, ScienceBranches,
};

}  // namespace orvo::detail
