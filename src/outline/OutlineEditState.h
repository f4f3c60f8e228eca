// The editing state of an outline drawn with the mouse: modes, clicks, snap, undo and elements.
#pragma once

#include "math/Vec.h"

#include <cstdint>
#include <vector>

namespace ventrel {

// A line (kind 9) or a four-point arc (kind 13) drawn in the view only; never written to .poly.
struct DrawingElement {
    int kind = 9;
    Vec2 first;            // start
    Vec2 second;           // end
    std::uint32_t pen = 0; // COLORREF 0x00BBGGRR
    Vec2 third, fourth;    // an arc's second and third clicks
};

struct OutlineEditState {
    static constexpr int kUndoCapacity = 100;
    static constexpr int kSnapStep = 20;

    enum Mode { kFree = 0, kQuarterPreview = 3, kLine = 9, kArc = 13 };

    std::vector<int> undo; // point counts, the top last
    int mode = kFree;
    int click_state = 0; // 0 before the first click of an entry, then 1, 2, 3
    int entry_armed = 0; // 2 once the dialog's POLYLINE button armed point entry
    bool snap = true;
    std::vector<DrawingElement> elements;
    std::vector<Vec2> clicks; // the clicks of the element being entered (modes 9 and 13)
    bool button_down = false; // the left button is held (modes 9 and 13 track the mouse)
    bool show_mouse = false;
    Vec2 mouse; // the mouse cross while the button is held
    bool show_mark = false;
    Vec2 mark; // the last clicked point, marked with a small cross
    bool undo_full_reported = false;
    float preview_length = 0; // the radius of mode 3's preview quarter
};

} // namespace ventrel
