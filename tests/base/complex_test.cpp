// The complex value type: exact edge cases of its near-zero rules and branch choices, and the
// identities its functions must satisfy.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "base/complex.h"

namespace orvo {
namespace {

constexpr double kPi = 3.141592653589793;

void ExpectComplexNear(Complex actual, Complex expected, double tolerance) {
  EXPECT_NEAR(actual.re, expected.re, tolerance);
  EXPECT_NEAR(actual.im, expected.im, tolerance);
}

void ExpectComplexEq(Complex actual, Complex expected) {
  EXPECT_EQ(actual.re, expected.re);
  EXPECT_EQ(actual.im, expected.im);
}

// Products, quotients, powers and roots of ordinary values are golden transcripts
// (tests/transcripts/matrix-complex.txt); here the near-zero rules, branches and identities.
TEST(Complex, NearZeroDivisorsGiveTheStandInValue) {
  // The plain operations leave tiny parts alone.
  ExpectComplexEq(Add({1e-17, 0}, {0, 1e-17}), {1e-17, 1e-17});
  // The squared modulus 1e-16 is below 5e-16; 1e-14 is not.
  ExpectComplexEq(Divide({1, 0}, {1e-8, 0}), {1e16, 1e16});
  ExpectComplexNear(Divide({1, 0}, {1e-7, 0}), {1e7, 0}, 1e-6);
  ExpectComplexEq(Divide({1, 1}, {0, 0}), {1e16, 1e16});
  ExpectComplexEq(DivideReal({1, 1}, 4e-16), {1e16, 1e16});
  ExpectComplexEq(ComplexTan({kPi / 2, 0}), {1e16, 1e16});
}

TEST(Complex, ElementaryFunctionsCleanTinyParts) {
  ExpectComplexEq(ComplexSin({kPi, 0}), {0, 0});
  ExpectComplexEq(ComplexExp({0, kPi}), {-1, 0});
  ExpectComplexEq(ComplexCos({kPi / 2, 0}), {0, 0});
  ExpectComplexEq(CleanSmallParts({5e-16, -5e-16}), {0, 0});
  ExpectComplexEq(CleanSmallParts({6e-16, -6e-16}), {6e-16, -6e-16});
  Complex nan = CleanSmallParts({std::numeric_limits<double>::quiet_NaN(), 1});
  ExpectComplexEq(nan, {0, 1});
}

TEST(Complex, HyperbolicFunctionsAgreeWithTheirDefinitions) {
  const Complex points[] = {{0.5, 0}, {-1.25, 0.75}, {2, -3}, {0, 1}};
  for (Complex z : points) {
    // cosh^2 - sinh^2 = 1 and tanh = sinh / cosh.
    Complex s = ComplexSinh(z);
    Complex c = ComplexCosh(z);
    ExpectComplexNear(Subtract(Multiply(c, c), Multiply(s, s)), {1, 0}, 1e-12);
    ExpectComplexNear(ComplexTanh(z), Divide(s, c), 1e-12);
    // sin^2 + cos^2 = 1 and tan = sin / cos.
    Complex sn = ComplexSin(z);
    Complex cs = ComplexCos(z);
    ExpectComplexNear(Add(Multiply(sn, sn), Multiply(cs, cs)), {1, 0}, 1e-12);
    ExpectComplexNear(ComplexTan(z), Divide(sn, cs), 1e-12);
    // exp(ln z) = z.
    ExpectComplexNear(ComplexExp(ComplexLn(z)), z, 1e-12);
  }
  // sinh(i) = i sin(1), cosh(i) = cos(1).
  ExpectComplexNear(ComplexSinh({0, 1}), {0, std::sin(1.0)}, 1e-15);
  ExpectComplexNear(ComplexCosh({0, 1}), {std::cos(1.0), 0}, 1e-15);
}

TEST(Complex, RootsSolveTheEquation) {
  std::array<Complex, 7> roots;
  Complex z{-3, 4};
  ASSERT_TRUE(ComplexRoots(7, z, roots));
  for (Complex root : roots) {
    Complex power = Complex::fromReal(1);
    for (int i = 0; i < 7; ++i) power = Multiply(power, root);
    ExpectComplexNear(power, z, 1e-13);
  }
  std::array<Complex, 2> zero;
  ASSERT_TRUE(ComplexRoots(2, {0, 0}, zero));
  ExpectComplexEq(zero[0], {0, 0});
  ExpectComplexEq(zero[1], {0, 0});
}

TEST(Complex, RootsRefuseDegreesBelowTwoAndShortOutput) {
  std::array<Complex, 2> out{Complex{7, 7}, Complex{7, 7}};
  EXPECT_FALSE(ComplexRoots(1, {8, 0}, out));
  EXPECT_FALSE(ComplexRoots(0, {8, 0}, out));
  EXPECT_FALSE(ComplexRoots(-3, {8, 0}, out));
  EXPECT_FALSE(ComplexRoots(3, {8, 0}, out));  // room for two only
  ExpectComplexEq(out[0], {7, 7});
  ExpectComplexEq(out[1], {7, 7});
}

}  // namespace
}  // namespace orvo
