// The modeless "Pipe positions" window that a pipe pick fills.
#pragma once

#include "chest/PipePicking.h"

#include <map>
#include <string>

namespace ventrel {

// Shows the picked pipe's fields by control id. Editing and storing the position is not part of
// this window yet: it only shows what the last pick found.
class PipePositionDialog {
public:
    enum : int {
        kX = 1059,
        kY = 1060,
        kPipeNumber = 1063,
        kStopName = 1064,
        kDiameter = 1065,
        kLength = 1066,
        kArrangement = 1067,
        kSlider = 1068,
    };
    static constexpr const char *kCaption = "Pipe positions";

    static const std::map<int, const char *> &Labels();

    void Fill(const PipePositionFields &fields);
    const std::string &Field(int id) const;
    int Fills() const { return m_fills; }

    // The X, Y and pipe number the dialog shows.
    int m_x = 0, m_y = 0, m_pipe = 0;

private:
    std::map<int, std::string> m_fields;
    int m_fills = 0;
};

} // namespace ventrel
