#pragma once
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the definition check and the expansion.
namespace orvo::detail {

// The text without blanks, tabs and line breaks.
std::string WithoutBlanks(std::string_view text);

// Splits a parameter list at every ",": "x,,y" gives "x", "", "y"; "" gives one empty name.
std::vector<std::string_view> SplitParameters(std::string_view parameters);

// Shell sort by `length(item)`, longest first: the gap starts at half the count and is halved
// down to 1, and an item moves left past another only while that one is strictly shorter.
// Items of equal length keep the order this gives, which expansion depends on.
template <typename Item, typename Length>
void ShellSortLongestFirst(std::vector<Item>& items, Length length) {
  const int count = static_cast<int>(items.size());
  for (int gap = count / 2; gap > 0; gap /= 2) {
    for (int i = gap; i < count; ++i) {
      Item taken = std::move(items[i]);
      int j = i - gap;
      for (; j >= 0 && length(items[j]) < length(taken); j -= gap) {
        items[j + gap] = std::move(items[j]);
      }
      items[j + gap] = std::move(taken);
    }
  }
}

}  // namespace orvo::detail
