#pragma once
#include <array>
#include <cassert>
#include <span>

// Matrices and complex numbers: the matrix type, its arithmetic, elimination, inversion,
// decompositions and eigenvalues.
namespace orvo {

// A dense matrix in a fixed 20 x 20 block, copied by value and never allocating. Element (i, j)
// (0-based) lives at i * 20 + j whatever the shape in use; elements outside rows x cols are 0 in
// every matrix an operation creates.
class Matrix {
 public:
  static constexpr int kMaxSize = 20;

  // 1 x 1, all 0.
  Matrix() = default;
  // rows x cols, all 0. Callers clamp sizes into 1..20; the shape is clamped here as well, so
  // that no shape can ever address storage outside the block.
  Matrix(int rows, int cols);
  Matrix(const Matrix&) = default;
  Matrix& operator=(const Matrix&) = default;

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  bool isSquare() const { return rows_ == cols_; }
  // Elimination steps of the `echelon` run that produced this matrix; 0 for any other.
  int stepCount() const { return stepCount_; }
  void setStepCount(int steps) { stepCount_ = steps; }

  // Any element of the 20 x 20 block: the parts outside the shape stay 0, and the splits and
  // the tests rely on reading them as such.
  double& at(int i, int j) {
    assert(i >= 0 && i < kMaxSize && j >= 0 && j < kMaxSize);
    return elements_[i * kMaxSize + j];
  }
  double at(int i, int j) const {
    assert(i >= 0 && i < kMaxSize && j >= 0 && j < kMaxSize);
    return elements_[i * kMaxSize + j];
  }

  // All 400 elements 0, shape kept.
  void clear() { elements_.fill(0.0); }

 private:
  std::array<double, kMaxSize * kMaxSize> elements_{};
  int rows_ = 1;
  int cols_ = 1;
  int stepCount_ = 0;
};

// mat0 (results), mat1 and mat2 (the user's).
using MatrixSet = std::array<Matrix, 3>;

// Near-zero rule of matrix arithmetic: elements of magnitude below 5e-15 (the double just above
// it, to be exact) become exactly 0, so that 0.1 + 0.2 - 0.3 shows as 0.
inline constexpr double kCleanLimit = 5.000000000000001e-15;
void CleanMatrix(Matrix& a);

// n x n identity.
Matrix Identity(int n);

// Element-wise sum and difference (A's shape); all 0 when the shapes differ.
Matrix Add(const Matrix& a, const Matrix& b);
Matrix Subtract(const Matrix& a, const Matrix& b);
// A.rows x B.cols product; all 0 when A.cols differs from B.rows.
Matrix Multiply(const Matrix& a, const Matrix& b);
// d + a_ij, d - a_ij and d * a_ij.
Matrix AddScalar(double d, const Matrix& a);
Matrix ScalarMinus(double d, const Matrix& a);
Matrix MultiplyScalar(double d, const Matrix& a);
Matrix Transpose(const Matrix& a);

// A without row `row` and column `col` (both 1-based, as the user types them), whatever the
// shape. False, with `result` untouched, when a number lies outside the matrix or the matrix has
// a single row or column (nothing would be left).
bool Minor(const Matrix& a, int row, int col, Matrix& result);

// In place: elements with magnitude below d (and elements that are not numbers) become 0.
void Threshold(Matrix& a, double d);

// Gaussian elimination with partial pivoting to upper triangular form. The result's stepCount is
// the number of elimination steps; a step counts even when its pivot column is zero, and the
// elimination stops once the remaining block is zero within 1e-15. `swapCount` receives the
// number of row exchanges.
Matrix Echelon(const Matrix& a, int& swapCount);

// Determinant of a square matrix (closed forms for 2 and 3, elimination otherwise); 1 for a
// matrix that is not square.
double Determinant(const Matrix& a);

// Ranks by a row-echelon elimination in which a pivot column that is zero (within 1e-15) moves
// on to the next column without using up a row: the rank is the number of pivots.
int RowRank(const Matrix& a);
int ColumnRank(const Matrix& a);

// Gauss-Jordan inverse with full pivoting, on the leading cols x cols block. False, with
// `result` the all-zero matrix of A's shape, when a pivot is exactly 0 (A is singular).
bool Inverse(const Matrix& a, Matrix& result);

// Decompositions. Each works in place on the caller's working copies and says whether it
// succeeded; on failure the copies are partly transformed and should be discarded.
//
// Householder QR: A (m x n) becomes R, Q (the caller's m x m) the orthogonal factor, A = Q * R.
// Fails on a zero reflection, which includes every matrix with more columns than rows.
bool QrSplit(Matrix& a, Matrix& q);
// Doolittle LU without pivoting on n = A.rows: L (the caller's n x n) unit lower triangular, U
// (the caller's matrix of A's shape) upper triangular with A = L * U. Fails on an exactly zero
// pivot among the first n - 1.
bool LuSplit(Matrix a, Matrix& l, Matrix& u);
// Cholesky: a square A becomes the lower triangular G with G * G^T = A; only the diagonal and
// the lower triangle are read. Fails on a diagonal value that is not positive and on a matrix
// that is not square.
bool CholeskySplit(Matrix& a);

// All eigenvalues of a square matrix by the double-shift QR iteration, deflating from the bottom
// right. The tolerance is 10^-precision; each eigenvalue (or pair) gets at most maxIterations
// steps. Positions are filled from n-1 down, so the `found` values occupy positions n-found ..
// n-1 of wr (real parts) and wi (imaginary parts), which must hold n values. A matrix that is not
// upper Hessenberg is first reduced to that form by an orthogonal similarity transformation.
// False (found = 0) when A is not square.
bool EigenValues(const Matrix& a, std::span<double> wr, std::span<double> wi, int maxIterations,
                 int precision, int& found);

}  // namespace orvo
