#include "WinAnsiText.h"

#include <array>
#include <cstdint>

namespace ventrel {
namespace {

// The characters that Windows ANSI places at 0x80 to 0x9F (0 where the code is unused).
constexpr std::array<char32_t, 32> kWindowsRow = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows ANSI code of a character, or 0 when it has none.
unsigned char WinAnsiCode(char32_t c) {
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (size_t i = 0; i < kWindowsRow.size(); ++i)
        if (kWindowsRow[i] != 0 && kWindowsRow[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// Decodes UTF-8 strictly (no overlong forms, no surrogates); false when the text is not UTF-8.
bool DecodeUtf8(const std::string &text, std::u32string &out) {
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = byte;
        char32_t least = 0;
        if (byte < 0x80) {
            extra = 0;
        } else if ((byte & 0xE0) == 0xC0) {
            extra = 1, c = byte & 0x1F, least = 0x80;
        } else if ((byte & 0xF0) == 0xE0) {
            extra = 2, c = byte & 0x0F, least = 0x800;
        } else if ((byte & 0xF8) == 0xF0) {
            extra = 3, c = byte & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= text.size())
            return false; // cut short
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out.push_back(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

} // namespace

std::u32string DecodeText(const std::string &text) {
    std::u32string characters;
    if (DecodeUtf8(text, characters))
        return characters;
    characters.clear();
    for (char byte : text)
        characters.push_back(static_cast<unsigned char>(byte));
    return characters;
}

std::optional<std::string> ToWinAnsi(const std::string &text) {
    std::string coded;
    coded.reserve(text.size());
    for (char32_t c : DecodeText(text)) {
        const unsigned char code = WinAnsiCode(c);
        if (code == 0)
            return std::nullopt;
        coded.push_back(static_cast<char>(code));
    }
    return coded;
}

} // namespace ventrel
