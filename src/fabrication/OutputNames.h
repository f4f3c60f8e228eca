// Names of the files derived from a chest file's name.
#pragma once

#include <string>

namespace ventrel {

// The name cut before its first '.', followed by the suffix: orgue.dat gives orgue_som.dxf. A name
// without '.' keeps its whole self before the suffix, so the output never takes the input's name;
// the leading dots of a hidden file's name are kept (.hidden.dat gives .hidden_som.dxf).
std::string DerivedName(const std::string &name, const std::string &suffix);

} // namespace ventrel
