#pragma once
#include <string_view>

// Messages of the syntax check and the evaluation core, exactly as the console shows them;
// Fill (base/message.h) puts the values in place of "%s" and "%d".
namespace orvo::msg {

inline constexpr std::string_view kUnknownChar = "Error: Unknown char: %s";
inline constexpr std::string_view kIllegalDots = "Error: Illegal use of dots: %s";
inline constexpr std::string_view kMissingBrackets = "Error: %s() function missing brackets";
// The excess, then the same number as what is missing on the other side.
inline constexpr std::string_view kBracketLeftExcess =
    "Error: bracket: %d left excessive or %d right missing";
inline constexpr std::string_view kBracketRightExcess =
    "Error: bracket: %d right excessive or %d left missing";
inline constexpr std::string_view kIllegalBrackets =
    "Error: Illegal use of brackets, like x+y+z)+(x+y+z";
inline constexpr std::string_view kCheckDisrupted =
    "\r\n/Error checking was disrupted by above critical error(s)/";
inline constexpr std::string_view kIllegalComma = "Error: Illegal use of comma";
inline constexpr std::string_view kParameterCount =
    "Error: %s function, parameter(s) missing or excessive";
inline constexpr std::string_view kTooLong = "Error: The expression is too long";
inline constexpr std::string_view kOverflow = "Error: Overflow";

}  // namespace orvo::msg
