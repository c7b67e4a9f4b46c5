#include "hub/ranking_sort.h"

#include <cstddef>

namespace tsubura {

namespace {

struct Span {
    std::int64_t *keys;
    int *items;
};

// Sorts [lo, hi) of `a`; `tmp` has room for the left half of any call.
void mergeSort(Span a, Span tmp, std::size_t lo, std::size_t hi) {
    if (hi - lo < 2) return;
    const std::size_t mid = lo + (hi - lo) / 2;
    mergeSort(a, tmp, lo, mid);
    mergeSort(a, tmp, mid, hi);
    if (a.keys[mid - 1] <= a.keys[mid]) return;  // already in order

    const std::size_t leftCount = mid - lo;
    for (std::size_t k = 0; k < leftCount; ++k) {
        tmp.keys[k] = a.keys[lo + k];
        tmp.items[k] = a.items[lo + k];
    }
    std::size_t left = 0;
    std::size_t right = mid;
    std::size_t out = lo;
    while (left < leftCount && right < hi) {
        // Taking the left entry on equal keys is what keeps the sort stable.
        if (tmp.keys[left] <= a.keys[right]) {
            a.keys[out] = tmp.keys[left];
            a.items[out++] = tmp.items[left++];
        } else {
            a.keys[out] = a.keys[right];
            a.items[out++] = a.items[right++];
        }
    }
    while (left < leftCount) {
        a.keys[out] = tmp.keys[left];
        a.items[out++] = tmp.items[left++];
    }
}

}  // namespace

void rankingSort(std::vector<std::int64_t> &keys, std::vector<int> &items) {
    const std::size_t n = keys.size() < items.size() ? keys.size() : items.size();
    if (n < 2) return;
    std::vector<std::int64_t> tmpKeys(n / 2 + 1);
    std::vector<int> tmpItems(n / 2 + 1);
    mergeSort({keys.data(), items.data()}, {tmpKeys.data(), tmpItems.data()}, 0, n);
}

}  // namespace tsubura
