#include <cstdlib>
#include <vector>

#include "units/detail/quantity.h"
#include "units/detail/unit_table.h"

namespace orvo::detail {
namespace {

// The named SI units a result may be written in, in order of preference when two write a
// dimension equally simply (V/m before N/C). Sv, Gy, Bq, kat, lm and lx are left out: a result
// in m^2/s^2 or 1/s need not be a dose or an activity.
constexpr std::string_view kNamed[] = {"J", "W",   "V", "N",  "Pa", "Hz", "C",
                                       "F", "ohm", "S", "Wb", "T",  "H"};

double Cost(const Dimension& dimension) {
  double cost = 0;
  for (Rational exponent : dimension.exponents) cost += std::abs(exponent.Value());
  return cost;
}

}  // namespace

std::string SiUnitText(const Dimension& dimension) {
  std::vector<Factor> best;
  AppendBaseFactors(dimension, best);
  double bestCost = Cost(dimension);
  for (std::string_view name : kNamed) {
    const Dimension& named = FindUnit(name)->row->dimension;
    for (int sign : {1, -1}) {
      std::optional<Dimension> rest = Combine(dimension, named, -sign);
      if (!rest) continue;
      double cost = 1 + Cost(*rest);
      // An exact fit always wins: Hz, not s^-1.
      if (cost < bestCost || (rest->IsNone() && sign == 1)) {
        best = {{name, Rational{sign}}};
        AppendBaseFactors(*rest, best);
        bestCost = rest->IsNone() ? 0 : cost;
      }
    }
  }
  return JoinFactors(best);
}

std::string UnitText(const Dimension& dimension) {
  return dimension.IsNone() ? "1" : SiUnitText(dimension);
}

std::string KindText(const Dimension& dimension) {
  std::string_view kind = KindOf(dimension);
  return kind.empty() ? UnitText(dimension) : std::string(kind);
}

}  // namespace orvo::detail
