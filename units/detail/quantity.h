#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "units/detail/dimension.h"

namespace orvo {
class Random;
}

namespace orvo::detail {

// A value in SI units and what it measures.
struct Quantity {
  double value = 0;
  Dimension dimension;
};

struct Evaluation {
  std::optional<Quantity> quantity;  // nothing on failure
  std::string error;                 // the message on failure
  bool sawUnit = false;              // whether the text names a unit at all
};

// Evaluates a unit expression (no target, no closing bracket of the command). The library's
// functions draw from `rng` where they search.
Evaluation EvaluateQuantity(std::string_view text, Random& rng);

// The simplest way to write a dimension in SI units: a named unit when one fits exactly (N, J,
// Pa), a named unit with base units when that takes fewer factors (N*s, J/K), else the base
// units (m/s, kg/s^3); "" for dimensionless.
std::string SiUnitText(const Dimension& dimension);

// The unit of a dimension in messages: SiUnitText, or "1" for dimensionless.
std::string UnitText(const Dimension& dimension);

// The kind of quantity for messages: "force", or the SI unit when no kind has a name.
std::string KindText(const Dimension& dimension);

}  // namespace orvo::detail
