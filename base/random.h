#pragma once
#include <cstdint>

namespace orvo {

// The classic 15-bit C-library generator. The session owns one and never reseeds it, so a
// replayed session draws the same starting points and prints the same digits.
class Random {
 public:
  static constexpr int kMax = 0x7FFF;
  static constexpr int kRange = kMax + 1;  // Next() draws from [0, kRange)

  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_ = 1;
};

}  // namespace orvo
