#pragma once
#include <array>
#include <string>

#include "engine/evaluator.h"
#include "matrix/matrix.h"
#include "plot/plot.h"
#include "userdef/userdef.h"

namespace orvo {

// All calculator state of one console window. Lives as long as the window; nothing of it is
// written to disk.
struct ConsoleState {
  static constexpr int kMinPrecision = 6;
  static constexpr int kMaxPrecision = 16;
  static constexpr int kScreenSlots = 10;

  explicit ConsoleState(Random& rng) : evaluator(rng) {}

  Evaluator evaluator;       // keeps the user's x, y, z between lines
  int precision = 8;         // significant digits of results, kept within 6..16
  bool bracketCheck = true;  // double click on a bracket selects the bracketed text
  DefinitionStore definitions;
  MatrixSet matrices;                             // mat0, mat1, mat2
  std::array<std::string, kScreenSlots> screens;  // saved screens 1..10; empty = free
  // The last "&plot" with a value to show; the faces draw it when `plotCount` grows.
  PlotRequest plot;
  std::vector<PlotCurve> plotCurves;
  unsigned plotCount = 0;
};

}  // namespace orvo
