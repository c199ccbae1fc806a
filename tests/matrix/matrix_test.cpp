// The matrix library: arithmetic, elimination, determinant, ranks, inverse, sub-matrices. The
// console answers of small examples are golden transcripts (tests/transcripts/matrix.txt).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/matrix/matrix_testing.h"

namespace orvo::test {
namespace {

TEST(MatrixArithmetic, ShapesThatDoNotFitGiveZeroMatrices) {
  Matrix a = MatrixOf(2, 2, {1, 2, 3, 4});
  Matrix b = MatrixOf(2, 3, {1, 2, 3, 4, 5, 6});
  EXPECT_MATRIX_NEAR(Add(a, b), Matrix(2, 2), 0);
  EXPECT_MATRIX_NEAR(Subtract(a, b), Matrix(2, 2), 0);
  EXPECT_MATRIX_NEAR(Multiply(b, a), Matrix(2, 2), 0);
}

TEST(MatrixArithmetic, ResiduesAndNotANumberAreCleaned) {
  Matrix a = MatrixOf(1, 2, {0.1 + 0.2, 1});
  Matrix b = MatrixOf(1, 2, {-0.3, 1e-15});
  Matrix sum = Add(a, b);
  EXPECT_EQ(sum.at(0, 0), 0.0);  // 5.6e-17 without the rule
  EXPECT_DOUBLE_EQ(sum.at(0, 1), 1 + 1e-15);
  EXPECT_EQ(MultiplyScalar(1e-16, MatrixOf(1, 1, {49})).at(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(MultiplyScalar(1e-16, MatrixOf(1, 1, {51})).at(0, 0), 5.1e-15);
  Matrix m = MatrixOf(1, 3, {std::nan(""), 0.005, -3});
  Threshold(m, 0.01);
  EXPECT_MATRIX_NEAR(m, MatrixOf(1, 3, {0, 0, -3}), 0);
}

TEST(MatrixSub, AnyShapeButNumbersOutsideTheMatrixAreRefusedAndWriteNothing) {
  Matrix result;
  ASSERT_TRUE(Minor(MatrixOf(2, 3, {1, 2, 3, 4, 5, 6}), 1, 2, result));
  EXPECT_MATRIX_NEAR(result, MatrixOf(1, 2, {4, 6}), 0);
  ASSERT_TRUE(Minor(MatrixOf(3, 2, {1, 2, 3, 4, 5, 6}), 3, 1, result));
  EXPECT_MATRIX_NEAR(result, MatrixOf(2, 1, {2, 4}), 0);

  // Numbers outside the matrix, and a single column: refused, and nothing is written.
  const Matrix m = MatrixOf(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  const Matrix column = MatrixOf(3, 1, {1, 2, 3});
  const Matrix marker = MatrixOf(1, 1, {42});
  struct Case {
    const Matrix& m;
    int row, col;
  };
  for (Case c :
       {Case{m, 0, 1}, Case{m, 1, 4}, Case{m, -5, 2}, Case{m, std::numeric_limits<int>::min(), 1},
        Case{m, 1, 1000000000}, Case{column, 1, 1}}) {
    result = marker;
    EXPECT_FALSE(Minor(c.m, c.row, c.col, result)) << c.row << ", " << c.col;
    EXPECT_MATRIX_NEAR(result, marker, 0);
  }
}

TEST(MatrixEchelon, RandomMatricesBecomeUpperTriangularWithTheSameDeterminant) {
  Random rng;
  for (int n : kSizes) {
    Matrix a = RandomMatrix(n, n, rng);
    int swaps = 0;
    Matrix u = Echelon(a, swaps);
    EXPECT_TRUE(UpperTriangular(u)) << n;
    EXPECT_EQ(u.stepCount(), n);
  }
}

TEST(MatrixDeterminant, KnownValues) {
  EXPECT_EQ(Determinant(MatrixOf(4, 4, {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 0, 1, 0, 1})), 0.0);
  EXPECT_EQ(Determinant(MatrixOf(2, 3, {1, 2, 3, 4, 5, 6})), 1.0);  // not square
}

// Vandermonde matrices: det = product over i < j of (x_j - x_i) (the closed form, e.g. Horn &
// Johnson, Matrix Analysis, 0.9.11).
TEST(MatrixDeterminant, VandermondeMatchesItsClosedForm) {
  for (int n : {3, 4, 10}) {
    Matrix v(n, n);
    double expected = 1;
    for (int i = 0; i < n; ++i) {
      double x = 0.5 + 0.25 * i;
      for (int j = 0; j < n; ++j) v.at(i, j) = std::pow(x, j);
      for (int k = 0; k < i; ++k) expected *= x - (0.5 + 0.25 * k);
    }
    EXPECT_NEAR(Determinant(v), expected, 1e-9 * std::fabs(expected)) << n;
  }
}

// det(L U) is the product of U's diagonal for a unit lower triangular L.
TEST(MatrixDeterminant, ProductsOfTriangularFactors) {
  Random rng;
  for (int n : kSizes) {
    Matrix l = Identity(n);
    Matrix u(n, n);
    double expected = 1;
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < i; ++j) l.at(i, j) = RandomUnit(rng);
      for (int j = i; j < n; ++j) u.at(i, j) = RandomUnit(rng);
      u.at(i, i) = 1 + std::fabs(u.at(i, i));
      expected *= u.at(i, i);
    }
    EXPECT_NEAR(Determinant(Product(l, u)), expected, 1e-10 * expected) << n;
  }
}

TEST(MatrixRank, PivotsOfARowEchelonForm) {
  struct Case {
    Matrix m;
    int rank;
  };
  const Case cases[] = {
      {MatrixOf(2, 2, {0, 1, 0, 0}), 1},
      {Matrix(3, 4), 0},
      {MatrixOf(3, 3, {0, 0, 1, 0, 0, 2, 0, 0, 3}), 1},
      {MatrixOf(3, 3, {0, 1, 2, 0, 2, 4, 0, 0, 1}), 2},
      {MatrixOf(2, 2, {0.1, 0.2, 0.3, 0.6}), 1},  // the residue -1.1e-16 is cleaned
      {MatrixOf(1, 3, {0, 0, 5}), 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowRank(c.m), c.rank);
    EXPECT_EQ(ColumnRank(c.m), c.rank);
  }
  for (int n = 1; n <= 20; ++n) {
    EXPECT_EQ(RowRank(Identity(n)), n);
    EXPECT_EQ(ColumnRank(Identity(n)), n);
  }
}

// Copies of r random rows stay copies through the elimination and cancel exactly.
TEST(MatrixRank, RepeatedRowsCountOnce) {
  Random rng;
  for (int n : {4, 10, 20}) {
    for (int r : {1, 2, 3}) {
      Matrix rows = RandomMatrix(r, n, rng);
      Matrix a(n, n);
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) a.at(i, j) = rows.at(i % r, j);
      }
      EXPECT_EQ(RowRank(a), r) << n;
      EXPECT_EQ(ColumnRank(a), r) << n;
    }
  }
}

TEST(MatrixInverse, SingularMatricesFailWithAZeroResult) {
  Matrix singular = MatrixOf(2, 2, {1, 2, 2, 4});
  singular.setStepCount(3);
  for (const Matrix& m : {singular, Matrix(3, 3), MatrixOf(3, 3, {1, 2, 3, 0, 0, 0, 4, 5, 6})}) {
    Matrix result = Identity(4);
    EXPECT_FALSE(Inverse(m, result));
    Matrix zero(m.rows(), m.cols());
    zero.setStepCount(m.stepCount());
    EXPECT_MATRIX_NEAR(result, zero, 0);
    EXPECT_EQ(result.stepCount(), m.stepCount());
  }
}

TEST(MatrixInverse, RandomInversesMultiplyBackToTheIdentity) {
  Random rng;
  for (int n : kSizes) {
    Matrix a = RandomDominant(n, rng);
    Matrix inv;
    ASSERT_TRUE(Inverse(a, inv)) << n;
    EXPECT_MATRIX_NEAR(Product(a, inv), Identity(n), 1e-13) << n;
    EXPECT_MATRIX_NEAR(Product(inv, a), Identity(n), 1e-13) << n;
  }
}

// The Hilbert matrix of order 4 has the integer inverse listed in Higham, Accuracy and
// Stability of Numerical Algorithms, section 28.1.
TEST(MatrixInverse, HilbertMatrixOfOrderFour) {
  Matrix h(4, 4);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) h.at(i, j) = 1.0 / (i + j + 1);
  }
  Matrix inv;
  ASSERT_TRUE(Inverse(h, inv));
  Matrix expected = MatrixOf(4, 4,
                             {16, -120, 240, -140, -120, 1200, -2700, 1680, 240, -2700, 6480, -4200,
                              -140, 1680, -4200, 2800});
  EXPECT_MATRIX_NEAR(inv, expected, 1e-9);
  EXPECT_NEAR(Determinant(h), 1.0 / 6048000, 1e-18);
}

TEST(MatrixLibrary, NotANumberAndInfiniteElementsStayInsideTheMatrix) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  Matrix m = MatrixOf(3, 3, {nan, 1, 2, 3, inf, 5, 6, 7, -inf});
  int swaps = 0;
  for (const Matrix& r : {Echelon(m, swaps), Add(m, m), Multiply(m, m), Transpose(m)}) {
    for (int i = 0; i < 20; ++i) {
      for (int j = 0; j < 20; ++j) {
        if (i >= 3 || j >= 3) {
          EXPECT_EQ(r.at(i, j), 0.0);
        }
      }
    }
  }
  Matrix inv;
  Inverse(m, inv);
  EXPECT_EQ(inv.rows(), 3);
  EXPECT_LE(RowRank(m), 3);
  EXPECT_FALSE(Inverse(MatrixOf(2, 2, {nan, nan, nan, nan}), inv));
}

}  // namespace
}  // namespace orvo::test
