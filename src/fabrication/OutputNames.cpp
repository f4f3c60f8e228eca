// Names of the files derived from a chest file's name.
#include "OutputNames.h"

namespace ventrel {

std::string DerivedName(const std::string &name, const std::string &suffix) {
    return name.substr(0, name.find('.')) + suffix;
}

} // namespace ventrel
