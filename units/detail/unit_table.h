#pragma once
#include <span>
#include <string_view>

#include "units/detail/dimension.h"

// The units &u knows, as data: one row per unit, and the SI prefixes.
namespace orvo::detail {

// Which prefixes a unit's spellings take.
enum class PrefixRule : unsigned char {
  kNone,   // min, h, in, lb, ...: "kmin" is no unit
  kSi,     // all SI prefixes, quecto to quetta: km, mg, ns, MPa
  kBytes,  // the SI multiples (kB, GB) and the binary ones (KiB, GiB), no fractions
};

struct UnitRow {
  std::string_view names;  // the spellings, separated by blanks; case matters
  double factor;           // one unit in SI units
  Dimension dimension;
  PrefixRule prefixes = PrefixRule::kNone;
  // Offset scales: a temperature of t units is (t + offset) * factor kelvin.
  double offset = 0;
  // The kind of quantity, on the one row that names its dimension in messages.
  std::string_view kind = {};
};

std::span<const UnitRow> UnitRows();

struct Prefix {
  std::string_view symbol;
  double factor;
  bool binary = false;  // Ki, Mi, ...: bytes and bits only
};

// Longest symbols first, so "da" is tried before "d".
std::span<const Prefix> Prefixes();

// A spelling resolved: its row and the prefix's factor (1 without one).
struct FoundUnit {
  const UnitRow* row = nullptr;
  double prefix = 1;
};

// The unit spelt `name`. An exact spelling wins over a prefix and a unit ("min" is the minute,
// "Pa" the pascal, "cd" the candela); then the longest prefix that leaves a spelling of a unit
// taking it ("dam" is deca-metre). Nothing when the name is no unit.
std::optional<FoundUnit> FindUnit(std::string_view name);

// The kind of quantity of a dimension ("length", "force"), or "" when no row names it.
std::string_view KindOf(const Dimension& dimension);

}  // namespace orvo::detail
