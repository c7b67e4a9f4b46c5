#pragma once

#include <cstdint>
#include <vector>

namespace tsubura {

// Sorts keys ascending and moves items with them; equal keys keep their input order.
// keys and items have the same length (a longer one keeps its tail unsorted).
void rankingSort(std::vector<std::int64_t> &keys, std::vector<int> &items);

}  // namespace tsubura
