#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "base/random.h"
#include "matrix/matrix.h"

// Helpers of the matrix tests: building matrices, seeded random inputs and comparisons that
// do not go through the library under test.
namespace orvo::test {

// rows x cols from the values in row order.
inline Matrix MatrixOf(int rows, int cols, std::initializer_list<double> values) {
  Matrix m(rows, cols);
  const double* v = values.begin();
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols && v != values.end(); ++j) m.at(i, j) = *v++;
  }
  return m;
}

// Uniform in [-1, 1] from the session's generator, so every run draws the same matrices.
inline double RandomUnit(Random& rng) {
  return rng.Next() / (Random::kMax / 2.0) - 1.0;
}

inline Matrix RandomMatrix(int rows, int cols, Random& rng) {
  Matrix m(rows, cols);
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols; ++j) m.at(i, j) = RandomUnit(rng);
  }
  return m;
}

// A random matrix made well conditioned by a dominant diagonal.
inline Matrix RandomDominant(int n, Random& rng) {
  Matrix m = RandomMatrix(n, n, rng);
  for (int i = 0; i < n; ++i) m.at(i, i) += n;
  return m;
}

// The plain triple-loop product, without the library's cleaning of small elements.
inline Matrix Product(const Matrix& a, const Matrix& b) {
  Matrix result(a.rows(), b.cols());
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < b.cols(); ++j) {
      long double sum = 0;
      for (int t = 0; t < a.cols(); ++t) sum += static_cast<long double>(a.at(i, t)) * b.at(t, j);
      result.at(i, j) = static_cast<double>(sum);
    }
  }
  return result;
}

inline Matrix Transposed(const Matrix& a) {
  Matrix result(a.cols(), a.rows());
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < a.cols(); ++j) result.at(j, i) = a.at(i, j);
  }
  return result;
}

inline Matrix Identity(int n) {
  Matrix m(n, n);
  for (int i = 0; i < n; ++i) m.at(i, i) = 1;
  return m;
}

// The reflection I - 2 v v^T / (v^T v) for a random v: symmetric and orthogonal, so H D H has
// the eigenvalues of D.
inline Matrix RandomReflection(int n, Random& rng) {
  double v[Matrix::kMaxSize];
  double vv = 0;
  for (int i = 0; i < n; ++i) {
    v[i] = RandomUnit(rng) + 2.0;  // never all zero
    vv += v[i] * v[i];
  }
  Matrix h = Identity(n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) h.at(i, j) -= 2 * v[i] * v[j] / vv;
  }
  return h;
}

// Same shape and every element within `tolerance` (elements outside the shape must be 0 in
// both).
inline ::testing::AssertionResult MatrixNear(const Matrix& actual, const Matrix& expected,
                                             double tolerance) {
  if (actual.rows() != expected.rows() || actual.cols() != expected.cols()) {
    return ::testing::AssertionFailure()
           << "shape " << actual.rows() << " x " << actual.cols() << ", expected "
           << expected.rows() << " x " << expected.cols();
  }
  for (int i = 0; i < Matrix::kMaxSize; ++i) {
    for (int j = 0; j < Matrix::kMaxSize; ++j) {
      double a = actual.at(i, j);
      double e = expected.at(i, j);
      if (!(std::fabs(a - e) <= tolerance)) {
        return ::testing::AssertionFailure() << "element (" << i << ", " << j << ") is " << a
                                             << ", expected " << e << " within " << tolerance;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

#define EXPECT_MATRIX_NEAR(actual, expected, tolerance) \
  EXPECT_TRUE(::orvo::test::MatrixNear((actual), (expected), (tolerance)))

// Whether the elements below the diagonal are all exactly 0.
inline bool UpperTriangular(const Matrix& m) {
  for (int i = 0; i < m.rows(); ++i) {
    for (int j = 0; j < i && j < m.cols(); ++j) {
      if (m.at(i, j) != 0.0) return false;
    }
  }
  return true;
}

// The sizes every accuracy check runs at.
inline constexpr int kSizes[] = {1, 2, 3, 4, 10, 20};

}  // namespace orvo::test
