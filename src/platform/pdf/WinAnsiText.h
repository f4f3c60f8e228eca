// Texts of the description files recoded for the standard PDF fonts (Windows ANSI encoding).
#pragma once

#include <optional>
#include <string>

namespace ventrel {

// The characters of a text: UTF-8 when it is valid UTF-8, otherwise Latin-1 (files written on
// older systems), as the drawing canvases read it.
std::u32string DecodeText(const std::string &text);

// The text in Windows ANSI codes, decoded as DecodeText does. Empty when a character has no glyph
// in that encoding (a control character, or a letter beyond Western European scripts).
std::optional<std::string> ToWinAnsi(const std::string &text);

} // namespace ventrel
