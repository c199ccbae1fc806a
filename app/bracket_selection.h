#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace orvo::app {

// A selection [start, end) in the console's text.
struct TextRange {
  std::size_t start = 0;
  std::size_t end = 0;
  friend bool operator==(const TextRange&, const TextRange&) = default;
};

// What a double click just left of a bracket selects: the bracket at `p`, its partner and
// everything between them. All three kinds of brackets are one kind ("(" pairs with "]").
// Without a partner before the end of the text or before a prompt line ("\\"), the bracket
// alone. Nothing when `p` is outside the text or text[p] is not a bracket. Positions count
// UTF-16 units, as the widget does; line breaks are any single separator character.
std::optional<TextRange> BracketSelection(std::u16string_view text, std::size_t p);

// What a double click on text[p] selects when it is no bracket: the number or word around it
// (letters, digits, "_", "." and "'", with the sign of an exponent: 1.5e-3). Nothing when text[p]
// is none of these.
std::optional<TextRange> NumberOrWordAt(std::u16string_view text, std::size_t p);

}  // namespace orvo::app
