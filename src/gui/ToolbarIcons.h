// The toolbar pictures: SVG drawings in resources/icons, built into the program.
#pragma once

#include <QIcon>
#include <QString>

namespace ventrel {

// The picture named `name` (resources/icons/NAME.svg), drawn separately at each pixel size a
// toolbar asks for (1x and 2x), so that its lines fall on whole pixels; a null icon when no such
// picture exists.
QIcon ToolbarIcon(const QString &name);

// The name of the picture of a toolbar button, by command id; "" for none.
const char *ToolbarPicture(int id);

} // namespace ventrel
