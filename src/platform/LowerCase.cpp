// File names compared without regard to case: extensions and endings in lower case.
#include "LowerCase.h"

#include <algorithm>
#include <cctype>

namespace ventrel {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string LowerExtension(const std::filesystem::path &path) {
    return LowerCase(path.extension().string());
}

bool EndsWithNoCase(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() &&
           LowerCase(std::string(name.substr(name.size() - ending.size()))) == ending;
}

} // namespace ventrel
