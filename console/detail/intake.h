#pragma once
#include <string>
#include <string_view>

namespace orvo::detail {

// The typed line as commands see it: blanks, tabs and line breaks removed (no-break and thin
// spaces too), all brackets made round, and the minus, times and division signs of pasted
// text made ASCII. Case is left alone.
std::string CleanCommand(std::string_view line);

}  // namespace orvo::detail
