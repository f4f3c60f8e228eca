// Names made valid UTF-8 for files that require it (glTF's JSON).
#pragma once

#include <string>

namespace ventrel {

// The text with its valid UTF-8 sequences kept and every other byte read as Windows-1252 (the
// encoding of names typed on the workshop's older machines), so that "coupé" written as the byte
// 0xE9 stays "coupé". Bytes that code page leaves undefined become U+FFFD.
std::string ValidUtf8(const std::string &text);

} // namespace ventrel
