// The "Stop from Scale" dialog: a stop's scale typed in, its line previewed, the stop appended.
#pragma once

#include "scale/ScaleChart.h"
#include "scale/ScaleText.h"

#include <map>
#include <string>
#include <vector>

namespace ventrel {

class CWindchest;
class Ui;

class ScaleDialog {
public:
    // Control ids.
    enum : int {
        kName = 1101,
        kFootage,
        kFirst,
        kPipes,
        kConstruction,
        kShape,
        kDeviation,
        kPitch,
        kTemperature,
        kEndCorrection,
        kHoleRatio,
        kHoleMin,
        kHoleMax,
        kFootRatio,
        kFootMargin,
        kOriginX,
        kOriginY,
        kIncx,
        kResult,
        kOk = 1,
    };
    static constexpr const char *kCaption = "Stop from Scale";
    static constexpr const char *kOpen = "open";
    static constexpr const char *kStopped = "stopped";
    static constexpr const char *kHalfStopped = "half-stopped";
    static constexpr const char *kRound = "round";
    static constexpr const char *kSquare = "square";

    struct Control {
        int id;
        const char *label;
    };
    // Every field in the order the dialog lays them out (kResult last).
    static const std::vector<Control> &Controls();
    // The texts a choice field takes (construction, shape); empty for a typed field.
    static std::vector<std::string> Choices(int id);

    // Fields from the default scale; the origin below the chest's stops.
    ScaleDialog(CWindchest &chest, Ui &ui);

    const std::string &Field(int id) const;
    // Sets a field and computes the stop again (the preview follows every edit).
    void SetField(int id, const std::string &text);

    // Reads every field and computes the pipes; false with the message naming the field in
    // Error() (and in the result field) when a value is refused.
    bool Compute();
    const std::string &Error() const { return m_error; }
    const StopScale &Scale() const { return m_scale; }
    const StopPlacement &Placement() const { return m_placement; }
    const std::vector<ScalePipe> &Pipes() const { return m_pipes; }

    // The chart of the preview: the chest's stops, then the new stop's line (the last one).
    std::vector<ChartLine> PreviewLines() const;

    // "OK": appends the stop to the chest. False, with a message and the chest untouched, when a
    // value is refused or the chest is full (the dialog stays open).
    bool Ok();

private:
    CWindchest &m_chest;
    Ui &m_ui;
    std::map<int, std::string> m_fields;
    StopScale m_scale;
    StopPlacement m_placement;
    std::vector<ScalePipe> m_pipes;
    std::string m_error;
};

} // namespace ventrel
