#pragma once
#include <string>
#include <string_view>

// Helpers shared by the definition check and the expansion.
namespace orvo::detail {

// The text without blanks, tabs and line breaks.
std::string WithoutBlanks(std::string_view text);

}  // namespace orvo::detail
