// Walking the faces of an index list: runs of corners ended by -1.
#pragma once

#include <vector>

namespace ventrel {

// Calls fn(first, end, k) for face k, whose corners are positions first..end-1 of the list; end is
// the position of its terminator (or the end of the list for an unterminated last run). Returns the
// number of faces.
template <typename Fn> int ForEachFace(const std::vector<int> &index, int count, Fn &&fn) {
    int k = 0;
    int first = 0;
    for (int c = 0; c < count; ++c) {
        if (index[c] != -1)
            continue;
        fn(first, c, k++);
        first = c + 1;
    }
    if (first < count)
        fn(first, count, k++);
    return k;
}

} // namespace ventrel
