#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluator.h"

namespace orvo::detail {

// Rewrites typed text into the canonical form the splitter reads: wrapped in one pair of
// brackets, an operand after every "(", implicit products and powers written out, postfix "!"
// and "%" made binary, names holding x, y, z, e or digits protected by upper case. Never fails:
// whatever it cannot make sense of is left for the syntax check.
// With `notes`, also lists what the rules dropped of the typed text (DroppedOperators); without,
// it does no bookkeeping.
std::string Normalise(std::string_view text, std::vector<DroppedOperator>* notes = nullptr);

// Normalise for showing a line that is still being typed: nothing is cut from its end, and
// `origin` receives the typed position of every character of the result (-1 for characters the
// normaliser wrote itself).
std::string NormaliseWhole(std::string_view text, std::vector<int>& origin);

// A name as the normaliser left it, as users type it: protections undone, lower case.
std::string DisplayName(std::string_view name);

}  // namespace orvo::detail
