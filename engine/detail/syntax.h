#pragma once
#include <string_view>

// Character classes of the splitter.
namespace orvo::detail {

inline bool IsOperandChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == 'x' || c == 'y' || c == 'z';
}

// Everything else ends an operand, except "(" (the normaliser never leaves one after an operand
// character other than a dot). Upper-case letters, which only the normaliser's protected names
// hold, end it too, so 2exp(1) is a product like 2sin(1); so does any byte of a UTF-8 character.
inline bool IsStopChar(char c) {
  return !IsOperandChar(c) && c != '(' && c != '\0';
}

inline bool IsSingleOperator(char c) {
  return c != '\0' && std::string_view("^*#/+-:,!%").find(c) != std::string_view::npos;
}

inline bool IsComparisonChar(char c) {
  return c != '\0' && std::string_view("<>=&|").find(c) != std::string_view::npos;
}

}  // namespace orvo::detail
