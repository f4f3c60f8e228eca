// Picking a pipe of the 2D chest drawing with the mouse: selection, highlight and status line.
#include "PipePicking.h"

#include "CWindchest.h"
#include "Drawing2D.h"
#include "platform/Ui.h"

namespace ventrel {

bool CWindchest::PickPipe(Drawing2D &drawing, int screenX, int screenY, Ui &ui) {
    bool picked = false;
    for (int s = 0; s < StopCount(); ++s) {
        CStop &stop = Stop(s);
        for (int k = 0; k < stop.PipeSlots(); ++k) {
            const int x = stop.X(k), y = stop.Y(k), w = stop.m_diameter[static_cast<size_t>(k)];
            const int left = drawing.ScreenX(x - w / 2), right = drawing.ScreenX(x + w / 2);
            const int top = drawing.ScreenY(y - w / 2), bottom = drawing.ScreenY(y + w / 2);
            if (screenX < left || screenX > right || screenY < top || screenY > bottom)
                continue;
            // Every pipe under the point is taken in turn: the last one stays selected.
            stop.m_selected_pipe = k;
            m_selected_stop = s;
            picked = true;

            drawing.SelectColour(1);
            drawing.MoveTo(x - 20, y);
            drawing.LineTo(x + 20, y);
            drawing.MoveTo(x, y - 20);
            drawing.LineTo(x, y + 20);
            if (stop.m_square)
                drawing.FrameBox(x - w / 2, y - w / 2, x + w / 2, y + w / 2);
            else
                drawing.DrawCircle(x, y, w / 2);
            if (!stop.HasTurrets()) {
                drawing.SelectColour(2);
                drawing.DrawCircle(x, y, stop.m_foot[static_cast<size_t>(k)] / 2);
            }
            drawing.SelectColour(14);
            drawing.DrawCircle(x, y, stop.m_hole[static_cast<size_t>(k)] / 2);

            ui.StatusMessage(
                Format("Pipe %d Register: %s X=%5d Y=%5d", k + 1, stop.m_name.c_str(), x, y));
        }
    }
    return picked;
}

std::optional<PipePositionFields> PickedPipeFields(const CWindchest &chest) {
    const int s = chest.m_selected_stop;
    if (s < 0 || s >= chest.StopCount())
        return std::nullopt;
    const CStop &stop = chest.Stop(s);
    const int k = stop.m_selected_pipe;
    if (k < 0 || k >= stop.PipeSlots())
        return std::nullopt;
    PipePositionFields fields;
    fields.x = stop.X(k);
    fields.y = stop.Y(k);
    fields.pipe_number = k + 1;
    fields.stop_name = stop.m_name;
    fields.diameter = stop.m_diameter[static_cast<size_t>(k)];
    fields.length = stop.m_length[static_cast<size_t>(k)];
    fields.arrangement = stop.m_incx == 3 ? "FACADE" : "";
    fields.slider = stop.m_slider == 1 ? "SLIDER" : stop.m_slider == 2 ? "SLIDER MASTER" : "UNIT";
    return fields;
}

} // namespace ventrel
