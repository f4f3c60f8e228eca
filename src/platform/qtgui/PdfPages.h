// Multi-page PDF documents drawn through the canvas (vector, text selectable).
#pragma once

#include "platform/CanvasPages.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ventrel {

// Calls `paint` with pages of width_mm x height_mm and writes them as one PDF. The file is
// replaced only when it is completely written; false with a reason in `error` otherwise.
bool WritePdfPages(const std::filesystem::path &path, int widthMm, int heightMm,
                   const std::string &title, const std::function<void(CanvasPages &)> &paint,
                   std::string &error);

} // namespace ventrel
