// The modeless "Pipe positions" window: what the last pick found, and "REFRESH" moving that pipe.
#include "PipePositionDialog.h"

#include "DialogField.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"

namespace ventrel {

const std::map<int, const char *> &PipePositionDialog::Labels() {
    static const std::map<int, const char *> labels = {
        {kX, "X position"},
        {kY, "Y position"},
        {kPipeNumber, "Pipe"},
        {kStopName, "CHEST Name"},
        {kDiameter, "Pipe Width"},
        {kLength, "Pipe lenght"},
        {kArrangement, "Arrangement"},
        {kSlider, "Slider"},
    };
    return labels;
}

PipePositionDialog::PipePositionDialog(Ui &ui, std::function<CWindchest *()> firstChest)
    : m_ui(ui), m_firstChest(std::move(firstChest)) {}

void PipePositionDialog::Fill(const PipePositionFields &fields) {
    m_fields[kX] = std::to_string(fields.x);
    m_fields[kY] = std::to_string(fields.y);
    m_fields[kPipeNumber] = std::to_string(fields.pipe_number);
    m_fields[kDiameter] = std::to_string(fields.diameter);
    m_fields[kLength] = std::to_string(fields.length);
    m_fields[kStopName] = fields.stop_name;
    m_fields[kSlider] = fields.slider;
    m_fields[kArrangement] = fields.arrangement;
    m_x = fields.x;
    m_y = fields.y;
    m_pipe = fields.pipe_number;
    ++m_fills;
}

const std::string &PipePositionDialog::Field(int id) const {
    static const std::string empty;
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? empty : it->second;
}

void PipePositionDialog::SetField(int id, const std::string &text) {
    m_fields[id] = text;
}

bool PipePositionDialog::Refresh() {
    const auto x = ReadIntField(Field(kX), m_ui);
    if (!x)
        return false;
    const auto y = ReadIntField(Field(kY), m_ui);
    if (!y)
        return false;
    CWindchest *chest = m_firstChest ? m_firstChest() : nullptr;
    if (!chest || chest->m_selected_stop < 0 || chest->m_selected_stop >= chest->StopCount()) {
        m_ui.StatusMessage("No pipe picked: click a pipe in the chest first");
        return false;
    }
    CStop &stop = chest->Stop(chest->m_selected_stop);
    const int pipe = stop.m_selected_pipe;
    if (pipe < 0 || pipe >= stop.PipeSlots()) {
        m_ui.StatusMessage("No pipe picked: click a pipe in the chest first");
        return false;
    }
    stop.m_x[static_cast<size_t>(pipe)] = *x;
    stop.m_y[static_cast<size_t>(pipe)] = *y;
    m_x = *x;
    m_y = *y;
    m_ui.RequestRepaint();
    return true;
}

bool PipePositionDialog::Press(int id) {
    switch (id) {
    case kRefresh:
        Refresh();
        return false;
    case kOk:
    case kCancel:
        return true;
    default: // "Undo" does nothing
        return false;
    }
}

} // namespace ventrel
