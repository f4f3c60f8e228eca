// Pages drawn through the canvas and written as a PDF of our own: vector, with the text in the
// standard fonts that every reader has, so that it stays selectable without embedding a font.
#pragma once

#include "platform/CanvasPages.h"

#include <functional>
#include <string>

namespace ventrel {

// Calls `paint` with pages of width_mm x height_mm (in the units of CanvasPages) and gives the
// whole file in `bytes`. False when a text had a character that the standard fonts cannot show:
// such pages need a writer that embeds a font.
bool MakeStandardFontPdf(int widthMm, int heightMm, const std::string &title,
                         const std::function<void(CanvasPages &)> &paint, std::string &bytes);

} // namespace ventrel
