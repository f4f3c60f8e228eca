// The "ELECTROS" dialog: valve counters and the chest settings, with "Refresh" and "OK".
#include "ElectrosDialog.h"

#include "DialogField.h"

#include "chest/CWindchest.h"
#include "chest/ValveSizing.h"
#include "fabrication/CutList.h"
#include "platform/Ui.h"

#include <optional>

namespace ventrel {
namespace {

// The counter fields of the valve classes 16 ... 35 (class indexes 1 ... 7).
constexpr int kCounterFields[7] = {ElectrosDialog::kValves16, ElectrosDialog::kValves19,
                                   ElectrosDialog::kValves22, ElectrosDialog::kValves25,
                                   ElectrosDialog::kValves28, ElectrosDialog::kValves32,
                                   ElectrosDialog::kValves35};

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

const std::vector<ElectrosDialog::Control> &ElectrosDialog::Controls() {
    static const std::vector<Control> controls = {
        {kMinGap, "Inter Pipes min", true},
        {kChestHeight, "Chest Height", true},
        {kMagnetWidth, "Electro X", true},
        {kMagnetDepth, "Electro Y", true},
        {kPalletWidth, "Pallette X", true},
        {kPalletDepth, "Pallette Y", true},
        {kValves16, "16 mm (5/8)", false},
        {kValves19, "19 mm (3/4)", false},
        {kValves22, "22 mm (7/8)", false},
        {kValves25, "25 mm (1)", false},
        {kValves28, "28 mm (1-1/8)", false},
        {kValves32, "32 mm (1-1/4)", false},
        {kValves35, "35 mm (1-3/8)", false},
        {kTotalValves, "Total Valves number", false},
        {kDrillingMargin, "Drilling security", true},
        {kValveMargin, "Valves dimension security", true},
        {kPilotDiameter, "Pilot diameters", true},
        {kTextures, "Textures", true},
        {kConeHeight, "CONES", true},
        {kResult, "", false},
    };
    return controls;
}

ElectrosDialog::ElectrosDialog(CWindchest &chest, ValveCounters &valves, std::string fileName,
                               WorkFolder folder, Ui &ui)
    : m_chest(chest), m_valves(valves), m_fileName(std::move(fileName)),
      m_folder(std::move(folder)), m_ui(ui) {
    Load();
}

void ElectrosDialog::Load() {
    m_fields[kMinGap] = Number(m_chest.m_min_gap);
    m_fields[kChestHeight] = Number(m_chest.m_chest_height);
    m_fields[kMagnetWidth] = Number(m_valves.magnet_width);
    m_fields[kMagnetDepth] = Number(m_valves.magnet_depth);
    m_fields[kPalletWidth] = Number(m_valves.pallet_width);
    m_fields[kPalletDepth] = Number(m_valves.pallet_depth);
    m_fields[kDrillingMargin] = Number(m_chest.m_drilling_margin);
    m_fields[kValveMargin] = Number(m_chest.m_valve_margin);
    m_fields[kPilotDiameter] = Number(m_chest.m_pilot_diameter);
    m_fields[kConeHeight] = Number(m_chest.m_cone_height);
    m_fields.try_emplace(kTextures, "");
    m_fields.try_emplace(kResult, "");
    LoadCounters();
}

void ElectrosDialog::LoadCounters() {
    for (size_t i = 0; i < 7; ++i)
        m_fields[kCounterFields[i]] = Number(m_valves.counts[i + 1]);
    m_fields[kTotalValves] = Number(m_chest.m_valve_count);
}

const std::string &ElectrosDialog::Field(int id) const {
    static const std::string empty;
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? empty : it->second;
}

void ElectrosDialog::SetField(int id, const std::string &text) {
    m_fields[id] = id == kTextures ? text.substr(0, kTexturesLength) : text;
}

bool ElectrosDialog::ReadFields(std::initializer_list<int> ids, std::map<int, int> &values) {
    for (int id : ids) {
        const auto value = ReadIntField(Field(id), m_ui);
        if (!value)
            return false;
        values[id] = *value;
    }
    return true;
}

bool ElectrosDialog::Refresh() {
    // Every field is checked before anything is stored.
    std::map<int, int> values;
    if (!ReadFields({kMinGap, kMagnetWidth, kMagnetDepth, kPalletWidth, kPalletDepth,
                     kDrillingMargin, kValveMargin, kPilotDiameter, kChestHeight, kConeHeight},
                    values))
        return false;
    m_chest.m_min_gap = values[kMinGap];
    m_valves.magnet_width = values[kMagnetWidth];
    m_valves.magnet_depth = values[kMagnetDepth];
    m_valves.pallet_width = values[kPalletWidth];
    m_valves.pallet_depth = values[kPalletDepth];
    m_chest.m_drilling_margin = values[kDrillingMargin];
    m_chest.m_valve_margin = values[kValveMargin];
    m_chest.m_pilot_diameter = values[kPilotDiameter];
    m_chest.m_chest_height = values[kChestHeight];
    m_chest.m_cone_height = values[kConeHeight];
    RefreshStored();
    return true;
}

void ElectrosDialog::PilotEdited() {
    RefreshStored();
}

void ElectrosDialog::RefreshStored() {
    const bool sized = ventrel::Refresh(m_chest, m_fileName, m_folder, m_valves, m_ui);
    m_fields[kResult] = sized ? kSizesOk : kSizesTooLarge;
    LoadCounters();
    m_ui.RequestRepaint();
}

bool ElectrosDialog::Ok() {
    std::map<int, int> values;
    if (!ReadFields({kMinGap, kMagnetWidth, kMagnetDepth, kDrillingMargin, kValveMargin,
                     kPilotDiameter, kConeHeight},
                    values))
        return false;
    m_chest.m_min_gap = values[kMinGap];
    m_valves.magnet_width = values[kMagnetWidth];
    m_valves.magnet_depth = values[kMagnetDepth];
    m_chest.m_drilling_margin = values[kDrillingMargin];
    m_chest.m_valve_margin = values[kValveMargin];
    m_chest.m_pilot_diameter = values[kPilotDiameter];
    m_chest.Layout();
    m_chest.SizeValves(m_valves);
    m_chest.m_cone_height = values[kConeHeight];
    m_ui.RequestRepaint();
    return true;
}

} // namespace ventrel
