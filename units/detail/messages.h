#pragma once
#include <string_view>

// Messages of the &u command, exactly as the console shows them; "%s" markers are filled by
// Fill (base/message.h). A unit in a message is the SI unit of the quantity's dimension, or the
// target as typed; a kind is what KindOf names ("length"), or the SI unit when nothing names it.
namespace orvo::msg {

using M = std::string_view;

inline constexpr M kUnitsCannotAdd = "Error: &u: cannot add %s and %s (%s and %s)";
inline constexpr M kUnitsCannotConvert = "Error: &u: cannot convert %s to %s (%s and %s)";
inline constexpr M kUnitsUnknownUnit = "Error: &u: unknown unit %s";
inline constexpr M kUnitsUnknownFunction = "Error: &u: unknown function %s";
inline constexpr M kUnitsNeedsNumber = "Error: &u: %s takes a dimensionless argument, not %s (%s)";
inline constexpr M kUnitsArguments = "Error: &u: wrong number of arguments for %s";
inline constexpr M kUnitsExponentUnit = "Error: &u: an exponent cannot have a unit: %s (%s)";
inline constexpr M kUnitsExponentFraction =
    "Error: &u: cannot raise %s to the power %s (a fraction p/q with q up to 12 is needed)";
inline constexpr M kUnitsExponentRange = "Error: &u: exponent out of range";
inline constexpr M kUnitsOverflow = "Error: &u: overflow";
inline constexpr M kUnitsDividedByZero = "Error: &u: divided by zero";
inline constexpr M kUnitsCannotRead = "Error: &u: cannot read %s";
inline constexpr M kUnitsEndsEarly = "Error: &u: the expression ends too early";
inline constexpr M kUnitsBracket = "Error: &u: a closing bracket is missing";
inline constexpr M kUnitsTooDeep = "Error: &u: too deeply nested";
inline constexpr M kUnitsTargetNumber = "Error: &u: the target must be a unit, not a number";
inline constexpr M kUnitsTwoTargets = "Error: &u: more than one target unit";

}  // namespace orvo::msg
