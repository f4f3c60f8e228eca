// The 2D pictures of the chest view besides the chest itself: partitions, grid, wooden-pipe boards.
#pragma once

#include "platform/Canvas.h"

namespace ventrel {

class CWindchest;
class Drawing2D;
class L_2D_Drawing;
struct PipeBoards;

// The partition rectangles and lines of a chest, in colour 15 (only when it has rectangles).
void DrawPartitions(Drawing2D &drawing, const CWindchest &chest);
// Lines every 100 mm (in pixels, from the view's corner) across the whole view, in colour 15.
void DrawGrid(Drawing2D &drawing);
// The four boards of the set's first pipe, filled brown, side by side at a third of their size,
// zoomed and moved with the view like the chest.
void DrawPipeBoards(Drawing2D &drawing, const PipeBoards &boards);

// The view's 2D chest paint: background, the outline being drawn (if any), then the chest, its
// partitions and, when asked, the grid.
void PaintChestView(Drawing2D &drawing, const CWindchest *chest, Rgb background, bool showGrid,
                    const L_2D_Drawing *editor = nullptr);

} // namespace ventrel
