#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// Takes the item at from out and puts it at to, the others keeping their
// order; nothing when either index is outside the list or they are equal.
template <typename T>
void moveListItem(std::vector<T>& list, int32_t from, int32_t to) {
    const auto size = static_cast<int64_t>(list.size());
    if (from < 0 || to < 0 || from >= size || to >= size || from == to) {
        return;
    }
    const auto first = list.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

// Removes the first item equal to item; nothing when there is none.
template <typename T>
void removeFirstListItem(std::vector<T>& list, const T& item) {
    const auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end()) {
        list.erase(found);
    }
}
