// Numbers as the content of a PDF page spells them: short, and each followed by a space.
#pragma once

#include <charconv>
#include <string>

namespace ventrel {

inline void AppendNumber(std::string &out, long value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end);
    out += ' ';
}

// A length given in tenths, to one decimal and without a trailing ".0".
inline void AppendTenths(std::string &out, long tenths) {
    if (tenths < 0) {
        out += '-';
        tenths = -tenths;
    }
    AppendNumber(out, tenths / 10);
    if (tenths % 10 != 0) {
        out.back() = '.';
        out += static_cast<char>('0' + tenths % 10);
        out += ' ';
    }
}

} // namespace ventrel
