// A stop computed from its scale written out: a description-file section, a stop file, a CStop.
#include "ScaleText.h"

#include "chest/CStop.h"

#include <algorithm>

namespace ventrel {
namespace {

template <typename Field> std::string Rows(const std::vector<ScalePipe> &pipes, Field field) {
    std::string text;
    for (size_t i = 0; i < pipes.size(); ++i) {
        text += std::to_string(field(pipes[i]));
        text += (i % 14 == 13 || i + 1 == pipes.size()) ? "\n" : " ";
    }
    return text;
}

} // namespace

std::string CheckPlacement(const StopPlacement &placement) {
    if (placement.x0 < 0 || placement.y0 < 0 || placement.x0 > 100000 || placement.y0 > 100000)
        return "origin: " + std::to_string(placement.x0) + "," + std::to_string(placement.y0) +
               " must lie within 0 to 100000 mm (the description file has no sign for it)";
    for (int incx : {1, -1, 2, -2, 3, 33})
        if (placement.incx == incx)
            return "";
    return "incx: " + std::to_string(placement.incx) + " is not one of 1, -1, 2, -2, 3, 33";
}

std::string DatStopSection(const StopScale &scale, const std::vector<ScalePipe> &pipes,
                           const StopPlacement &placement, bool english) {
    std::string text = english ? "STOP " : "JEU ";
    text += scale.name + "\n";
    text += (english ? "NPIPES " : "NTUYAUX ") + std::to_string(pipes.size()) + "\n";
    text += (english ? "PIPE1 " : "TUYAU1 ") + std::to_string(scale.firstNote) + "\n";
    text += "INCX " + std::to_string(placement.incx) + "\n";
    text += english ? (scale.square ? "SHAPE:SQUARE\n" : "SHAPE:ROUND\n")
                    : (scale.square ? "FORME:CARRE\n" : "FORME:ROND\n");
    text += "XY0 " + std::to_string(placement.x0) + " " + std::to_string(placement.y0) + "\n";
    text += english ? "/ diameters\n" : "/ diametres\n";
    text += Rows(pipes, [](const ScalePipe &p) { return p.diameter; });
    text += english ? "/ plate holes\n" : "/ trous de la plaque\n";
    text += Rows(pipes, [](const ScalePipe &p) { return p.hole; });
    text += english ? "/ false chest holes\n" : "/ trous du faux sommier\n";
    text += Rows(pipes, [](const ScalePipe &p) { return p.foot; });
    text += english ? "HEIGHTS\n" : "HAUTEURS\n";
    text += Rows(pipes, [](const ScalePipe &p) { return p.length; });
    return text;
}

std::string StopFileText(const std::vector<ScalePipe> &pipes) {
    std::string text;
    for (size_t k = 0; k < pipes.size(); k += 12) {
        const ScalePipe &p = pipes[k];
        text += std::to_string(p.diameter) + " " + std::to_string(p.foot) + " " +
                std::to_string(p.hole) + " " + std::to_string(p.length) + "\n";
    }
    return text;
}

void FillStop(CStop &stop, const StopScale &scale, const std::vector<ScalePipe> &pipes,
              const StopPlacement &placement) {
    stop.Reset();
    stop.m_name = scale.name;
    stop.m_pipe_count = static_cast<int>(std::min<size_t>(pipes.size(), CStop::kMaxPipes));
    stop.m_first_pipe = scale.firstNote;
    stop.m_incx = placement.incx;
    stop.m_square = scale.square;
    stop.m_x0 = placement.x0;
    stop.m_y0 = placement.y0;
    for (int k = 0; k < stop.m_pipe_count; ++k) {
        stop.m_diameter[k] = pipes[k].diameter;
        stop.m_hole[k] = pipes[k].hole;
        stop.m_foot[k] = pipes[k].foot;
        stop.m_length[k] = pipes[k].length;
    }
}

} // namespace ventrel
