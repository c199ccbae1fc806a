#pragma once
#include <string_view>

// Messages of the syntax check and the evaluation core, exactly as the console shows them.
namespace orvo::msg {

inline constexpr std::string_view kUnknownChar = "Error: Unknown char: ";
inline constexpr std::string_view kIllegalDots = "Error: Illegal use of dots: ";
inline constexpr std::string_view kMissingBrackets =
    "() function missing brackets";  // after "Error: " + name
inline constexpr std::string_view kBracketLeftExcess =
    " left excessive or ";  // "Error: bracket: n ... n right missing"
inline constexpr std::string_view kBracketRightExcess =
    " right excessive or ";  // "Error: bracket: n ... n left missing"
inline constexpr std::string_view kIllegalBrackets =
    "Error: Illegal use of brackets, like x+y+z)+(x+y+z";
inline constexpr std::string_view kCheckDisrupted =
    "\r\n/Error checking was disrupted by above critical error(s)/";
inline constexpr std::string_view kIllegalComma = "Error: Illegal use of comma";
inline constexpr std::string_view kParameterCount = " function, parameter(s) missing or excessive";
inline constexpr std::string_view kTooLong = "Error: The expression is too long";
inline constexpr std::string_view kOverflow = "Error: Overflow";

}  // namespace orvo::msg
