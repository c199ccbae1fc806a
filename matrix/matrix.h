#pragma once
#include <array>

// Matrices and complex numbers.
namespace orvo {

// A dense matrix in a fixed 20 x 20 block, copied by value and never allocating.
class Matrix {
 public:
  static constexpr int kMaxSize = 20;

  Matrix() = default;
  Matrix(int rows, int cols) : rows_(rows), cols_(cols) {}
  virtual ~Matrix() = default;

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  double& at(int i, int j) { return elements_[i * kMaxSize + j]; }
  double at(int i, int j) const { return elements_[i * kMaxSize + j]; }

 private:
  std::array<double, kMaxSize * kMaxSize> elements_{};
  int rows_ = 1;
  int cols_ = 1;
  int stepCount_ = 0;
};

// mat0 (results), mat1 and mat2 (the user's).
using MatrixSet = std::array<Matrix, 3>;

}  // namespace orvo
