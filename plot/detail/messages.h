#pragma once
#include <string_view>

// Messages and answer words of the "&plot" command, exactly as the console shows them.
namespace orvo::msg {

inline constexpr std::string_view kPlotMissing =
    "Error: &plot(a;b;f(x);...) Function, missing parameters";
inline constexpr std::string_view kPlotExcessive =
    "Error: &plot(a;b;f(x);...) Function, parameters excessive (four functions at most)";
inline constexpr std::string_view kPlotEqualBounds =
    "Error: &plot(a;b;f(x);...) Function, the bounds are equal";
// Filled with the curve's name ("f1"); the evaluator's message follows on the next line.
inline constexpr std::string_view kPlotNoValue = "Error: %s has no value on the interval";

// Summary words; each line starts with the curve's name and ": ".
inline constexpr std::string_view kConstant = "constant ";
inline constexpr std::string_view kMin = "min ";
inline constexpr std::string_view kMax = "max ";
inline constexpr std::string_view kAt = " at x=";
inline constexpr std::string_view kUnboundedBelow = "unbounded below";
inline constexpr std::string_view kUnboundedAbove = "unbounded above";
inline constexpr std::string_view kUnboundedBoth = "unbounded below and above";
inline constexpr std::string_view kCrosses = "crosses zero near x=";
inline constexpr std::string_view kPole = "pole near x=";
inline constexpr std::string_view kJumps = "jumps near x=";
inline constexpr std::string_view kUndefinedAt = "undefined at x=";
inline constexpr std::string_view kUndefinedFrom = "undefined from x=";
inline constexpr std::string_view kUndefinedTo = " to x=";
// After the first kListed places of one kind: how many more there are.
inline constexpr std::string_view kAndMore = " and ";
inline constexpr std::string_view kMore = " more";

}  // namespace orvo::msg
