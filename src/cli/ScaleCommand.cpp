// ventrel-cli scale: a stop's pipes computed from its scale, as a .dat section, a .stop file or
// JSON.
#include "Commands.h"
#include "PairArgument.h"

#include "platform/AtomicFile.h"
#include "scale/Footage.h"
#include "scale/ScaleText.h"

#include <nlohmann/json.hpp>

namespace ventrel::cli {
namespace {

struct ScaleOptions {
    StopScale scale;
    std::string footage = "8";
    std::string deviation = "0";
    bool stopped = false;
    bool halfStopped = false;
    std::string origin = "20,20";
    int incx = 1;
    std::string holeTable, footTable;
    bool dat = false, stop = false, json = false, english = false;
    std::string output;
};

// "D:H,D:H,...": (body diameter, hole) pairs in millimetres.
bool ParseTable(const std::string &text, std::vector<std::pair<int, int>> &table) {
    table.clear();
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        int diameter = 0, hole = 0;
        if (!ParsePair(text.substr(start, comma - start), ':', diameter, hole))
            return false;
        table.emplace_back(diameter, hole);
        start = comma + 1;
    }
    return !table.empty();
}

const char *ConstructionName(Construction construction) {
    switch (construction) {
    case Construction::Stopped:
        return "stopped";
    case Construction::HalfStopped:
        return "half-stopped";
    default:
        return "open";
    }
}

nlohmann::json ScaleJson(const StopScale &scale, const std::vector<ScalePipe> &pipes) {
    nlohmann::json deviation = nlohmann::json::array();
    for (const DeviationPoint &point : scale.deviation)
        deviation.push_back({{"note", point.note}, {"ht", point.halfTones}});
    nlohmann::json list = nlohmann::json::array();
    for (const ScalePipe &pipe : pipes)
        list.push_back({{"note", pipe.note},
                        {"ht", pipe.halfTones},
                        {"reference_position", pipe.position},
                        {"frequency", pipe.frequency},
                        {"exact_diameter", pipe.exactDiameter},
                        {"diameter", pipe.diameter},
                        {"hole", pipe.hole},
                        {"foot", pipe.foot},
                        {"length", pipe.length}});
    return {{"name", scale.name},
            {"footage", scale.footage},
            {"footage_text", FormatFootage(scale.footage)},
            {"first_pipe", scale.firstNote},
            {"pipe_count", static_cast<int>(pipes.size())},
            {"construction", ConstructionName(scale.construction)},
            {"square", scale.square},
            {"deviation", deviation},
            {"pitch", scale.pitch},
            {"temperature", scale.temperature},
            {"end_correction", scale.endCorrection},
            {"pipes", list}};
}

// The scale from the options; "" or a message naming the field.
std::string BuildScale(ScaleOptions &options) {
    StopScale &scale = options.scale;
    const auto footage = ParseFootage(options.footage);
    if (!footage)
        return "footage: \"" + options.footage + "\" is not a footage such as 8, 2 2/3 or 1.6";
    scale.footage = *footage;
    std::string error;
    scale.deviation = ParseDeviation(options.deviation, error);
    if (!error.empty())
        return error;
    if (options.stopped && options.halfStopped)
        return "construction: give --stopped or --half-stopped, not both";
    scale.construction = options.stopped       ? Construction::Stopped
                         : options.halfStopped ? Construction::HalfStopped
                                               : Construction::Open;
    if (!options.holeTable.empty() && !ParseTable(options.holeTable, scale.plateHole.table))
        return "plate hole table: expected DIAMETER:HOLE,..., for example 20:6,60:14,150:32";
    if (!options.footTable.empty() && !ParseTable(options.footTable, scale.falseChestHole.table))
        return "false-chest hole table: expected DIAMETER:HOLE,..., for example 20:10,150:70";
    return CheckScale(scale);
}

} // namespace

void AddScaleCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "scale", "Compute a stop's pipes from its scale (half-tones from the Normalmensur)");
    auto o = std::make_shared<ScaleOptions>();
    StopScale &s = o->scale;
    command->add_option("--footage", o->footage,
                        "Footage: 16, 8, 4, 2 2/3, 1 3/5, ... (default 8)");
    command->add_option("--pipes", s.pipeCount, "Number of pipes, 1 to 80 (default 56)");
    command->add_option("--first", s.firstNote,
                        "Keyboard note of the first pipe, 1 = C (default 1)");
    command->add_option("--ht", o->deviation,
                        "Deviation in half-tones along the compass, HT[@NOTE],...: 2,0@25,-1@49");
    command->add_flag("--stopped", o->stopped, "Stopped pipes (a quarter wave long)");
    command->add_flag("--half-stopped", o->halfStopped, "Half-stopped (chimney) pipes");
    command->add_flag("--square", s.square, "Square wooden pipes (side of the same section)");
    command->add_option("--pitch", s.pitch, "a' in Hz, 300 to 600 (default 440)");
    command->add_option("--temperature", s.temperature, "Air temperature in C (default 18)");
    command->add_option("--end-correction", s.endCorrection,
                        "End correction in diameters (default 5/3)");
    command->add_option("--name", s.name, "Stop name, one word (default Principal8)");
    command->add_option("--hole-ratio", s.plateHole.ratio, "Plate hole / diameter (default 0.22)");
    command->add_option("--hole-min", s.plateHole.minimum, "Smallest plate hole, mm (default 6)");
    command->add_option("--hole-max", s.plateHole.maximum, "Largest plate hole, mm, 0 none (40)");
    command->add_option("--hole-table", o->holeTable, "Plate holes by diameter: D:H,D:H,...");
    command->add_option("--foot-ratio", s.falseChestHole.ratio,
                        "False-chest hole / diameter (default 0.5)");
    command->add_option("--foot-min", s.falseChestHole.minimum, "Smallest false-chest hole, mm");
    command->add_option("--foot-max", s.falseChestHole.maximum, "Largest false-chest hole, mm");
    command->add_option("--foot-margin", s.falseChestHole.overHole,
                        "False-chest hole at least the plate hole plus this, mm (default 4)");
    command->add_option("--foot-table", o->footTable, "False-chest holes by diameter: D:H,...");
    command->add_option("--origin", o->origin, "Stop origin X,Y on the chest, mm (default 20,20)");
    command->add_option("--incx", o->incx, "Arrangement code INCX (default 1)");
    auto *dat = command->add_flag("--dat", o->dat, "Print a .dat stop section (the default)");
    auto *stop = command->add_flag("--stop", o->stop, "Print a .stop file (56 pipes, every C)");
    auto *json = command->add_flag("--json", o->json, "Print the pipes as one JSON document");
    dat->excludes(stop)->excludes(json);
    stop->excludes(json);
    command->add_flag("--english", o->english, "English keywords in the .dat section");
    command->add_option("-o", o->output, "Write to this file instead of the standard output");
    command->callback([&run, o] {
        StopPlacement placement;
        if (!ParsePair(o->origin, ',', placement.x0, placement.y0))
            throw CLI::ValidationError("--origin", "origin: expected X,Y, for example 20,40");
        placement.incx = o->incx;
        std::string error = BuildScale(*o);
        if (error.empty())
            error = CheckPlacement(placement);
        std::vector<ScalePipe> pipes;
        if (error.empty())
            pipes = ComputePipes(o->scale, error, o->stop ? kStopFileComputedPipes : -1);
        if (!error.empty()) {
            std::cerr << error << "\n";
            run.status = 2;
            return;
        }
        std::string text;
        if (o->json)
            text = ScaleJson(o->scale, pipes).dump(2) + "\n";
        else if (o->stop)
            text = StopFileText(pipes);
        else
            text = DatStopSection(o->scale, pipes, placement, o->english);
        if (o->stop && o->scale.pipeCount != 56)
            std::cerr << "A stop file always holds 56 pipes: --pipes is not used\n";
        if (o->output.empty()) {
            std::cout << text;
        } else if (!WriteFileAtomically(o->output, text, &error)) {
            run.ui.MessageBox("Cannot write " + o->output + ": " + error);
            run.status = 1;
            return;
        }
        run.status = 0;
    });
}

} // namespace ventrel::cli
