// QR (Householder), LU (Doolittle) and Cholesky factorisations.
#include <algorithm>
#include <cmath>
#include <utility>

#include "matrix/matrix.h"

namespace orvo {
namespace {

// A reflection whose scale is this small would divide by (almost) nothing; the column is left
// as it is.
constexpr double kReflectionLimit = 1e-15;

double Cleaned(double value) {
  return std::fabs(value) < kCleanLimit ? 0.0 : value;
}

}  // namespace

bool QrSplit(Matrix& a, Matrix& q) {
  const int m = a.rows();
  const int n = a.cols();
  q = Identity(m);
  // A square matrix is triangular after n - 1 reflections.
  const int reflections = m == n ? n - 1 : n;
  for (int k = 0; k < reflections; ++k) {
    // More columns than rows: no rows are left to reflect.
    if (k >= m) return false;
    // Scale by the largest element so that the sum of squares cannot overflow.
    double u = 0.0;
    for (int i = k; i < m; ++i) u = std::max(u, std::fabs(a.at(i, k)));
    double alpha = 0.0;
    for (int i = k; i < m; ++i) alpha += (a.at(i, k) / u) * (a.at(i, k) / u);
    if (a.at(k, k) > 0.0) u = -u;
    alpha = u * std::sqrt(alpha);
    // A zero column (0/0 above): there is nothing to reflect.
    if (alpha == 0.0 || std::isnan(alpha)) return false;
    u = std::sqrt(2.0 * alpha * (alpha - a.at(k, k)));
    if (std::fabs(u) <= kReflectionLimit) continue;

    // Column k from the diagonal down becomes the reflection vector v; H = I - 2 v v^T.
    a.at(k, k) = (a.at(k, k) - alpha) / u;
    for (int i = k + 1; i < m; ++i) a.at(i, k) /= u;
    for (int j = 0; j < m; ++j) {
      double t = 0.0;
      for (int i = k; i < m; ++i) t += a.at(i, k) * q.at(i, j);
      for (int i = k; i < m; ++i) q.at(i, j) -= 2.0 * t * a.at(i, k);
    }
    for (int j = k + 1; j < n; ++j) {
      double t = 0.0;
      for (int i = k; i < m; ++i) t += a.at(i, k) * a.at(i, j);
      for (int i = k; i < m; ++i) a.at(i, j) -= 2.0 * t * a.at(i, k);
    }
    a.at(k, k) = alpha;
    for (int i = k + 1; i < m; ++i) a.at(i, k) = 0.0;
  }
  // q holds the product of the reflections, Q^T; A = Q * R needs Q itself.
  for (int i = 0; i < m; ++i) {
    for (int j = i + 1; j < m; ++j) std::swap(q.at(i, j), q.at(j, i));
  }
  CleanMatrix(q);
  CleanMatrix(a);
  return true;
}

bool LuSplit(Matrix a, Matrix& l, Matrix& u) {
  const int n = a.rows();
  // The elimination runs over every column, so that a matrix with more columns than rows
  // reassembles as well; columns beyond cols are zero in a taller one.
  const int width = std::max(n, a.cols());
  for (int k = 0; k + 1 < n; ++k) {
    if (a.at(k, k) == 0.0) return false;
    for (int i = k + 1; i < n; ++i) a.at(i, k) /= a.at(k, k);
    for (int i = k + 1; i < n; ++i) {
      for (int j = k + 1; j < width; ++j) a.at(i, j) -= a.at(i, k) * a.at(k, j);
    }
  }
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < width; ++j) {
      double value = Cleaned(a.at(i, j));
      double lower = j < i ? value : j == i ? 1.0 : 0.0;
      double upper = j < i ? 0.0 : value;
      if (j < l.cols() && i < l.rows()) l.at(i, j) = lower;
      if (j < u.cols() && i < u.rows()) u.at(i, j) = upper;
    }
  }
  return true;
}

bool CholeskySplit(Matrix& a) {
  if (!a.isSquare()) return false;
  const int n = a.rows();
  if (!(a.at(0, 0) > 0.0)) return false;
  a.at(0, 0) = std::sqrt(a.at(0, 0));
  for (int i = 1; i < n; ++i) a.at(i, 0) /= a.at(0, 0);
  for (int j = 1; j < n; ++j) {
    for (int k = 0; k < j; ++k) a.at(j, j) -= a.at(j, k) * a.at(j, k);
    if (!(a.at(j, j) > 0.0)) return false;
    a.at(j, j) = std::sqrt(a.at(j, j));
    for (int i = j + 1; i < n; ++i) {
      for (int k = 0; k < j; ++k) a.at(i, j) -= a.at(i, k) * a.at(j, k);
      a.at(i, j) /= a.at(j, j);
    }
  }
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) a.at(i, j) = 0.0;
  }
  return true;
}

}  // namespace orvo
