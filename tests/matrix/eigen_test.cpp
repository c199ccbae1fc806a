// Eigenvalues: positions, matrices with known spectra, and the iteration limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <vector>

#include "tests/matrix/matrix_testing.h"

namespace orvo::test {
namespace {

using Spectrum = std::vector<std::complex<double>>;

struct Result {
  bool ok;
  int found;
  std::array<double, 20> wr;
  std::array<double, 20> wi;
};

Result Eigen(const Matrix& m, int precision = 8, int maxIterations = 2000) {
  Result r{};
  r.ok = EigenValues(m, r.wr, r.wi, maxIterations, precision, r.found);
  return r;
}

// Sorted by real then imaginary part.
Spectrum Sorted(Spectrum s) {
  std::sort(s.begin(), s.end(), [](auto a, auto b) {
    return a.real() < b.real() - 1e-9 ||
           (std::fabs(a.real() - b.real()) <= 1e-9 && a.imag() < b.imag());
  });
  return s;
}

void ExpectSpectrum(const Matrix& m, const Spectrum& expected, double tolerance,
                    int precision = 8) {
  Result r = Eigen(m, precision);
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.found, m.rows());
  Spectrum found;
  for (int i = 0; i < r.found; ++i) found.emplace_back(r.wr[i], r.wi[i]);
  Spectrum got = Sorted(found);
  Spectrum want = Sorted(expected);
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_LE(std::abs(got[i] - want[i]), tolerance)
        << "eigenvalue " << i << " is " << got[i] << ", expected " << want[i];
  }
}

// A diagonal D mixed by a reflection H into the symmetric H D H, and rotations by angle t in
// 2 x 2 blocks, with e^(+-it), which H R H spreads over the whole matrix: neither is Hessenberg,
// both keep their spectrum.
TEST(EigenValues, ReflectedDiagonalsAndRotationBlocks) {
  Random rng;
  for (int n : kSizes) {
    Matrix d(n, n);
    Matrix r(n, n);
    Spectrum real;
    Spectrum rotations;
    for (int i = 0; i < n; ++i) {
      d.at(i, i) = i + 1 - n / 2.0;
      real.emplace_back(d.at(i, i), 0);
    }
    for (int b = 0; b + 1 < n; b += 2) {
      double t = 0.3 + 0.25 * b;
      r.at(b, b) = r.at(b + 1, b + 1) = std::cos(t);
      r.at(b, b + 1) = -std::sin(t);
      r.at(b + 1, b) = std::sin(t);
      rotations.push_back(std::polar(1.0, t));
      rotations.push_back(std::polar(1.0, -t));
    }
    if (n % 2 == 1) {
      r.at(n - 1, n - 1) = 0.5;
      rotations.emplace_back(0.5, 0);
    }
    ExpectSpectrum(r, rotations, 1e-12);
    Matrix h = RandomReflection(n, rng);
    ExpectSpectrum(Product(Product(h, d), h), real, 1e-8);
    ExpectSpectrum(Product(Product(h, r), h), rotations, 1e-8);
  }
}

TEST(EigenValues, TriangularMatricesGiveTheirDiagonal) {
  Random rng;
  for (int n : kSizes) {
    Matrix m = RandomMatrix(n, n, rng);
    Spectrum expected;
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < i; ++j) m.at(i, j) = 0;
      m.at(i, i) = 2 * i + 1;
      expected.emplace_back(2 * i + 1, 0);
    }
    ExpectSpectrum(m, expected, 1e-9);
    ExpectSpectrum(Transposed(m), expected, 1e-8);  // lower triangular: reduced first
  }
}

// The companion matrix of x^n + c[n-1] x^(n-1) + ... + c[0]: ones below the diagonal, -c in the
// last column. Its eigenvalues are the roots of the polynomial.
Matrix Companion(const std::vector<double>& c) {
  int n = static_cast<int>(c.size());
  Matrix m(n, n);
  for (int i = 1; i < n; ++i) m.at(i, i - 1) = 1;
  for (int i = 0; i < n; ++i) m.at(i, n - 1) = -c[i];
  return m;
}

// The tolerance follows the precision: at 8 digits a subdiagonal below about 1e-8 counts as
// zero, and companion matrices are sensitive to that.
TEST(EigenValues, CompanionMatricesOfKnownPolynomials) {
  // (x-1)(x-2)(x-3)(x-4) = x^4 - 10x^3 + 35x^2 - 50x + 24
  ExpectSpectrum(Companion({24, -50, 35, -10}), {{1, 0}, {2, 0}, {3, 0}, {4, 0}}, 1e-6);
  ExpectSpectrum(Companion({24, -50, 35, -10}), {{1, 0}, {2, 0}, {3, 0}, {4, 0}}, 1e-10, 14);
  // (x^2+1)(x-2) = x^3 - 2x^2 + x - 2
  ExpectSpectrum(Companion({-2, 1, -2}), {{0, 1}, {0, -1}, {2, 0}}, 1e-9);
  // x^n - 1: the n-th roots of unity. A cyclic permutation, on which the plain shifts stall.
  for (int n : {3, 4, 10, 20}) {
    std::vector<double> c(n, 0.0);
    c[0] = -1;
    Spectrum roots;
    for (int k = 0; k < n; ++k) roots.push_back(std::polar(1.0, 2 * M_PI * k / n));
    ExpectSpectrum(Companion(c), roots, 1e-8);
    ExpectSpectrum(Transposed(Companion(c)), roots, 1e-8);
  }
}

// A general matrix: the eigenvalues' sum is the trace and their product the determinant.
TEST(EigenValues, GeneralMatrixMatchesTraceAndDeterminant) {
  Random rng;
  for (int n : {3, 4, 10, 20}) {
    Matrix m = RandomMatrix(n, n, rng);
    Result r = Eigen(m, 12);
    ASSERT_EQ(r.found, n);
    std::complex<double> sum = 0;
    std::complex<double> product = 1;
    double trace = 0;
    for (int i = 0; i < n; ++i) {
      sum += std::complex<double>(r.wr[i], r.wi[i]);
      product *= std::complex<double>(r.wr[i], r.wi[i]);
      trace += m.at(i, i);
    }
    EXPECT_NEAR(sum.real(), trace, 1e-9) << n;
    EXPECT_NEAR(sum.imag(), 0, 1e-9) << n;
    EXPECT_NEAR(product.real(), Determinant(m), 1e-9) << n;
  }
}

TEST(EigenValues, IterationLimitEndsTheSearch) {
  std::vector<double> c(3, 0.0);
  c[0] = -1;
  Result r = Eigen(Companion(c), 8, 0);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.found, 0);
  // A triangular matrix needs no step at all.
  r = Eigen(MatrixOf(3, 3, {1, 2, 3, 0, 4, 5, 0, 0, 6}), 8, 0);
  EXPECT_EQ(r.found, 3);
}

TEST(EigenValues, NotANumberAndInfiniteElementsEndInBoundedTime) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  for (const Matrix& m : {MatrixOf(3, 3, {nan, 1, 2, 3, 4, 5, 6, 7, 8}),
                          MatrixOf(3, 3, {1, inf, 2, 3, 4, 5, 6, 7, -inf}),
                          MatrixOf(4, 4,
                                   {nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan,
                                    nan, nan, nan})}) {
    Result r = Eigen(m, 16);
    EXPECT_TRUE(r.ok);
    EXPECT_LE(r.found, m.rows());
  }
}

}  // namespace
}  // namespace orvo::test
