// ventrel-cli draw: the 2D chest drawing as the view paints it, written as SVG, PNG or PDF.
#include "ChestInput.h"
#include "Commands.h"
#include "PairArgument.h"

#include "chest/CWindchest.h"
#include "chest/ChestDrawing.h"
#include "chest/Drawing2D.h"

#if VENTREL_HAVE_QTGUI
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PictureFile.h"
#endif

#include <cmath>
#include <cstdlib>

namespace ventrel::cli {
namespace {

struct DrawOptions {
    ChestOptions chest;
    std::string output;
    float scale = 1.0f;
    std::string pan = "0,0";
    PictureSize size{1280, 800};
    bool hideDimensions = false;
    bool grid = false;
};

} // namespace

void AddDrawCommand(CLI::App &app, Run &run) {
    auto *command =
        app.add_subcommand("draw", "Draw a windchest from above as the 2D view shows it");
    auto options = std::make_shared<DrawOptions>();
    options->chest.AddTo(*command, false);
    command->add_option("-o", options->output, "Picture to write: .svg, .png or .pdf")->required();
    command
        ->add_option("--scale", options->scale,
                     "Pixels per millimetre (the view's zoom), 0.0001 to 1000")
        ->check(CLI::Validator(
            [](std::string &text) {
                char *end = nullptr;
                const double value = std::strtod(text.c_str(), &end);
                return end != text.c_str() && *end == '\0' && std::isfinite(value) &&
                               value >= 1e-4 && value <= 1e3
                           ? std::string()
                           : "the scale is a number from 0.0001 to 1000";
            },
            "0.0001 ... 1000"));
    command->add_option("--pan", options->pan, "Pan offset X,Y in pixels, each within ±1000000");
    AddSizeOption(*command, options->size, "Picture size WxH in pixels");
    command->add_flag("--hide-dimensions", options->hideDimensions,
                      "Leave out the per-pipe dimensions (\"Masq dimensions\")");
    command->add_flag("--grid", options->grid, "Draw the 100 mm grid");
    command->callback([&run, options] {
        int panX = 0, panY = 0;
        if (!ParsePair(options->pan, ',', panX, panY))
            throw CLI::ValidationError("--pan", "expected X,Y within ±1000000, for example 20,-40");
#if VENTREL_HAVE_QTGUI
        const auto [width, height] = options->size;
        const auto kind = PictureKindOf(options->output);
        if (!kind)
            throw CLI::ValidationError("-o", "the picture must end in .svg, .png or .pdf");
        auto chest = std::make_unique<CWindchest>();
        ValveCounters counters;
        if (!options->chest.Open(*chest, counters, run.ui).read) {
            run.status = 1;
            return;
        }

        EnsureGuiApplication();
        // On the screen and in images the view paints on its black background; printing is
        // black on white paper.
        const bool paper = *kind == PictureKind::Pdf;
        const Painting paint = [&](Canvas &canvas) {
            Drawing2D drawing(&canvas, &run.ui);
            drawing.g_scale2D = options->scale;
            drawing.g_pan = {panX, panY};
            drawing.g_hideDimensions = options->hideDimensions;
            drawing.m_viewWidth = width;
            drawing.m_viewHeight = height;
            drawing.m_magnets = &counters;
            drawing.SetPrinting(paper);
            PaintChestView(drawing, chest.get(), paper ? Rgb{255, 255, 255} : Rgb{0, 0, 0},
                           options->grid);
        };
        std::string error;
        if (!WritePicture(options->output, *kind, width, height, paint, error)) {
            run.ui.MessageBox(
                Format("Cannot write %s: %s", options->output.c_str(), error.c_str()));
            run.status = 1;
            return;
        }
        run.status = SaidNoStop(*chest, options->chest.path, run.ui) ? 1 : 0;
#else
        run.ui.MessageBox("This ventrel-cli was built without the Qt drawing back-end.");
        run.status = 1;
#endif
    });
}

} // namespace ventrel::cli
