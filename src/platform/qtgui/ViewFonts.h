// The four fonts of the view mapped onto the families installed on this machine.
#pragma once

#include <QFont>
#include <string>

namespace ventrel {

// "Arial", "MS Sans Serif", "Times" and "Wingdings" (any other name is taken as "Arial"), as the
// closest installed family, with the character cell `height` pixels high.
QFont ViewFont(const std::string &family, int height);

} // namespace ventrel
