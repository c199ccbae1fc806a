#pragma once
#include <cstddef>
#include <span>
#include <utility>

namespace orvo {

// Shell sort with the gaps n/2, n/4, ..., 1: an item moves left past another only while
// `before(item, other)`. It needs no strict weak order (a sample may hold not-a-number values),
// and items that neither goes before keep the places it gives them: the definitions' expansion
// order and the sign of a zero among equal values both depend on that, so answers do too.
template <typename Item, typename Before>
void ShellSort(std::span<Item> items, Before before) {
  const std::size_t count = items.size();
  for (std::size_t gap = count / 2; gap > 0; gap /= 2) {
    for (std::size_t i = gap; i < count; ++i) {
      Item moving = std::move(items[i]);
      std::size_t j = i;
      for (; j >= gap && before(moving, items[j - gap]); j -= gap) {
        items[j] = std::move(items[j - gap]);
      }
      items[j] = std::move(moving);
    }
  }
}

}  // namespace orvo
