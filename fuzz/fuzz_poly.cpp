// Fuzzing the .poly outline reader: what it accepts is finite, within bounds, and writes back to
// text that reads as the same outline.
#include "outline/L_2D_Drawing.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The reader's bound on coordinates, in millimetres.
constexpr float kLargestCoordinate = 1000000;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using ventrel::L_2D_Drawing;
    L_2D_Drawing outline;
    std::string reason;
    if (!outline.ParsePoly(std::string(reinterpret_cast<const char *>(data), size), reason))
        return 0;
    for (int i = -1; i <= outline.PointCount(); ++i) {
        const auto p = outline.Point(i);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::abs(p.x) > kLargestCoordinate ||
            std::abs(p.y) > kLargestCoordinate)
            std::abort();
    }
    const std::string text = outline.PolyText();
    L_2D_Drawing back;
    if (!back.ParsePoly(text, reason) || back.PolyText() != text)
        std::abort();
    return 0;
}
