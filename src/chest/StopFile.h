// Reading a stop file (".stop"): one 56-pipe stop given octave by octave.
#pragma once

#include <string>

namespace ventrel {

class CWindchest;
class Ui;

inline constexpr int kStopFilePipes = 56;

// On an empty chest, the file becomes stop 0; on a chest with stops, it is appended as one new
// stop 150 mm behind the previous ones. False (with a message, the chest unchanged) when the chest
// is full, the text holds no number or a negative size.
bool ReadStopFile(CWindchest &chest, const std::string &text, Ui &ui);

} // namespace ventrel
