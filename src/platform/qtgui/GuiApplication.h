// The Qt application object that painting with fonts needs, for programs without a window.
#pragma once

namespace ventrel {

// Creates a QGuiApplication on the "offscreen" platform (unless QT_QPA_PLATFORM names another)
// when none exists yet; it lives until the program ends. Call it before painting text.
void EnsureGuiApplication();

} // namespace ventrel
