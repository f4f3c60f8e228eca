// Fuzzing the .poly outline reader.
#include "outline/L_2D_Drawing.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ventrel::L_2D_Drawing outline;
    std::string reason;
    if (outline.ParsePoly(std::string(reinterpret_cast<const char *>(data), size), reason)) {
        for (int i = -1; i <= outline.PointCount(); ++i)
            outline.Point(i);
        outline.PolyText();
    }
    return 0;
}
