// What a pipe pick hands to the pipe-position dialog.
#pragma once

#include <optional>
#include <string>

namespace ventrel {

class CWindchest;

// The dialog fields a pick fills, by control: 1059 x, 1060 y, 1063 pipe number, 1064 stop name,
// 1065 diameter, 1066 length, 1067 arrangement word, 1068 slider word.
struct PipePositionFields {
    int x = 0;
    int y = 0;
    int pipe_number = 0; // the pipe's index + 1
    std::string stop_name;
    int diameter = 0;
    int length = 0;
    std::string arrangement; // "FACADE" for INCX 3, else empty
    std::string slider;      // "SLIDER", "SLIDER MASTER" or "UNIT"
};

// The fields of the chest's picked pipe, or nothing when no pipe has been picked.
std::optional<PipePositionFields> PickedPipeFields(const CWindchest &chest);

} // namespace ventrel
