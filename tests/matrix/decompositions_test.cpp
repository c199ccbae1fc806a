// QR, LU and Cholesky factorisations: reassembly of random inputs and failures. The known
// factors of small examples are golden transcripts (tests/transcripts/matrix.txt).
#include <gtest/gtest.h>

#include <cmath>

#include "tests/matrix/matrix_testing.h"

namespace orvo::test {
namespace {

TEST(QrSplit, AZeroColumnFails) {
  Matrix q;
  Matrix zeroColumn = MatrixOf(3, 2, {0, 1, 0, 2, 0, 3});
  EXPECT_FALSE(QrSplit(zeroColumn, q));
}

TEST(QrSplit, RandomMatricesReassembleWithAnOrthogonalQ) {
  Random rng;
  for (int n : kSizes) {
    for (int m : {n, std::min(n + 3, 20)}) {
      Matrix a = RandomMatrix(m, n, rng);
      Matrix r = a;
      Matrix q;
      ASSERT_TRUE(QrSplit(r, q)) << m << " x " << n;
      EXPECT_TRUE(UpperTriangular(r)) << m << " x " << n;
      EXPECT_MATRIX_NEAR(Product(q, r), a, 1e-13) << m << " x " << n;
      EXPECT_MATRIX_NEAR(Product(Transposed(q), q), Identity(m), 1e-13) << m << " x " << n;
    }
  }
}

TEST(LuSplit, ALastZeroPivotStillSplits) {
  Matrix l(2, 2);
  Matrix u(2, 2);
  ASSERT_TRUE(LuSplit(MatrixOf(2, 2, {1, 2, 2, 4}), l, u));
  EXPECT_MATRIX_NEAR(u, MatrixOf(2, 2, {1, 2, 0, 0}), 0);
}

TEST(LuSplit, RandomMatricesOfEveryShapeReassemble) {
  Random rng;
  for (int n : kSizes) {
    for (int cols : {n, std::min(n + 3, 20), std::max(n - 1, 1)}) {
      Matrix a = RandomDominant(n, rng);
      Matrix shaped(n, cols);
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < cols; ++j)
          shaped.at(i, j) = a.at(i, j) + (j >= n ? RandomUnit(rng) : 0);
      }
      Matrix l(n, n);
      Matrix u(n, cols);
      ASSERT_TRUE(LuSplit(shaped, l, u)) << n << " x " << cols;
      EXPECT_TRUE(UpperTriangular(Transposed(l)));
      EXPECT_TRUE(UpperTriangular(u));
      for (int i = 0; i < n; ++i) EXPECT_EQ(l.at(i, i), 1.0);
      EXPECT_MATRIX_NEAR(Product(l, u), shaped, 1e-13) << n << " x " << cols;
    }
  }
}

TEST(CholeskySplit, ZeroOrNotSquareFails) {
  Matrix zero(3, 3);
  EXPECT_FALSE(CholeskySplit(zero));
  Matrix notSquare = MatrixOf(2, 3, {4, 2, 1, 2, 3, 1});
  EXPECT_FALSE(CholeskySplit(notSquare));
}

TEST(CholeskySplit, RandomPositiveDefiniteMatricesReassemble) {
  Random rng;
  for (int n : kSizes) {
    Matrix b = RandomMatrix(n, n, rng);
    Matrix a = Product(b, Transposed(b));
    for (int i = 0; i < n; ++i) a.at(i, i) += 1;
    Matrix g = a;
    ASSERT_TRUE(CholeskySplit(g)) << n;
    EXPECT_TRUE(UpperTriangular(Transposed(g)));
    EXPECT_MATRIX_NEAR(Product(g, Transposed(g)), a, 1e-13) << n;
  }
}

}  // namespace
}  // namespace orvo::test
