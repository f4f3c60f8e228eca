// The "Stop from Scale" dialog: a stop's scale typed in, its line previewed, the stop appended.
#include "ScaleDialog.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"
#include "scale/Footage.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ventrel {
namespace {

// A number as typed, with a point or a comma as decimal mark, whatever the locale.
bool ParseNumber(std::string text, double &value) {
    std::replace(text.begin(), text.end(), ',', '.');
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const char *begin = text.data() + first;
    const char *end = text.data() + last + 1;
    if (*begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

bool ParseWhole(const std::string &text, int &value) {
    double real = 0;
    if (!ParseNumber(text, real) || real != std::floor(real) || std::fabs(real) > 1e6)
        return false;
    value = static_cast<int>(real);
    return true;
}

std::string Number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

} // namespace

const std::vector<ScaleDialog::Control> &ScaleDialog::Controls() {
    static const std::vector<Control> controls = {
        {kName, "Name"},
        {kFootage, "Footage"},
        {kFirst, "First note (1 = C)"},
        {kPipes, "Pipes"},
        {kConstruction, "Construction"},
        {kShape, "Shape"},
        {kDeviation, "Half-tones (HT@note, ...)"},
        {kPitch, "Pitch a' (Hz)"},
        {kTemperature, "Temperature (C)"},
        {kEndCorrection, "End correction (diameters)"},
        {kHoleRatio, "Plate hole ratio"},
        {kHoleMin, "Plate hole min (mm)"},
        {kHoleMax, "Plate hole max (mm, 0 none)"},
        {kFootRatio, "False-chest hole ratio"},
        {kFootMargin, "False-chest hole over plate hole (mm)"},
        {kOriginX, "Origin X (mm)"},
        {kOriginY, "Origin Y (mm)"},
        {kIncx, "INCX"},
        {kResult, ""},
    };
    return controls;
}

std::vector<std::string> ScaleDialog::Choices(int id) {
    if (id == kConstruction)
        return {kOpen, kStopped, kHalfStopped};
    if (id == kShape)
        return {kRound, kSquare};
    return {};
}

ScaleDialog::ScaleDialog(CWindchest &chest, Ui &ui) : m_chest(chest), m_ui(ui) {
    const StopScale defaults;
    int below = 0;
    for (int s = 0; s < chest.StopCount(); ++s)
        below = std::max(below, chest.Stop(s).m_bounds.y2);
    m_fields[kName] = defaults.name;
    m_fields[kFootage] = FormatFootage(defaults.footage);
    m_fields[kFirst] = std::to_string(defaults.firstNote);
    m_fields[kPipes] = std::to_string(defaults.pipeCount);
    m_fields[kConstruction] = kOpen;
    m_fields[kShape] = kRound;
    m_fields[kDeviation] = "0";
    m_fields[kPitch] = Number(defaults.pitch);
    m_fields[kTemperature] = Number(defaults.temperature);
    m_fields[kEndCorrection] = "5/3";
    m_fields[kHoleRatio] = Number(defaults.plateHole.ratio);
    m_fields[kHoleMin] = std::to_string(defaults.plateHole.minimum);
    m_fields[kHoleMax] = std::to_string(defaults.plateHole.maximum);
    m_fields[kFootRatio] = Number(defaults.falseChestHole.ratio);
    m_fields[kFootMargin] = std::to_string(defaults.falseChestHole.overHole);
    m_fields[kOriginX] = "20";
    m_fields[kOriginY] = std::to_string(chest.StopCount() > 0 ? below + 30 : 20);
    m_fields[kIncx] = "1";
    m_fields[kResult] = "";
    Compute();
}

const std::string &ScaleDialog::Field(int id) const {
    static const std::string none;
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? none : it->second;
}

void ScaleDialog::SetField(int id, const std::string &text) {
    if (id == kResult || m_fields.find(id) == m_fields.end())
        return;
    m_fields[id] = text;
    Compute();
}

bool ScaleDialog::Compute() {
    m_pipes.clear();
    m_error.clear();
    StopScale scale;
    StopPlacement placement;
    auto fail = [this](std::string error) {
        m_error = std::move(error);
        m_fields[kResult] = m_error;
        return false;
    };
    struct Real {
        int id;
        const char *field;
        double *value;
    };
    const Real reals[] = {{kPitch, "pitch", &scale.pitch},
                          {kTemperature, "temperature", &scale.temperature},
                          {kHoleRatio, "plate hole ratio", &scale.plateHole.ratio},
                          {kFootRatio, "false-chest hole ratio", &scale.falseChestHole.ratio}};
    struct Whole {
        int id;
        const char *field;
        int *value;
    };
    const Whole wholes[] = {{kFirst, "first", &scale.firstNote},
                            {kPipes, "pipes", &scale.pipeCount},
                            {kHoleMin, "plate hole minimum", &scale.plateHole.minimum},
                            {kHoleMax, "plate hole maximum", &scale.plateHole.maximum},
                            {kFootMargin, "false-chest hole margin over the plate hole",
                             &scale.falseChestHole.overHole},
                            {kOriginX, "origin", &placement.x0},
                            {kOriginY, "origin", &placement.y0},
                            {kIncx, "incx", &placement.incx}};
    scale.name = Field(kName);
    const auto footage = ParseFootage(Field(kFootage));
    if (!footage)
        return fail("footage: \"" + Field(kFootage) +
                    "\" is not a footage such as 8, 2 2/3 or 1.6");
    scale.footage = *footage;
    for (const Whole &whole : wholes)
        if (!ParseWhole(Field(whole.id), *whole.value))
            return fail(std::string(whole.field) + ": \"" + Field(whole.id) +
                        "\" is not a whole number");
    for (const Real &real : reals)
        if (!ParseNumber(Field(real.id), *real.value))
            return fail(std::string(real.field) + ": \"" + Field(real.id) + "\" is not a number");
    // The end correction may be a fraction, as its default 5/3.
    const auto correction = ParseFootage(Field(kEndCorrection));
    if (!correction)
        return fail("end correction: \"" + Field(kEndCorrection) + "\" is not a number");
    scale.endCorrection = *correction;
    const std::string &construction = Field(kConstruction);
    scale.construction = construction == kStopped       ? Construction::Stopped
                         : construction == kHalfStopped ? Construction::HalfStopped
                                                        : Construction::Open;
    scale.square = Field(kShape) == kSquare;
    std::string error;
    scale.deviation = ParseDeviation(Field(kDeviation), error);
    if (error.empty())
        error = CheckPlacement(placement);
    std::vector<ScalePipe> pipes;
    if (error.empty())
        pipes = ComputePipes(scale, error);
    if (!error.empty())
        return fail(error);
    m_scale = scale;
    m_placement = placement;
    m_pipes = std::move(pipes);
    const ScalePipe &first = m_pipes.front(), &last = m_pipes.back();
    m_fields[kResult] = std::to_string(m_pipes.size()) + " pipes: first " +
                        std::to_string(first.diameter) + " x " + std::to_string(first.length) +
                        " mm, last " + std::to_string(last.diameter) + " x " +
                        std::to_string(last.length) + " mm";
    return true;
}

std::vector<ChartLine> ScaleDialog::PreviewLines() const {
    std::vector<ChartLine> lines = ChestChartLines(m_chest);
    if (!m_pipes.empty()) {
        ChartLine line{m_scale.name + " " + FormatFootage(m_scale.footage) + "' (new)", -1, {}};
        for (const ScalePipe &pipe : m_pipes)
            line.points.push_back({pipe.note, pipe.halfTones});
        lines.push_back(std::move(line));
    }
    return lines;
}

bool ScaleDialog::Ok() {
    if (!Compute()) {
        m_ui.MessageBox(m_error, kCaption);
        return false;
    }
    const int s = m_chest.StopCount();
    if (s >= CWindchest::kMaxStops) {
        m_ui.MessageBox(
            Format("A windchest holds %d stops: the stop is not added", CWindchest::kMaxStops),
            kCaption);
        return false;
    }
    FillStop(m_chest.Stop(s), m_scale, m_pipes, m_placement);
    m_chest.m_stop_count = s + 1;
    return true;
}

} // namespace ventrel
