#pragma once
#include <string_view>

// Messages of the operators and the general functions, exactly as the console shows them.
namespace orvo::msg {

inline constexpr std::string_view kDividedByZero = "Error: divided by zero";
inline constexpr std::string_view kIntegerQuotientByZero =
    "Error: divided by zero when getting the integer quotient";
inline constexpr std::string_view kRootOfNegative = "Error: minus in the extraction of root";
inline constexpr std::string_view kUnknownOperator = "Unknow operator: ";
inline constexpr std::string_view kUnknownFunction = "Unknow function: ";
// The factorial of a negative integer (its wording is kept as users know it).
inline constexpr std::string_view kFactorialOfNegative = "阶乘fac(x) function, x为负整数";

}  // namespace orvo::msg
