// File names compared without regard to case: extensions and endings in lower case.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ventrel {

// The text with its ASCII letters in lower case.
std::string LowerCase(std::string text);

// The path's extension in lower case, with its dot: "Orgue.ORG" gives ".org", "orgue" gives "".
std::string LowerExtension(const std::filesystem::path &path);

// Whether the name ends with `ending` (given in lower case), in any case: "a.JPG" ends with ".jpg".
bool EndsWithNoCase(std::string_view name, std::string_view ending);

} // namespace ventrel
