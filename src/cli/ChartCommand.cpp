// ventrel-cli chart: the scale chart of a chest's stops, written as SVG, PNG or PDF.
#include "ChestInput.h"
#include "Commands.h"
#include "PairArgument.h"

#include "chest/CWindchest.h"
#include "scale/Footage.h"
#include "scale/ScaleChart.h"
#include "scale/StopDeviation.h"

#if VENTREL_HAVE_QTGUI
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PictureFile.h"
#endif

#include <nlohmann/json.hpp>

#include <map>

namespace ventrel::cli {
namespace {

struct ChartOptions {
    ChestOptions chest;
    std::string output;
    PictureSize size{1000, 600};
    std::vector<std::string> footages;
    bool json = false;
};

} // namespace

void AddChartCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "chart", "Draw the scale chart of a chest: each stop's half-tones from the Normalmensur");
    auto options = std::make_shared<ChartOptions>();
    options->chest.AddTo(*command, false);
    command->add_option("-o", options->output, "Picture to write: .svg, .png or .pdf");
    AddSizeOption(*command, options->size, "Picture size WxH in pixels (default 1000x600)",
                  {200, 150});
    command->add_option("--footage", options->footages,
                        "A stop's footage, NAME=F (as 2 2/3); otherwise guessed from its name or "
                        "its first pipe's length");
    command->add_flag("--json", options->json, "Print each stop's footage and deviations as JSON");
    command->callback([&run, options] {
        std::map<std::string, double> footages;
        for (const std::string &given : options->footages) {
            const size_t equals = given.find('=');
            const auto footage =
                equals == std::string::npos ? std::nullopt : ParseFootage(given.substr(equals + 1));
            if (!footage || !(*footage > 0 && *footage <= 64))
                throw CLI::ValidationError("--footage", "footage: expected NAME=F with F above 0 "
                                                        "and at most 64, as Nazard=2 2/3");
            footages[given.substr(0, equals)] = *footage;
        }
        if (options->output.empty() && !options->json)
            throw CLI::ValidationError("-o", "give the picture to write (-o) or --json");
        auto chest = std::make_unique<CWindchest>();
        if (!options->chest.Read(*chest, run.ui)) {
            run.status = 1;
            return;
        }
        const auto lines = ChestChartLines(*chest, footages);
        if (options->json) {
            nlohmann::json stops = nlohmann::json::array();
            for (const ChartLine &line : lines) {
                const CStop &stop = chest->Stop(line.stop);
                const auto given = footages.find(stop.m_name);
                const GuessedFootage guess = given != footages.end()
                                                 ? GuessedFootage{given->second, "given"}
                                                 : GuessFootage(stop);
                nlohmann::json points = nlohmann::json::array();
                for (const DeviationPoint &point : line.points)
                    points.push_back({{"note", point.note}, {"ht", point.halfTones}});
                stops.push_back({{"name", stop.m_name},
                                 {"stop", line.stop},
                                 {"footage", guess.footage},
                                 {"footage_text", FormatFootage(guess.footage)},
                                 {"footage_from", guess.from},
                                 {"points", points}});
            }
            std::cout << nlohmann::json{{"file", chest->m_file_name}, {"stops", stops}}.dump(2)
                      << "\n";
        }
        if (options->output.empty()) {
            run.status = 0;
            return;
        }
#if VENTREL_HAVE_QTGUI
        const auto [width, height] = options->size;
        const auto kind = PictureKindOf(options->output);
        if (!kind)
            throw CLI::ValidationError("-o", "the picture must end in .svg, .png or .pdf");
        EnsureGuiApplication();
        const ScaleChart chart(lines,
                               "Scale chart of " + chest->m_file_name +
                                   ": half-tones from the Normalmensur (155.5 mm at 8' C)",
                               width, height);
        std::string error;
        if (!WritePicture(
                options->output, *kind, width, height, [&](Canvas &canvas) { chart.Draw(canvas); },
                error)) {
            run.ui.MessageBox(
                Format("Cannot write %s: %s", options->output.c_str(), error.c_str()));
            run.status = 1;
            return;
        }
        run.status = 0;
#else
        run.ui.MessageBox("This ventrel-cli was built without the Qt drawing back-end.");
        run.status = 1;
#endif
    });
}

} // namespace ventrel::cli
