// The modeless chest-position dialog: the organ's chests, their stops, and where each one stands.
#include "ChestPositionDialog.h"

#include "DialogField.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"

#include <algorithm>

namespace ventrel {

ChestPositionDialog::ChestPositionDialog(Ui &ui, Hooks hooks)
    : m_ui(ui), m_hooks(std::move(hooks)) {
    Open();
}

int ChestPositionDialog::ChestCount() const {
    const ChestTable *table = m_hooks.chests ? m_hooks.chests() : nullptr;
    return table ? std::clamp(table->count, 0, ChestTable::kMaxChests) : 0;
}

void ChestPositionDialog::Open() {
    m_current = 0;
    m_frozen = false;
    m_selection.clear();
    Fill();
}

void ChestPositionDialog::Fill() {
    std::vector<std::string> chests, stops;
    const int count = ChestCount();
    if (m_current >= count)
        m_current = count > 0 ? count - 1 : 0;
    if (count > 0) {
        const ChestTable &table = *m_hooks.chests();
        for (int i = 0; i < count; ++i)
            chests.push_back(Format("%4d %s", i, table[i].m_file_name.c_str()));
        const CWindchest &chest = table[m_current];
        for (int s = 0; s < chest.StopCount(); ++s) {
            const CStop &stop = chest.Stop(s);
            stops.push_back(Format("%4d %s Slider : %2d, Tuyau1 :%3d", s, stop.m_name.c_str(),
                                   stop.m_slider, stop.m_first_pipe));
        }
    }
    m_lines[kChests] = chests;
    m_lines[kChestCopy] = chests;
    m_lines[kStops] = stops;
    m_lines[kStopsEmpty].clear();
    for (auto &[id, selected] : m_selection)
        if (selected >= static_cast<int>(m_lines[id].size()))
            selected = -1;
    ShowPosition();
}

void ChestPositionDialog::ShowPosition() {
    if (ChestCount() == 0) {
        m_fields[kX] = m_fields[kY] = m_fields[kZ] = "0";
        return;
    }
    const CWindchest &chest = (*m_hooks.chests())[m_current];
    m_fields[kX] = std::to_string(chest.m_position[0]);
    m_fields[kY] = std::to_string(chest.m_position[1]);
    m_fields[kZ] = std::to_string(chest.m_position[2]);
}

const std::string &ChestPositionDialog::Field(int id) const {
    static const std::string empty;
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? empty : it->second;
}

void ChestPositionDialog::SetField(int id, const std::string &text) {
    m_fields[id] = text;
    if (id == kX)
        m_lines[kChestCopy] = {kXEdited};
}

const std::vector<std::string> &ChestPositionDialog::Lines(int id) const {
    static const std::vector<std::string> none;
    const auto it = m_lines.find(id);
    return it == m_lines.end() ? none : it->second;
}

int ChestPositionDialog::Selection(int id) const {
    const auto it = m_selection.find(id);
    return it == m_selection.end() ? -1 : it->second;
}

void ChestPositionDialog::SelectChest(int line) {
    if (line < 0 || line >= ChestCount())
        return;
    m_selection[kChests] = line;
    if (m_frozen)
        return;
    m_current = line;
    if (m_hooks.makeCurrent)
        m_hooks.makeCurrent(line);
    Fill();
    m_ui.RequestRepaint();
}

void ChestPositionDialog::SelectStop(int line) {
    Fill();
    if (line >= 0 && line < static_cast<int>(Lines(kStops).size()))
        m_selection[kStops] = line;
}

void ChestPositionDialog::FocusChestList() {
    m_ui.RequestRepaint();
}

void ChestPositionDialog::RightClick() {
    m_frozen = true;
}

void ChestPositionDialog::HorizontalScroll() {
    m_ui.RequestRepaint();
}

bool ChestPositionDialog::Refresh() {
    int position[3];
    const int ids[3] = {kX, kY, kZ};
    for (int i = 0; i < 3; ++i) {
        const auto value = ReadIntField(Field(ids[i]), m_ui);
        if (!value)
            return false;
        position[i] = *value;
    }
    if (ChestCount() == 0)
        return false;
    const int selected = Selection(kChests);
    CWindchest &chest = (*m_hooks.chests())[selected >= 0 ? selected : 0];
    for (int i = 0; i < 3; ++i)
        chest.m_position[i] = position[i];
    if (m_hooks.rebuild3D)
        m_hooks.rebuild3D();
    m_ui.RequestRepaint();
    return true;
}

void ChestPositionDialog::AddChest() {
    if (m_hooks.addChest)
        m_hooks.addChest();
    Fill();
    m_ui.RequestRepaint();
}

void ChestPositionDialog::DeleteChest() {
    const int selected = Selection(kChests);
    if (selected < 0 || selected >= ChestCount())
        return;
    if (m_hooks.deleteChest)
        m_hooks.deleteChest(selected);
    m_selection.erase(kChests);
    if (m_current > selected)
        --m_current;
    Fill();
    m_ui.RequestRepaint();
}

bool ChestPositionDialog::Press(int id) {
    switch (id) {
    case kRefresh:
        Refresh();
        return false;
    case kAddChest:
        AddChest();
        return false;
    case kDeleteChest:
        DeleteChest();
        return false;
    case kOk:
        // The position is stored only by "Refresh"; OK checks the fields as it reads them.
        for (int field : {kX, kY, kZ})
            if (!ReadIntField(Field(field), m_ui))
                return false;
        return true;
    case kCancel:
        return true;
    default:
        return false;
    }
}

} // namespace ventrel
