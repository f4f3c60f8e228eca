// The chest from above: pipes, holes, valves, texts, magnets, plate; partitions, grid and boards.
#include "ChestDrawing.h"

#include "CWindchest.h"
#include "Drawing2D.h"
#include "PipeBoards.h"
#include "outline/L_2D_Drawing.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstdlib>

namespace ventrel {
namespace {

const char *SliderWord(int slider) {
    return slider == 1 ? "SLIDER" : slider == 2 ? "SLIDER MASTER" : "UNIT";
}

// The magnets of one row or column stop, behind and in front of (or left and right of) the pipes.
void DrawMagnets(Drawing2D &drawing, const CStop &stop) {
    const int mw =
        drawing.m_magnets ? drawing.m_magnets->magnet_width : ValveCounters{}.magnet_width;
    const int md =
        drawing.m_magnets ? drawing.m_magnets->magnet_depth : ValveCounters{}.magnet_depth;
    const bool rows = std::abs(stop.m_incx) == 1 || std::abs(stop.m_incx) == 33;
    drawing.SelectColour(14);
    for (int k = 0; k < stop.PipeSlots(); ++k) {
        const int x = stop.X(k), y = stop.Y(k), side = stop.m_side[static_cast<size_t>(k)];
        const bool odd = k % 2 == 1;
        if (rows) {
            if ((side == -1 && odd) || side == 1)
                drawing.FrameBox(x - mw / 2, y - md, x + mw / 2, y);
            else if (side == -1)
                drawing.FrameBox(x - mw / 2, y, x + mw / 2, y + md);
        } else if (side == -1) {
            if (odd)
                drawing.FrameBox(x - md, y - mw / 2, x, y + mw / 2);
            else
                drawing.FrameBox(x, y - mw / 2, x + md, y + mw / 2);
        }
    }
}

} // namespace

void CWindchest::Draw(Drawing2D &drawing) const {
    const int stopCount = StopCount();
    if (stopCount == 0)
        return;
    // Texts under a pipe stand 15, 30, 45 and 60 pixels lower whatever the scale.
    const int below[4] = {drawing.ModelLength(15, 1), drawing.ModelLength(30, 1),
                          drawing.ModelLength(45, 1), drawing.ModelLength(60, 1)};
    const CStop &first = Stop(0);
    const CStop &master = Stop(m_master_stop);

    for (int s = 0; s < stopCount; ++s) {
        const CStop &stop = Stop(s);
        const int n = stop.PipeSlots();
        if (!stop.m_mixture) {
            drawing.SetTextColour(drawing.g_textColour);
            drawing.DrawText(stop.m_bounds.x1, stop.m_bounds.y1,
                             Format("%s %d Pipes x0:%d y0:%d %s", stop.m_name.c_str(),
                                    stop.m_pipe_count, stop.m_x0, stop.m_y0,
                                    SliderWord(stop.m_slider)));
        }
        const bool connected = m_show_registers && stop.m_slider == 1 && s != m_master_stop;
        for (int k = 0; k < n; ++k) {
            if (!stop.IsPresent(k))
                continue;
            const int x = stop.X(k), y = stop.Y(k);
            const size_t i = static_cast<size_t>(k);
            if (connected && k >= stop.m_first_pipe - 1) {
                drawing.SelectColour(1);
                drawing.MoveTo(master.X(k), master.Y(k));
                const int own = k - stop.m_first_pipe + 1;
                drawing.LineTo(stop.X(own), stop.Y(own));
            }
            drawing.SelectColour(14);
            drawing.DrawCircle(x, y, stop.m_hole[i] / 2);
            drawing.SelectColour(15);
            if (!stop.m_mixture && stop.m_valve_drawn)
                drawing.DrawCircle(x, y, stop.m_valve[i] / 2);
            drawing.SetTextColour(drawing.g_textColour);
            drawing.DrawText(x, y, Format("%d", stop.m_first_pipe + k));
            if (!drawing.g_hideDimensions) {
                drawing.DrawText(x, y + below[0], Format("%d", stop.m_hole[i]));
                drawing.DrawText(x, y + below[1], Format("%d", stop.m_foot[i]));
                drawing.DrawText(x, y + below[2], Format("%d", stop.m_diameter[i]));
                drawing.DrawText(x, y + below[3], Format("%d %d", x, y));
            }
            if (!stop.HasTurrets()) {
                drawing.SelectColour(2);
                drawing.DrawCircle(x, y, stop.m_foot[i] / 2);
            }
        }
        for (int k = 0; k < n; ++k) {
            if (!stop.IsPresent(k))
                continue;
            const int x = stop.X(k), y = stop.Y(k), w = stop.m_diameter[static_cast<size_t>(k)];
            const bool selected =
                k == stop.m_selected_pipe || stop.m_selected_pipe == CStop::kWholeStop;
            drawing.SelectColour(selected ? 1 : 4);
            if (stop.m_square)
                drawing.FrameBox(x - w / 2, y - w / 2, x + w / 2, y + w / 2);
            else
                drawing.DrawCircle(x, y, w / 2);
            drawing.SelectColour(15);
            const CRectangle &valve = first.m_valve_rects[static_cast<size_t>(k)];
            drawing.FrameBox(valve.x1, valve.y1, valve.x2, valve.y2);
        }
        if (!stop.m_mixture) {
            const CRectangle &b = stop.m_bounds;
            drawing.SelectColour(2);
            drawing.FrameBox(b.x1, b.y1, b.x2, b.y2);
            drawing.SetTextColour(drawing.g_textColour);
            drawing.DrawText(b.x1, b.y1 + 15, Format("%d x %d", b.x2 - b.x1, b.y2 - b.y1));
        }
        if (!stop.HasTurrets() && !stop.m_mixture && m_show_magnets && stop.m_slider == 0)
            DrawMagnets(drawing, stop);
    }

    if (!first.HasTurrets()) {
        drawing.SelectColour(14);
        for (int k = 0; k < m_frame_holes.PipeSlots(); ++k)
            drawing.DrawCircle(m_frame_holes.X(k), m_frame_holes.Y(k),
                               m_frame_holes.m_diameter[static_cast<size_t>(k)] / 2);
    }

    const CRectangle &p = m_plate;
    const int b = m_board_thickness;
    drawing.SelectBrush(4);
    drawing.FrameBox(p.x1, p.y1, p.x2, p.y1 + b);
    drawing.FrameBox(p.x1, p.y2 - b, p.x2, p.y2);
    drawing.FrameBox(p.x1, p.y1 + b, p.x1 + b, p.y2 - b);
    drawing.FrameBox(p.x2 - b, p.y1 + b, p.x2, p.y2 - b);

    drawing.SetTextColour(drawing.g_textColour);
    const int textY = p.y1 - drawing.ModelLength(15);
    drawing.DrawText(p.x1, textY, Format("%d %d %d %d", p.x1, p.x2, p.y1, p.y2));
    drawing.DrawText(p.x1 + drawing.ModelLength(100), textY, Format("%d Pipes", m_valve_count));

    if (Stop(1).m_mixture) {
        drawing.SelectColour(15);
        drawing.FrameBox(p.x1, p.y1 + p.y2, p.x2, p.y1 + p.y2 + 22);
    }
}

void DrawPartitions(Drawing2D &drawing, const CWindchest &chest) {
    const int rects = std::clamp(chest.m_rect_count, 0, CWindchest::kMaxRects);
    if (rects == 0)
        return;
    drawing.SelectColour(15);
    for (int i = 0; i < rects; ++i) {
        const CRectangle &r = chest.m_rects[static_cast<size_t>(i)];
        drawing.FrameBox(r.x1, r.y1, r.x2, r.y2);
    }
    const int lines = std::clamp(chest.m_line_count, 0, CWindchest::kMaxLines);
    for (int i = 0; i < lines; ++i) {
        const CRectangle &l = chest.m_lines[static_cast<size_t>(i)];
        drawing.MoveTo(l.x1, l.y1);
        drawing.LineTo(l.x2, l.y2);
    }
}

void DrawGrid(Drawing2D &drawing) {
    const int step = drawing.ScreenLength(100);
    // At scales below 1/100 the lines would fall on the same pixel forever: no grid then.
    if (step <= 0)
        return;
    drawing.SelectColour(15);
    for (int x = 0; x < drawing.m_viewWidth; x += step) {
        drawing.MoveToPixel(x, 0);
        drawing.LineToPixel(x, drawing.m_viewHeight);
    }
    for (int y = 0; y < drawing.m_viewHeight; y += step) {
        drawing.MoveToPixel(0, y);
        drawing.LineToPixel(drawing.m_viewWidth, y);
    }
}

void DrawPipeBoards(Drawing2D &drawing, const PipeBoards &boards) {
    if (boards.pipes.empty())
        return;
    const int offsets[4] = {10, 100, 200, 300};
    drawing.SelectBrush(6);
    const auto &pipeBoards = boards.pipes.front().boards;
    // Through the view's zoom and pan, like the chest: unzoomed and unmoved, one pixel per unit
    // (a third of a millimetre); the wheel and a drag bring long boards into the view.
    for (size_t i = 0; i < pipeBoards.size(); ++i)
        drawing.RectanglePixel(drawing.ScreenX(offsets[i]), drawing.ScreenY(0),
                               drawing.ScreenX(offsets[i] + pipeBoards[i].width / 3),
                               drawing.ScreenY(pipeBoards[i].length / 3));
}

void PaintChestView(Drawing2D &drawing, const CWindchest *chest, Rgb background, bool showGrid,
                    const L_2D_Drawing *editor) {
    drawing.FillBackground(background);
    drawing.BeginPaint();
    if (editor && drawing.GetCanvas()) {
        editor->Draw(*drawing.GetCanvas(), drawing.g_scale2D, drawing.g_pan.x, drawing.g_pan.y);
        drawing.SelectColour(drawing.CurrentColour()); // the chest's pens again
    }
    if (!chest)
        return;
    chest->Draw(drawing);
    DrawPartitions(drawing, *chest);
    if (showGrid)
        DrawGrid(drawing);
}

} // namespace ventrel
