// The widths of the two standard PDF fonts that pages are written with (no font is embedded).
#pragma once

#include <cstdint>

namespace ventrel {

enum class StandardFont { Helvetica, TimesRoman };

// Advance width of a Windows ANSI code in thousandths of the em; 0 for a code with no glyph.
int StandardFontWidth(StandardFont font, unsigned char code);

} // namespace ventrel
