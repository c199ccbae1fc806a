#pragma once
#include <string>
#include <string_view>

// Physical quantities: numbers with units, their dimensions checked, converted to a unit asked
// for or written in the simplest SI unit. The &u command of the console.
namespace orvo {

class Random;

struct UnitsAnswer {
  std::string text;     // "96.56064 km/h", "29.43 N", "0.5"; or the one-line message
  bool failed = false;  // text is a message
  double value = 0;     // the number in the printed unit
  std::string unit;     // the printed unit; "" for a pure number
};

// `text` is what follows "&u(" as typed (case kept, blanks removed), the closing bracket
// included: "60mph;km/h)". An optional target follows the ";". Numbers are printed with
// `precision` significant digits, as the console prints them; `rng` serves the library's
// functions that search.
UnitsAnswer UnitsCommand(std::string_view text, int precision, Random& rng);

}  // namespace orvo
