// The About box: the program's name and version.
#include "AboutBox.h"

namespace ventrel {

std::string AboutBox::Text() {
    return std::string(kProgram) + " Version " + kVersion +
           "\nWindchest design for pipe-organ builders: layout, plate drawings, cut lists and the "
           "organ in 3D.";
}

} // namespace ventrel
