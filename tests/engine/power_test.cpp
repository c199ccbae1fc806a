// The power operator's own shortcuts: the cube, rounded once, against exact references.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "functions/functions.h"

namespace orvo {
namespace {

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// m^3 for an integer m < 2^53, exactly, as 32-bit limbs (least significant first).
std::array<std::uint32_t, 6> CubeOfInteger(std::uint64_t m) {
  std::array<std::uint32_t, 6> product{1};
  for (int factor = 0; factor < 3; ++factor) {
    std::array<std::uint32_t, 6> next{};
    std::uint32_t parts[2] = {static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)};
    for (int i = 0; i < 6; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; j < 2 && i + j < 6; ++j) {
        std::uint64_t sum = std::uint64_t{product[i]} * parts[j] + next[i + j] + carry;
        next[i + j] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
      }
      if (i + 2 < 6) next[i + 2] += static_cast<std::uint32_t>(carry);
    }
    product = next;
  }
  return product;
}

// The correctly rounded x^3 (to nearest, ties to even) for a normal x, by integer arithmetic:
// an independent reference for the floating-point shortcut.
double ExactCube(double x) {
  int exponent = 0;
  double fraction = std::frexp(std::fabs(x), &exponent);  // |x| = m 2^(exponent - 53)
  auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  std::array<std::uint32_t, 6> limbs = CubeOfInteger(m);
  auto bit = [&](int i) { return i >= 0 && ((limbs[i / 32] >> (i % 32)) & 1u) != 0; };
  int top = 191;
  while (!bit(top)) --top;
  int low = top - 52;  // the lowest bit the rounded value keeps
  std::uint64_t mantissa = 0;
  for (int i = top; i >= low; --i) mantissa = mantissa << 1 | (bit(i) ? 1 : 0);
  bool half = bit(low - 1);
  bool sticky = false;
  for (int i = low - 2; i >= 0; --i) sticky = sticky || bit(i);
  if (half && (sticky || (mantissa & 1) != 0)) ++mantissa;
  double cube = std::ldexp(static_cast<double>(mantissa), low + 3 * (exponent - 53));
  return x < 0 ? -cube : cube;
}

TEST(Cube, IsCorrectlyRoundedWherePowIsNot) {
  // x and x^3 rounded to nearest, from exact rational arithmetic (Python fractions.Fraction):
  // for these x glibc's pow(x, 3) is one unit in the last place off.
  const double rows[][2] = {
      {0x1.8ec35e188d106p-17, 0x1.e3c40a03f45f1p-50},
      {0x1.40f8598ed0023p-14, 0x1.f88fac3250a6dp-42},
      {0x1.ba79f38c256c8p+21, 0x1.4a77fcc7e1de8p+65},
      {0x1.fe49f1726f8fdp-29, 0x1.fae2377758521p-85},
      {0x1.046c5e45bb56cp-20, 0x1.0d8023d258b40p-60},
      {0x1.927477ad314cbp+18, 0x1.f153abbcbeadfp+55},
  };
  for (const auto& row : rows) {
    EXPECT_TRUE(SameBits(Cube(row[0]), row[1])) << std::hexfloat << row[0];
    EXPECT_TRUE(SameBits(Cube(-row[0]), -row[1])) << std::hexfloat << row[0];
    EXPECT_TRUE(SameBits(ExactCube(row[0]), row[1])) << std::hexfloat << row[0];
  }
}

TEST(Cube, AgreesWithExactArithmetic) {
  std::mt19937_64 generator(20240611);
  std::uniform_int_distribution<int> exponents(-330, 330);
  for (int k = 0; k < 200000; ++k) {
    double fraction = 1 + static_cast<double>(generator() >> 12) * 0x1p-52;
    double x = std::ldexp(fraction, exponents(generator));
    if (k % 2 != 0) x = -x;
    // Beyond 2^300 Cube hands over to pow(), which may be a unit off.
    if (std::fabs(x) < 0x1p-300 || std::fabs(x) > 0x1p300) {
      EXPECT_LE(std::fabs(Cube(x) - ExactCube(x)), std::fabs(ExactCube(x)) * 0x1p-52);
    } else {
      EXPECT_TRUE(SameBits(Cube(x), ExactCube(x))) << std::hexfloat << x;
    }
  }
  for (int n = 1; n <= 2000; ++n) {
    EXPECT_EQ(Cube(n), static_cast<double>(n) * n * n);  // exact: at most 33 bits
    double x = n * 0.001;
    EXPECT_TRUE(SameBits(Cube(x), ExactCube(x))) << x;
  }
}

TEST(Cube, KeepsThePowerOperatorsSpecialValues) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(SameBits(Cube(0.0), 0.0));
  EXPECT_TRUE(SameBits(Cube(-0.0), -0.0));
  EXPECT_TRUE(SameBits(Cube(kInf), kInf));
  EXPECT_TRUE(SameBits(Cube(-kInf), -kInf));
  EXPECT_TRUE(std::isnan(Cube(std::nan(""))));
  EXPECT_TRUE(SameBits(Cube(1e200), kInf));
  EXPECT_TRUE(SameBits(Cube(-1e200), -kInf));
  EXPECT_TRUE(SameBits(Cube(1e-200), 0.0));
  EXPECT_TRUE(SameBits(Cube(-1e-200), -0.0));
  EXPECT_EQ(Cube(0x1p300), 0x1p900);
  EXPECT_EQ(Cube(-0x1p-300), -0x1p-900);

  // "^" with the exponent 3 is the cube, also when the exponent is computed.
  int status = 0;
  std::string errors;
  for (double x : {0.1, -7.3, 1e-5, 3624766.4434307553}) {
    EXPECT_TRUE(SameBits(Power(x, 3, status, errors), Cube(x)));
    EXPECT_TRUE(SameBits(ApplyOperator(x, Op::kPower, "^", 1.5 * 2, status, errors), Cube(x)));
  }
  EXPECT_EQ(status, 0);
  EXPECT_EQ(errors, "");
}

}  // namespace
}  // namespace orvo
