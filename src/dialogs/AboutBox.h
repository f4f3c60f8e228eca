// The About box: the program's name and version.
#pragma once

#include "Version.h"

#include <string>

namespace ventrel {

struct AboutBox {
    static constexpr const char *kTitle = "About Ventrel";
    static constexpr const char *kProgram = "Ventrel";
    static constexpr const char *kVersion = VENTREL_VERSION;

    // "Ventrel Version <version>" and a line on what the program is for.
    static std::string Text();
};

} // namespace ventrel
