// Matrix arithmetic, elimination, ranks and the inverse.
#include "matrix/matrix.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvo {
namespace {

// Below this an element left by an elimination step counts as zero.
constexpr double kEliminationLimit = 1e-15;

// Sets elements of rows first.., columns firstCol.. with magnitude up to the elimination limit to
// 0; says whether any element is left above it.
bool CleanBlock(Matrix& w, int firstRow, int firstCol) {
  bool any = false;
  for (int r = firstRow; r < w.rows(); ++r) {
    for (int c = firstCol; c < w.cols(); ++c) {
      if (std::fabs(w.at(r, c)) <= kEliminationLimit) {
        w.at(r, c) = 0.0;
      } else {
        any = true;
      }
    }
  }
  return any;
}

void SwapRows(Matrix& w, int r1, int r2, int firstCol, int endCol) {
  for (int c = firstCol; c < endCol; ++c) std::swap(w.at(r1, c), w.at(r2, c));
}

void SwapCols(Matrix& w, int c1, int c2, int endRow) {
  for (int r = 0; r < endRow; ++r) std::swap(w.at(r, c1), w.at(r, c2));
}

// The row of the largest magnitude in column `col` from row `first` down; the first wins a tie.
int PivotRow(const Matrix& w, int first, int col) {
  int best = first;
  for (int r = first + 1; r < w.rows(); ++r) {
    if (std::fabs(w.at(r, col)) > std::fabs(w.at(best, col))) best = r;
  }
  return best;
}

// Subtracts multiples of row `pivot` from the rows below it, clearing column `col` under it.
void EliminateBelow(Matrix& w, int pivot, int col) {
  for (int r = pivot + 1; r < w.rows(); ++r) {
    double f = -w.at(r, col) / w.at(pivot, col);
    w.at(r, col) = 0.0;
    for (int c = col + 1; c < w.cols(); ++c) w.at(r, c) += f * w.at(pivot, c);
  }
}

// Number of pivots of a row-echelon elimination. A column with no usable pivot moves on to the
// next column but keeps the row, so 0 1 / 0 1 has rank 1 and the zero matrix rank 0.
int PivotCount(Matrix w) {
  CleanBlock(w, 0, 0);
  int row = 0;
  for (int col = 0; col < w.cols() && row < w.rows(); ++col) {
    int best = PivotRow(w, row, col);
    if (!(std::fabs(w.at(best, col)) > kEliminationLimit)) continue;
    if (best != row) SwapRows(w, row, best, col, w.cols());
    EliminateBelow(w, row, col);
    ++row;
    CleanBlock(w, row, col + 1);
  }
  return row;
}

template <typename Fn>
Matrix ElementWise(const Matrix& a, Fn fn) {
  Matrix result(a.rows(), a.cols());
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < a.cols(); ++j) result.at(i, j) = fn(a.at(i, j), i, j);
  }
  CleanMatrix(result);
  return result;
}

}  // namespace

Matrix::Matrix(int rows, int cols)
    : rows_(std::clamp(rows, 1, kMaxSize)), cols_(std::clamp(cols, 1, kMaxSize)) {}

void CleanMatrix(Matrix& a) {
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < a.cols(); ++j) {
      if (std::fabs(a.at(i, j)) < kCleanLimit) a.at(i, j) = 0.0;
    }
  }
}

Matrix Identity(int n) {
  Matrix result(n, n);
  for (int i = 0; i < result.rows(); ++i) result.at(i, i) = 1.0;
  return result;
}

Matrix Add(const Matrix& a, const Matrix& b) {
  if (a.rows() != b.rows() || a.cols() != b.cols()) return Matrix(a.rows(), a.cols());
  return ElementWise(a, [&b](double x, int i, int j) { return x + b.at(i, j); });
}

Matrix Subtract(const Matrix& a, const Matrix& b) {
  if (a.rows() != b.rows() || a.cols() != b.cols()) return Matrix(a.rows(), a.cols());
  return ElementWise(a, [&b](double x, int i, int j) { return x - b.at(i, j); });
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix result(a.rows(), b.cols());
  if (a.cols() != b.rows()) return result;
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < b.cols(); ++j) {
      double sum = 0.0;
      for (int t = 0; t < a.cols(); ++t) sum += a.at(i, t) * b.at(t, j);
      result.at(i, j) = sum;
    }
  }
  CleanMatrix(result);
  return result;
}

Matrix AddScalar(double d, const Matrix& a) {
  return ElementWise(a, [d](double x, int, int) { return d + x; });
}

Matrix ScalarMinus(double d, const Matrix& a) {
  return ElementWise(a, [d](double x, int, int) { return d - x; });
}

Matrix MultiplyScalar(double d, const Matrix& a) {
  return ElementWise(a, [d](double x, int, int) { return d * x; });
}

Matrix Transpose(const Matrix& a) {
  Matrix result(a.cols(), a.rows());
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < a.cols(); ++j) result.at(j, i) = a.at(i, j);
  }
  return result;
}

bool Minor(const Matrix& a, int row, int col, Matrix& result) {
  if (a.rows() < 2 || a.cols() < 2 || row < 1 || row > a.rows() || col < 1 || col > a.cols()) {
    return false;
  }
  Matrix out(a.rows() - 1, a.cols() - 1);
  for (int i = 0, oi = 0; i < a.rows(); ++i) {
    if (i == row - 1) continue;
    for (int j = 0, oj = 0; j < a.cols(); ++j) {
      if (j == col - 1) continue;
      out.at(oi, oj++) = a.at(i, j);
    }
    ++oi;
  }
  result = out;
  return true;
}

void Threshold(Matrix& a, double d) {
  for (int i = 0; i < a.rows(); ++i) {
    for (int j = 0; j < a.cols(); ++j) {
      double magnitude = std::fabs(a.at(i, j));
      if (magnitude < d || std::isnan(magnitude)) a.at(i, j) = 0.0;
    }
  }
}

Matrix Echelon(const Matrix& a, int& swapCount) {
  Matrix w = a;
  swapCount = 0;
  int s = 0;
  // The first step always runs; each further one needs a row left and a non-zero remaining
  // block, so there are at most rows steps.
  for (;;) {
    int best = PivotRow(w, s, s);
    if (s < w.cols() && best != s) {
      SwapRows(w, s, best, s, w.cols());
      ++swapCount;
    }
    if (w.at(s, s) != 0.0) EliminateBelow(w, s, s);
    ++s;
    bool remaining = CleanBlock(w, s, s);
    if (!(s < w.rows() && remaining)) break;
  }
  w.setStepCount(s);
  return w;
}

double Determinant(const Matrix& a) {
  if (!a.isSquare()) return 1.0;
  const Matrix& m = a;
  switch (a.rows()) {
    case 2:
      return m.at(0, 0) * m.at(1, 1) - m.at(1, 0) * m.at(0, 1);
    case 3:
      // The rule of Sarrus.
      return m.at(2, 1) * m.at(0, 2) * m.at(1, 0) + m.at(2, 0) * m.at(1, 2) * m.at(0, 1) +
             m.at(2, 2) * m.at(1, 1) * m.at(0, 0) - m.at(0, 2) * m.at(2, 0) * m.at(1, 1) -
             m.at(2, 1) * m.at(1, 2) * m.at(0, 0) - m.at(2, 2) * m.at(1, 0) * m.at(0, 1);
    default:
      break;
  }
  int swaps = 0;
  Matrix u = Echelon(a, swaps);
  double product = std::pow(-1.0, swaps);
  for (int i = 0; i < a.rows(); ++i) product *= u.at(i, i);
  return product;
}

int RowRank(const Matrix& a) {
  return PivotCount(a);
}

int ColumnRank(const Matrix& a) {
  return PivotCount(Transpose(a));
}

bool Inverse(const Matrix& a, Matrix& result) {
  const int n = a.cols();
  Matrix w = a;
  std::array<int, Matrix::kMaxSize> pivotRows{};
  std::array<int, Matrix::kMaxSize> pivotCols{};
  for (int k = 0; k < n; ++k) {
    double largest = 0.0;
    pivotRows[k] = k;
    pivotCols[k] = k;
    for (int i = k; i < n; ++i) {
      for (int j = k; j < n; ++j) {
        if (std::fabs(w.at(i, j)) > largest) {
          largest = std::fabs(w.at(i, j));
          pivotRows[k] = i;
          pivotCols[k] = j;
        }
      }
    }
    if (largest == 0.0) {
      result = Matrix(a.rows(), a.cols());
      result.setStepCount(a.stepCount());
      return false;
    }
    if (pivotRows[k] != k) SwapRows(w, k, pivotRows[k], 0, n);
    if (pivotCols[k] != k) SwapCols(w, k, pivotCols[k], n);
    w.at(k, k) = 1.0 / w.at(k, k);
    for (int j = 0; j < n; ++j) {
      if (j != k) w.at(k, j) *= w.at(k, k);
    }
    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      for (int j = 0; j < n; ++j) {
        if (j != k) w.at(i, j) -= w.at(i, k) * w.at(k, j);
      }
    }
    for (int i = 0; i < n; ++i) {
      if (i != k) w.at(i, k) = -w.at(i, k) * w.at(k, k);
    }
  }
  // Undo the exchanges in reverse: a row exchange of the input is a column exchange of the
  // inverse and the other way round.
  for (int k = n - 1; k >= 0; --k) {
    if (pivotCols[k] != k) SwapRows(w, k, pivotCols[k], 0, n);
    if (pivotRows[k] != k) SwapCols(w, k, pivotRows[k], n);
  }
  CleanMatrix(w);
  result = w;
  return true;
}

}  // namespace orvo
