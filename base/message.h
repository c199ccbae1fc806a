#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace orvo {

// The one way messages take their values: each "%s" or "%d" marker of `pattern` is replaced by
// the next of `values`, in order. A '%' followed by anything else stays as it is, and so does a
// marker left over when the values run out, so a pattern with a literal percent sign is safe.
// Numbers go in through FormatInt and FormatG (base/number_text.h), as the console prints them.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace orvo
