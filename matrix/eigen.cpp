// Eigenvalues by the double-shift QR iteration on an upper Hessenberg matrix.
#include <algorithm>
#include <cmath>

#include "matrix/matrix.h"

namespace orvo {
namespace {

// Below this the three elements that define a double-shift reflection count as zero and the
// reflection is skipped.
constexpr double kReflectionLimit = 1e-15;

// Brings a square matrix to upper Hessenberg form by Householder reflections H A H, a
// similarity transformation, so its eigenvalues stay those of the matrix entered. The iteration
// below only ever reads the Hessenberg part; without this step a general matrix would yield the
// eigenvalues of a different one. Columns that are already zero below the subdiagonal are left
// alone, so a Hessenberg matrix goes into the iteration unchanged.
void ReduceToHessenberg(Matrix& a) {
  const int n = a.rows();
  for (int k = 0; k + 2 < n; ++k) {
    bool zeroBelow = true;
    for (int i = k + 2; i < n; ++i) zeroBelow = zeroBelow && a.at(i, k) == 0.0;
    if (zeroBelow) continue;

    double scale = 0.0;
    for (int i = k + 1; i < n; ++i) scale = std::max(scale, std::fabs(a.at(i, k)));
    if (!(scale > 0.0) || !std::isfinite(scale)) continue;

    // v = x - alpha e1 with alpha = -sign(x1) |x|, on the scaled column below the diagonal.
    std::array<double, Matrix::kMaxSize> v{};
    double norm2 = 0.0;
    for (int i = k + 1; i < n; ++i) {
      v[i] = a.at(i, k) / scale;
      norm2 += v[i] * v[i];
    }
    double alpha = v[k + 1] > 0.0 ? -std::sqrt(norm2) : std::sqrt(norm2);
    v[k + 1] -= alpha;
    double vv = 0.0;
    for (int i = k + 1; i < n; ++i) vv += v[i] * v[i];
    if (!(vv > 0.0)) continue;

    // H = I - 2 v v^T / (v^T v), applied from the left to rows k+1.., from the right to columns
    // k+1...
    for (int j = k; j < n; ++j) {
      double t = 0.0;
      for (int i = k + 1; i < n; ++i) t += v[i] * a.at(i, j);
      t = 2.0 * t / vv;
      for (int i = k + 1; i < n; ++i) a.at(i, j) -= t * v[i];
    }
    for (int i = 0; i < n; ++i) {
      double t = 0.0;
      for (int j = k + 1; j < n; ++j) t += a.at(i, j) * v[j];
      t = 2.0 * t / vv;
      for (int j = k + 1; j < n; ++j) a.at(i, j) -= t * v[j];
    }
    a.at(k + 1, k) = alpha * scale;
    for (int i = k + 2; i < n; ++i) a.at(i, k) = 0.0;
  }
}

// The eigenvalues of the 2 x 2 block at rows and columns m-2, m-1, into positions m-2 and m-1.
void SolveTrailingBlock(const Matrix& a, int m, std::span<double> wr, std::span<double> wi) {
  double p0 = a.at(m - 2, m - 2);
  double p1 = a.at(m - 1, m - 1);
  double b = -(p0 + p1);
  double c = p0 * p1 - a.at(m - 2, m - 1) * a.at(m - 1, m - 2);
  double w = b * b - 4.0 * c;
  double y = std::sqrt(std::fabs(w));
  if (w > 0.0) {
    // The larger root first, the other from the product of the roots: no cancellation.
    double sign = b < 0.0 ? -1.0 : 1.0;
    wr[m - 1] = (-b - sign * y) * 0.5;
    wr[m - 2] = c / wr[m - 1];
    wi[m - 1] = 0.0;
    wi[m - 2] = 0.0;
  } else {
    wr[m - 1] = b * -0.5;
    wr[m - 2] = wr[m - 1];
    wi[m - 1] = y * 0.5;
    wi[m - 2] = -wi[m - 1];
  }
}

// Every this many steps without a deflation the shifts are replaced by ad hoc ones: the
// eigenvalue shifts alone cycle for ever on some matrices (a cyclic permutation, the companion
// matrix of x^n - 1), and a different pair breaks the symmetry.
constexpr int kExceptionalShiftEvery = 10;

// The pair of shifts of a double-shift step, by their sum and product.
struct Shifts {
  double sum;
  double product;
};

// The eigenvalues of the trailing 2 x 2 block of the active rows.
Shifts BlockShifts(const Matrix& a, int m) {
  return {a.at(m - 2, m - 2) + a.at(m - 1, m - 1),
          a.at(m - 2, m - 2) * a.at(m - 1, m - 1) - a.at(m - 2, m - 1) * a.at(m - 1, m - 2)};
}

// The ad hoc pair (the eigenvalues of [h, -0.4375 s; s, h] with h = a_m-1,m-1 + 0.75 s), s from
// the last two subdiagonal elements, as in LAPACK's dlahqr. Needs m - l >= 3.
Shifts ExceptionalShifts(const Matrix& a, int m) {
  double s = std::fabs(a.at(m - 1, m - 2)) + std::fabs(a.at(m - 2, m - 3));
  double h = a.at(m - 1, m - 1) + 0.75 * s;
  return {2.0 * h, h * h + 0.4375 * s * s};
}

// One double-shift QR step on rows and columns l .. m-1.
void DoubleShiftStep(Matrix& a, int l, int m, Shifts shifts) {
  for (int i = l + 2; i < m; ++i) a.at(i, i - 2) = 0.0;
  for (int i = l + 3; i < m; ++i) a.at(i, i - 3) = 0.0;
  for (int k = l; k <= m - 2; ++k) {
    const bool three = k < m - 2;  // the reflection spans three rows, else two
    double p;
    double q;
    double r;
    if (k == l) {
      // The first column of (A - s1 I)(A - s2 I), which the step's reflections chase down.
      double x = shifts.sum;
      double y = shifts.product;
      p = a.at(l, l) * (a.at(l, l) - x) + y + a.at(l, l + 1) * a.at(l + 1, l);
      q = a.at(l + 1, l) * (a.at(l, l) + a.at(l + 1, l + 1) - x);
      r = a.at(l + 1, l) * a.at(l + 2, l + 1);
    } else {
      p = a.at(k, k - 1);
      q = a.at(k + 1, k - 1);
      r = three ? a.at(k + 2, k - 1) : 0.0;
    }
    if (std::fabs(r) + std::fabs(q) + std::fabs(p) < kReflectionLimit) continue;

    double s = std::sqrt(r * r + q * q + p * p);
    if (p < 0.0) s = -s;
    if (k > l) a.at(k, k - 1) = -s;
    // The symmetric 3 x 3 reflection [x e f; e y g; f g z].
    double e = -q / s;
    double f = -r / s;
    double x = -p / s;
    double y = -x - f * r / (p + s);
    double g = e * r / (p + s);
    double z = -x - e * q / (p + s);

    for (int j = k; j < m; ++j) {
      double rowK = a.at(k, j);
      double rowK1 = a.at(k + 1, j);
      double newK = x * rowK + e * rowK1;
      double newK1 = e * rowK + y * rowK1;
      if (three) {
        double rowK2 = a.at(k + 2, j);
        newK += f * rowK2;
        newK1 += g * rowK2;
        a.at(k + 2, j) = f * rowK + g * rowK1 + z * rowK2;
      }
      a.at(k + 1, j) = newK1;
      a.at(k, j) = newK;
    }
    const int lastRow = std::min(k + 3, m - 1);
    for (int i = l; i <= lastRow; ++i) {
      double colK = a.at(i, k);
      double colK1 = a.at(i, k + 1);
      double newK = x * colK + e * colK1;
      double newK1 = e * colK + y * colK1;
      if (three) {
        double colK2 = a.at(i, k + 2);
        newK += f * colK2;
        newK1 += g * colK2;
        a.at(i, k + 2) = f * colK + g * colK1 + z * colK2;
      }
      a.at(i, k + 1) = newK1;
      a.at(i, k) = newK;
    }
  }
}

}  // namespace

bool EigenValues(const Matrix& a, std::span<double> wr, std::span<double> wi, int maxIterations,
                 int precision, int& found) {
  found = 0;
  const int n = a.cols();
  if (!a.isSquare() || static_cast<int>(wr.size()) < n || static_cast<int>(wi.size()) < n) {
    return false;
  }
  const double eps = std::pow(10.0, -precision);
  Matrix w = a;
  ReduceToHessenberg(w);

  int m = n;
  int iterations = 0;
  while (m > 0) {
    // l: the top of the bottom block whose subdiagonal is not negligible.
    int l = m - 1;
    while (l > 0 && eps * (std::fabs(w.at(l - 1, l - 1)) + std::fabs(w.at(l, l))) <
                        std::fabs(w.at(l, l - 1))) {
      --l;
    }
    if (l == m - 1) {
      wr[m - 1] = w.at(m - 1, m - 1);
      wi[m - 1] = 0.0;
      m -= 1;
      iterations = 0;
    } else if (l == m - 2) {
      SolveTrailingBlock(w, m, wr, wi);
      m -= 2;
      iterations = 0;
    } else {
      // The limit counts steps since the last deflation.
      if (iterations >= maxIterations) break;
      ++iterations;
      DoubleShiftStep(
          w, l, m,
          iterations % kExceptionalShiftEvery == 0 ? ExceptionalShifts(w, m) : BlockShifts(w, m));
    }
  }
  found = n - m;
  return true;
}

}  // namespace orvo
