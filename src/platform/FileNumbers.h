// Numbers in the files the program reads and writes: '.' as the decimal point whatever the locale
// the process runs in (a desktop session in French or German gives ',' to printf and scanf).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ventrel {

// Appends `value` exactly as printf's "%<width>.<precision>f" writes it in the "C" locale:
// right-aligned in `width` characters, `precision` decimals ("-0.000000", "inf" and "nan"
// included).
void AppendFixed(std::string &out, double value, int width, int precision = 6);
std::string FixedText(double value, int width, int precision = 6);

// Reads a number as scanf's "%<width>f" reads it in the "C" locale: blanks skipped, then from at
// most `width` characters (0: no limit) an optional sign, decimal digits with an optional '.' and
// exponent, or "nan" / "inf". On success `at` moves past the number; on failure (no number there)
// neither `at` nor `value` changes. A value past the type's range reads as an infinity or zero,
// as with scanf.
bool ReadReal(std::string_view text, std::size_t &at, float &value, int width = 0);
bool ReadReal(std::string_view text, std::size_t &at, double &value, int width = 0);
// The same for "%<width>d"; a value past the range of int reads as its nearest end.
bool ReadInt(std::string_view text, std::size_t &at, int &value, int width = 0);

} // namespace ventrel
