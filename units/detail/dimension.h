#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "units/detail/rational.h"

// What a quantity measures: the exponents of the seven SI base quantities. Angles, counts and
// ratios have none of them.
namespace orvo::detail {

// The base quantities, in the order of the SI Brochure's table of base units.
enum BaseQuantity : int { kLength, kMass, kTime, kCurrent, kTemperature, kAmount, kLuminous };
inline constexpr int kBaseCount = 7;

struct Dimension {
  std::array<Rational, kBaseCount> exponents{};

  friend bool operator==(const Dimension&, const Dimension&) = default;
  bool IsNone() const { return *this == Dimension{}; }
};

// A dimension with whole exponents, for the unit table: m, kg, s, A, K, mol, cd.
constexpr Dimension Dim(int m, int kg = 0, int s = 0, int a = 0, int k = 0, int mol = 0,
                        int cd = 0) {
  return Dimension{{Rational{m}, Rational{kg}, Rational{s}, Rational{a}, Rational{k}, Rational{mol},
                    Rational{cd}}};
}
inline constexpr Dimension kDimensionless{};

// a * b^sign (sign 1 multiplies, -1 divides); nothing when an exponent leaves the range.
std::optional<Dimension> Combine(const Dimension& a, const Dimension& b, int sign);
// a^power; nothing when an exponent leaves the range.
std::optional<Dimension> Raise(const Dimension& a, Rational power);

// One factor of a written unit: a symbol and its exponent.
struct Factor {
  std::string_view symbol;
  Rational exponent;
};

// Appends the base units of `dimension` to `factors`, in the customary order kg, m, s, A, K,
// mol, cd (kg*m/s^2, kg/(m*s^2)).
void AppendBaseFactors(const Dimension& dimension, std::vector<Factor>& factors);

// The factors written as a unit that &u reads back: "kg*m/s^2", "J/(mol*K)", "m^(1/2)"; with
// only negative exponents "s^-1", "m^-1*s^-1" (a lone "1/" reads badly after a number); "" for
// none.
std::string JoinFactors(const std::vector<Factor>& factors);

}  // namespace orvo::detail
