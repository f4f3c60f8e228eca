// Integer rectangles and circles of the chest model, in millimetres.
#pragma once

#include <algorithm>

namespace ventrel {

// Millimetre values beyond a kilometre are certainly typing errors; readers limit what they read to
// this range so that every later sum and product stays within range.
inline constexpr int kLargestMillimetres = 1000000;

inline int LimitMillimetres(int value) {
    return std::clamp(value, -kLargestMillimetres, kLargestMillimetres);
}

// Left, right, top, bottom. A partition line is stored as a rectangle whose (x1, y1) and (x2, y2)
// are its two ends.
struct CRectangle {
    int x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    friend bool operator==(const CRectangle &, const CRectangle &) = default;
};

struct CCircle {
    int x = 0, y = 0, r = 0;
    friend bool operator==(const CCircle &, const CCircle &) = default;
};

} // namespace ventrel
