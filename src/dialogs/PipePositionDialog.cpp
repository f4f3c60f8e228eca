// The modeless "Pipe positions" window that a pipe pick fills.
#include "PipePositionDialog.h"

namespace ventrel {

const std::map<int, const char *> &PipePositionDialog::Labels() {
    static const std::map<int, const char *> labels = {
        {kX, "X"},
        {kY, "Y"},
        {kPipeNumber, "Pipe number"},
        {kStopName, "CHEST Name"},
        {kDiameter, "Pipe Width"},
        {kLength, "Pipe lenght"},
        {kArrangement, "Arrangement"},
        {kSlider, "Slider"},
    };
    return labels;
}

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

} // namespace ventrel
