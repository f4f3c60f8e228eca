// The workshop report of a chest, laid out on paper pages through the canvas.
#include "WorkshopReport.h"
#include "PlateRecording.h"

#include "chest/ChestDrawing.h"
#include "chest/Drawing2D.h"
#include "chest/ValveSizing.h"
#include "fabrication/OutputNames.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ventrel {
namespace {

constexpr int kU = ReportPages::kUnitsPerMm;
constexpr int kMargin = 10 * kU;     // around every page
constexpr int kTitleBand = 14 * kU;  // the page's heading
constexpr int kFooterBand = 16 * kU; // the scale bar under a plate sheet
// Room around the plate for its dimension lines, and their distance from it, in paper mm.
constexpr int kAround = 15;
constexpr int kDimension = 7;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// The area of a plate sheet the drawing fills, in units.
struct Area {
    int left, top, width, height;
};
Area PlateArea(const PaperSize &paper) {
    return {kMargin, kMargin + kTitleBand, paper.width_mm * kU - 2 * kMargin,
            paper.height_mm * kU - 2 * kMargin - kTitleBand - kFooterBand};
}

// Model millimetres the drawing spans: the plate and room for its dimensions around it.
struct Span {
    int x0, y0, x1, y1;
};
Span ModelSpan(const CWindchest &chest, int scale) {
    const CRectangle &p = chest.m_plate;
    const int around = kAround * scale;
    return {std::min(p.x1, 0) - around, std::min(p.y1, 0) - around, p.x2 + around / 2,
            p.y2 + around / 2};
}

// Text lines flowing down the pages, a new page when one is full.
class Flow {
public:
    Flow(ReportPages &pages, const PaperSize &paper, const std::string &heading)
        : m_pages(pages), m_paper(paper), m_heading(heading) {}

    Canvas &Page() {
        if (!m_canvas)
            Next();
        return *m_canvas;
    }
    // Room for `height` more units, or a new page.
    void Need(int height) {
        if (!m_canvas || m_y + height > m_paper.height_mm * kU - kMargin)
            Next();
    }
    void Text(int x, const std::string &text, int height = 3 * kU, bool bold = false) {
        Need(height + kU);
        Canvas &canvas = Page();
        canvas.SetFont(bold ? "Times" : "Arial", height);
        canvas.SetTextColour(kBlack);
        canvas.Text(kMargin + x, m_y, text);
    }
    // One row of a table: the cells at their column positions (in mm from the margin).
    void Row(const std::vector<std::pair<int, std::string>> &cells, bool header = false) {
        Need(5 * kU);
        for (const auto &[x, text] : cells)
            Text(x * kU, text, 3 * kU, header);
        m_y += 4 * kU + kU / 2;
        if (header)
            Rule();
    }
    void Rule() {
        Canvas &canvas = Page();
        canvas.SetPen(kBlack, 1);
        canvas.MoveTo(kMargin, m_y);
        canvas.LineTo(m_paper.width_mm * kU - kMargin, m_y);
        m_y += kU;
    }
    void Heading(const std::string &text) {
        Need(14 * kU);
        m_y += 3 * kU;
        Text(0, text, 5 * kU, true);
        m_y += 7 * kU;
    }
    void Line(const std::string &text) {
        Text(0, text);
        m_y += 4 * kU + kU / 2;
    }

private:
    void Next() {
        m_canvas = &m_pages.NewPage();
        m_canvas->SetTransparentBackground(true);
        m_canvas->FillRect(0, 0, m_paper.width_mm * kU, m_paper.height_mm * kU, kWhite);
        m_canvas->SetFont("Arial", 3 * kU);
        m_canvas->SetTextColour(kBlack);
        m_canvas->Text(kMargin, kMargin, m_heading);
        m_y = kMargin + 8 * kU;
    }

    ReportPages &m_pages;
    PaperSize m_paper;
    std::string m_heading;
    Canvas *m_canvas = nullptr;
    int m_y = 0;
};

std::string Arrangement(const CWindchest &chest, const CStop &stop) {
    std::string text;
    if (stop.HasTurrets())
        text = "turret";
    else if (stop.m_mixture)
        text = "mixture rank";
    else if (stop.m_incx == 3)
        text = "line (facade)";
    else if (stop.m_incx == 33)
        text = "line, back aligned";
    else if (stop.m_incx == 1)
        text = "two rows, toward +X";
    else if (stop.m_incx == -1)
        text = "two rows, toward -X";
    else
        text = "two columns (INCX " + std::to_string(stop.m_incx) + ")";
    if (stop.m_diatonic)
        text += ", diatonic";
    if (stop.m_slider == 2)
        text += ", slider master";
    else if (stop.m_slider == 1 && chest.m_show_registers)
        text += ", slider";
    text += stop.m_square ? ", square" : ", round";
    return text;
}

void Summary(const CheckResult &checked, const std::string &file, const ReportOptions &options,
             Flow &flow) {
    const CWindchest &chest = *checked.chest;
    const int w = chest.m_plate.x2 - chest.m_plate.x1, d = chest.m_plate.y2 - chest.m_plate.y1;
    const int b = chest.m_board_thickness, l = chest.m_board_width;
    flow.Page();
    flow.Text(0, "Workshop report: " + file, 7 * kU, true);
    flow.Need(0);
    flow.Line("");
    flow.Line("");
    flow.Line("File: " + file + "    Date: " + options.date +
              "    Stops: " + std::to_string(chest.StopCount()) +
              "    Valves: " + std::to_string(chest.m_valve_count) +
              "    Plate: " + std::to_string(w) + " x " + std::to_string(d) +
              " mm, drawn at 1:" + std::to_string(options.scale) + " on " + options.paper.name);

    flow.Heading("Cut list");
    flow.Row({{0, "Board"},
              {90, "Length"},
              {115, "Width"},
              {140, "Thickness"},
              {170, "Quantity"},
              {195, "Drawing"}},
             true);
    auto mm = [](int v) { return std::to_string(v) + " mm"; };
    flow.Row({{0, "Top plate (MEDIUM)"},
              {90, mm(w)},
              {115, mm(d)},
              {140, mm(chest.m_plate_thickness)},
              {170, "1"},
              {195, DerivedName(file, "_som.dxf")}});
    flow.Row({{0, "False chest (plywood)"},
              {90, mm(w)},
              {115, mm(d)},
              {140, mm(10)},
              {170, "1"},
              {195, DerivedName(file, "_fs.dxf")}});
    flow.Row(
        {{0, "Long side boards (plywood)"}, {90, mm(w)}, {115, mm(l)}, {140, mm(b)}, {170, "2"}});
    flow.Row({{0, "Short side boards (plywood)"},
              {90, mm(d - 2 * b)},
              {115, mm(l)},
              {140, mm(b)},
              {170, "2"}});
    flow.Row({{0, "Bottom board, cut in two in the middle"},
              {90, mm(w)},
              {115, mm(d)},
              {140, mm(10)},
              {170, "1"}});

    flow.Heading("Valves");
    std::vector<std::pair<int, std::string>> sizes{{0, "Class"}}, counts{{0, "Valves"}};
    int x = 30;
    for (size_t c = 1; c < kValveClasses.size(); ++c, x += 20) {
        sizes.push_back({x, std::to_string(kValveClasses[c]) + " mm"});
        counts.push_back({x, std::to_string(checked.counters.counts[c])});
    }
    sizes.push_back({x, "Total"});
    counts.push_back({x, std::to_string(chest.m_valve_count)});
    flow.Row(sizes, true);
    flow.Row(counts);
    if (!checked.valves_ok)
        flow.Line("Some holes need a valve beyond the largest class (see the findings).");

    flow.Heading("Stops");
    flow.Row({{0, "Stop"},
              {45, "Pipes"},
              {62, "First pipe"},
              {85, "Arrangement"},
              {165, "Origin"},
              {195, "Bounds x1 .. x2, y1 .. y2 (mm)"}},
             true);
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        const CRectangle &r = stop.m_bounds;
        flow.Row({{0, stop.m_name},
                  {45, std::to_string(stop.m_pipe_count)},
                  {62, std::to_string(stop.m_first_pipe)},
                  {85, Arrangement(chest, stop)},
                  {165, std::to_string(stop.m_x0) + ", " + std::to_string(stop.m_y0)},
                  {195, std::to_string(r.x1) + " .. " + std::to_string(r.x2) + ", " +
                            std::to_string(r.y1) + " .. " + std::to_string(r.y2)}});
    }

    flow.Heading("Checker");
    if (checked.findings.empty())
        flow.Line("No finding: the lists hold one number per pipe, the runs are regular, and every "
                  "hole has its wood.");
    // A chest gone wrong may give thousands; the report shows the first ones.
    constexpr size_t kShown = 200;
    for (size_t i = 0; i < std::min(kShown, checked.findings.size()); ++i)
        flow.Line(FindingLine(checked.findings[i]));
    if (checked.findings.size() > kShown)
        flow.Line("... and " + std::to_string(checked.findings.size() - kShown) +
                  " more findings: ventrel-cli check lists them all.");
}

// A nice model length for the scale bar: 40 to 100 mm long on paper.
int ScaleBarLength(int scale) {
    for (int length : {50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000})
        if (length * kU / scale >= 40 * kU)
            return length;
    return 100000;
}

void ScaleBar(Canvas &canvas, const ReportOptions &options, int left, int top) {
    const int model = ScaleBarLength(options.scale);
    const int length = model * kU / options.scale;
    canvas.SetPen(kBlack, 2);
    canvas.MoveTo(left, top + 3 * kU);
    canvas.LineTo(left + length, top + 3 * kU);
    for (int i = 0; i <= 5; ++i) {
        const int x = left + length * i / 5;
        canvas.MoveTo(x, top + (i % 5 == 0 ? 1 : 2) * kU);
        canvas.LineTo(x, top + 3 * kU);
        if (i % 5 != 4)
            canvas.FillRect(x, top + 2 * kU, x + length / 10, top + 3 * kU, kBlack);
    }
    canvas.SetFont("Arial", 3 * kU);
    canvas.SetTextColour(kBlack);
    canvas.Text(left, top + 4 * kU, "0");
    canvas.Text(left + length - 4 * kU, top + 4 * kU, std::to_string(model) + " mm");
    canvas.Text(left + length + 8 * kU, top + kU, "Scale 1:" + std::to_string(options.scale));
}

// The plate's width and depth as dimension lines above and left of it, in model millimetres.
void Dimensions(Drawing2D &drawing, Canvas &canvas, const CRectangle &plate, int scale) {
    const int above = plate.y1 - kDimension * scale, left = plate.x1 - kDimension * scale;
    const int tick = 2 * scale;
    canvas.SetPen(kBlack, 1);
    auto line = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(drawing.ScreenX(x1), drawing.ScreenY(y1));
        canvas.LineTo(drawing.ScreenX(x2), drawing.ScreenY(y2));
    };
    line(plate.x1, above, plate.x2, above);
    line(plate.x1, above - tick, plate.x1, plate.y1);
    line(plate.x2, above - tick, plate.x2, plate.y1);
    line(left, plate.y1, left, plate.y2);
    line(left - tick, plate.y1, plate.x1, plate.y1);
    line(left - tick, plate.y2, plate.x1, plate.y2);
    canvas.SetFont("Arial", 3 * kU);
    canvas.SetTextColour(kBlack);
    canvas.Text(drawing.ScreenX((plate.x1 + plate.x2) / 2), drawing.ScreenY(above) - 4 * kU,
                std::to_string(plate.x2 - plate.x1) + " mm");
    canvas.Text(drawing.ScreenX(left) - 3 * kU, drawing.ScreenY((plate.y1 + plate.y2) / 2) + 4 * kU,
                std::to_string(plate.y2 - plate.y1) + " mm");
}

void PlateSheets(const CheckResult &checked, const std::string &file, const ReportOptions &options,
                 ReportPages &pages) {
    const CWindchest &chest = *checked.chest;
    const PlateTiling tiling = TilePlate(chest, options);
    const Area area = PlateArea(options.paper);
    const Span span = ModelSpan(chest, options.scale);
    const float unitsPerMm = static_cast<float>(kU) / static_cast<float>(options.scale);
    const int tileWidth = area.width * options.scale / kU;   // model mm per sheet
    const int tileHeight = area.height * options.scale / kU; // model mm per sheet
    const int pageWidth = options.paper.width_mm * kU, pageHeight = options.paper.height_mm * kU;
    // Where the first sheet puts the model's point (x, y), in the page's units; another sheet
    // moves the drawing by a whole number of units.
    const auto panX = [&](int column) {
        return area.left -
               static_cast<int>(std::lround((span.x0 + column * tileWidth) * unitsPerMm));
    };
    const auto panY = [&](int row) {
        return area.top - static_cast<int>(std::lround((span.y0 + row * tileHeight) * unitsPerMm));
    };
    // The plate is drawn once, as the first sheet places it, and each sheet plays what it shows.
    PlateRecording plate;
    Drawing2D drawing(&plate);
    drawing.SetPrinting(true);
    drawing.g_scale2D = unitsPerMm;
    drawing.g_hideDimensions = true;
    drawing.m_fontSize = 2 * kU;
    drawing.m_viewWidth = pageWidth;
    drawing.m_viewHeight = pageHeight;
    drawing.g_pan = {panX(0), panY(0)};
    drawing.BeginPaint();
    chest.Draw(drawing);
    DrawPartitions(drawing, chest);
    Dimensions(drawing, plate, chest.m_plate, options.scale);
    for (int row = 0; row < tiling.rows; ++row) {
        for (int column = 0; column < tiling.columns; ++column) {
            Canvas &canvas = pages.NewPage();
            canvas.FillRect(0, 0, pageWidth, pageHeight, kWhite);
            const int dx = panX(column) - panX(0), dy = panY(row) - panY(0);
            plate.Play(canvas, area.left - dx, area.top - dy, area.left + area.width - dx,
                       area.top + area.height - dy, dx, dy);
            // What the drawing spilled outside its area belongs to the neighbouring sheets.
            canvas.FillRect(0, 0, pageWidth, area.top, kWhite);
            canvas.FillRect(0, area.top + area.height, pageWidth, pageHeight, kWhite);
            canvas.FillRect(0, 0, area.left, pageHeight, kWhite);
            canvas.FillRect(area.left + area.width, 0, pageWidth, pageHeight, kWhite);
            canvas.SetBrush(kBlack);
            canvas.FrameRect(area.left, area.top, area.left + area.width, area.top + area.height);
            canvas.SetFont("Arial", 3 * kU);
            canvas.SetTextColour(kBlack);
            std::string title =
                "Plate of " + file + " at 1:" + std::to_string(options.scale) + ", " + options.date;
            if (tiling.columns * tiling.rows > 1)
                title += "  -  sheet " + std::to_string(row * tiling.columns + column + 1) +
                         " of " + std::to_string(tiling.columns * tiling.rows) + " (column " +
                         std::to_string(column + 1) + ", row " + std::to_string(row + 1) +
                         "; sheets join along the frame)";
            canvas.Text(kMargin, kMargin, title);
            ScaleBar(canvas, options, kMargin, area.top + area.height + 3 * kU);
        }
    }
}

} // namespace

PlateTiling TilePlate(const CWindchest &chest, const ReportOptions &options) {
    const Area area = PlateArea(options.paper);
    const int scale = std::max(1, options.scale);
    const Span span = ModelSpan(chest, scale);
    const long long width = static_cast<long long>(span.x1 - span.x0) * kU;
    const long long height = static_cast<long long>(span.y1 - span.y0) * kU;
    auto sheets = [scale](long long model, int paper) {
        return static_cast<int>(
            std::clamp<long long>((model + static_cast<long long>(paper) * scale - 1) /
                                      (static_cast<long long>(paper) * scale),
                                  1, 100));
    };
    return {sheets(width, area.width), sheets(height, area.height)};
}

void PaintWorkshopReport(const CheckResult &checked, const std::string &file,
                         const ReportOptions &options, ReportPages &pages) {
    ReportOptions safe = options;
    safe.scale = std::clamp(options.scale, 1, 1000);
    PlateSheets(checked, file, safe, pages);
    Flow flow(pages, safe.paper, "Workshop report: " + file + ", " + safe.date);
    Summary(checked, file, safe, flow);
}

} // namespace ventrel
