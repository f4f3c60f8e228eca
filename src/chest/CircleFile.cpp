// Reading a circle file (".cir"): n, then n triples x y r, as holes of a chest's first stop.
#include "CTextScanner.h"
#include "CWindchest.h"

#include "platform/FatalInputError.h"
#include "platform/Ui.h"

namespace ventrel {

void CWindchest::ReadCircles(const std::string &text, Ui &ui) {
    CTextScanner scan(text, ui);
    const int written = scan.ReadInt();
    if (written > 2000)
        ui.MessageBox("TROP DE CERCLES", "", MessageButtons::OkCancel);
    const int count = std::clamp(written, 0, kMaxCircles);
    if (written > kMaxCircles)
        ui.MessageBox(Format("%d circles: the circle table holds %d, the others are ignored",
                             written, kMaxCircles));
    m_circle_count = 0;
    for (int i = 0; i < count && !scan.AtEnd(); ++i) {
        CCircle &circle = m_circles[static_cast<size_t>(i)];
        circle.x = LimitMillimetres(scan.ReadInt());
        circle.y = LimitMillimetres(scan.ReadInt());
        circle.r = LimitMillimetres(scan.ReadInt());
        if (circle.r < 0)
            throw FatalInputError(
                1, Format("Circle %d has the negative radius %d", i + 1, circle.r), scan.Line());
        m_circle_count = i + 1;
    }

    CStop &stop = Stop(0);
    stop.Reset();
    stop.m_pipe_count = std::min(m_circle_count, CStop::kMaxPipes);
    if (m_circle_count > CStop::kMaxPipes)
        ui.MessageBox(Format("%d circles: a stop holds %d pipes, only the first %d are shown",
                             m_circle_count, CStop::kMaxPipes, CStop::kMaxPipes));
    for (int i = 0; i < stop.m_pipe_count; ++i) {
        const CCircle &circle = m_circles[static_cast<size_t>(i)];
        const size_t k = static_cast<size_t>(i);
        stop.m_x[k] = circle.x;
        stop.m_y[k] = circle.y;
        stop.m_hole[k] = stop.m_foot[k] = 2 * circle.r;
        stop.m_diameter[k] = 1;
    }
    stop.m_bounds = {0, 1000, 0, 1000};
    m_stop_count = 1;
}

} // namespace ventrel
