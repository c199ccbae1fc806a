#pragma once
#include <string>
#include <string_view>

#include "engine/evaluator.h"

namespace orvo::detail {

// The function code of a name as the normaliser leaves it, or -1 when there is none.
int LookUpFunctionCode(std::string_view name);

// A name as users type it: the normaliser's protections undone and lower-cased.
std::string DisplayName(std::string_view name);

}  // namespace orvo::detail
