#pragma once
#include <cstdlib>
#include <numeric>
#include <optional>

// Exponents of dimensions are small fractions: sqrt halves them, curt thirds them, and a power
// may take any p/q. They stay exact, so m^(1/2)^2 is m again and never m^0.99999.
namespace orvo::detail {

struct Rational {
  int num = 0;
  int den = 1;  // always positive, and the fraction always in lowest terms

  friend bool operator==(const Rational&, const Rational&) = default;
  double Value() const { return static_cast<double>(num) / den; }
};

// Numerators and denominators stay within this bound, so no sum or product of two of them can
// overflow; beyond it an exponent is "out of range".
inline constexpr long long kMaxExponentPart = 10000;

// num/den in lowest terms, or nothing when a part is out of range or den is 0.
inline std::optional<Rational> MakeRational(long long num, long long den) {
  if (den == 0) return std::nullopt;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  long long common = std::gcd(num, den);
  if (common > 1) {
    num /= common;
    den /= common;
  }
  if (std::llabs(num) > kMaxExponentPart || den > kMaxExponentPart) return std::nullopt;
  return Rational{static_cast<int>(num), static_cast<int>(den)};
}

inline std::optional<Rational> Add(Rational a, Rational b) {
  return MakeRational(static_cast<long long>(a.num) * b.den + static_cast<long long>(b.num) * a.den,
                      static_cast<long long>(a.den) * b.den);
}

inline std::optional<Rational> Multiply(Rational a, Rational b) {
  return MakeRational(static_cast<long long>(a.num) * b.num, static_cast<long long>(a.den) * b.den);
}

}  // namespace orvo::detail
