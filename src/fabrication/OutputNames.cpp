// Names of the files derived from a chest file's name.
#include "OutputNames.h"

namespace ventrel {

std::string DerivedName(const std::string &name, const std::string &suffix) {
    // The dots that begin a hidden file's name belong to its stem: .hidden.dat gives
    // .hidden_som.dxf.
    const size_t stem = name.find_first_not_of('.');
    return name.substr(0, stem == std::string::npos ? name.size() : name.find('.', stem)) + suffix;
}

} // namespace ventrel
