#pragma once
#include <string>
#include <string_view>

namespace orvo::detail {

// Rewrites typed text into the canonical form the splitter reads: wrapped in one pair of
// brackets, an operand after every "(", implicit products and powers written out, postfix "!"
// and "%" made binary, names holding x, y, z, e or digits protected by upper case. Never fails:
// whatever it cannot make sense of is left for the syntax check.
std::string Normalise(std::string_view text);

}  // namespace orvo::detail
