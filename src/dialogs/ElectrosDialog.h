// The "ELECTROS" dialog: valve counters and the chest settings, with "Refresh" and "OK".
#pragma once

#include "platform/WorkFolder.h"

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace ventrel {

class CWindchest;
class Ui;
struct ValveCounters;

class ElectrosDialog {
public:
    // Control ids.
    enum : int {
        kMinGap = 1006,
        kChestHeight = 1026,
        kMagnetWidth = 1007,
        kMagnetDepth = 1022,
        kPalletWidth = 1021,
        kPalletDepth = 1008,
        kValves16 = 1009,
        kValves19 = 1010,
        kValves22 = 1011,
        kValves25 = 1012,
        kValves28 = 1013,
        kValves32 = 1014,
        kValves35 = 1024,
        kTotalValves = 1015,
        kDrillingMargin = 1016,
        kValveMargin = 1019,
        kPilotDiameter = 1020,
        kTextures = 1023,
        kConeHeight = 1027,
        kResult = 1017,
        kRefresh = 1018,
        kOk = 1,
    };
    static constexpr const char *kCaption = "ELECTROS";
    static constexpr const char *kSizesOk = "DIAMETRES ELECTROS OK";
    static constexpr const char *kSizesTooLarge = "DIAMETRES ELECTROS TROP GRANDS";
    static constexpr size_t kTexturesLength = 256;

    struct Control {
        int id;
        const char *label;
        bool editable;
    };
    // Every field in the order the dialog lays them out.
    static const std::vector<Control> &Controls();

    // Works on the current chest and the program-wide sizes; fileName and folder are where
    // "Refresh" writes the cut list. Repaints go through ui.
    ElectrosDialog(CWindchest &chest, ValveCounters &valves, std::string fileName,
                   WorkFolder folder, Ui &ui);

    // Fills every field from the chest, the sizes and the counters (done on construction).
    void Load();
    const std::string &Field(int id) const;
    void SetField(int id, const std::string &text);

    // "Refresh": reads the settings from the fields, lays the chest out, writes its cut list, sizes
    // the valves and shows the result. False (nothing stored) when a field is not a number.
    bool Refresh();
    // The "Pilot diameters" field gained focus or changed: the same work with the stored settings.
    void PilotEdited();
    // "OK": stores the settings, lays out and sizes the valves. False (the dialog stays open) when
    // a field is not a number.
    bool Ok();

private:
    // Reads the integer fields; false (nothing stored) when one of them is not a number.
    bool ReadFields(std::initializer_list<int> ids, std::map<int, int> &values);
    void LoadCounters();
    void RefreshStored();

    CWindchest &m_chest;
    ValveCounters &m_valves;
    std::string m_fileName;
    WorkFolder m_folder;
    Ui &m_ui;
    std::map<int, std::string> m_fields;
};

} // namespace ventrel
