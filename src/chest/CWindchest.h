// A windchest ("sommier"): up to 100 stops of up to 80 pipes, its partitions, settings and plate.
#pragma once

#include "CStop.h"
#include "Geometry.h"
#include "ValveSizing.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class Ui;
struct WorkFolder;
struct DatSourceMap;
class Drawing2D;

class CWindchest {
public:
    static constexpr int kMaxStops = 100;
    static constexpr int kMaxRects = 300;
    static constexpr int kMaxLines = 1000;
    static constexpr int kMaxCircles = 1000;
    static constexpr size_t kMaxFileName = 63;

    CWindchest();
    CWindchest(const CWindchest &) = default;
    CWindchest &operator=(const CWindchest &) = default;

    // --- Reading (the description file) ---
    // Reads a description text; raises FatalInputError where reading cannot go on (the stops
    // read before the fault are kept). Bare turret outline names are opened in `folder`. With a
    // map, records where the stops' keywords and numbers stand in the text.
    void ReadDat(const std::string &text, const WorkFolder &folder, Ui &ui,
                 DatSourceMap *map = nullptr);
    // Opens the named file in folder.input and reads it; false with "FICHIER %s ABSENT\n" when it
    // cannot be opened. Stores the name in m_file_name.
    bool ReadDatFile(const std::string &name, const WorkFolder &folder, Ui &ui);
    // Fills the pipes between the Cs of every stop from octave data.
    void InterpolateOctaves();
    void InterpolateOctaves(CStop &stop);

    // --- Layout and valves ---
    void Layout();
    // Picks a valve class for every pipe and counts them; false when a hole needs a valve beyond
    // the largest class (or none above 0).
    bool SizeValves(ValveCounters &counters);

    // --- Circle file ---
    // Reads "n, then n triples x y r" into the circle table and stop 0 (one pipe per circle).
    void ReadCircles(const std::string &text, Ui &ui);

    // --- Drawing and picking (defined with the 2D drawing) ---
    void Draw(Drawing2D &drawing) const;
    bool PickPipe(Drawing2D &drawing, int screenX, int screenY, Ui &ui);

    CStop &Stop(int s) { return m_stops[static_cast<size_t>(std::clamp(s, 0, kMaxStops - 1))]; }
    const CStop &Stop(int s) const {
        return m_stops[static_cast<size_t>(std::clamp(s, 0, kMaxStops - 1))];
    }
    int StopCount() const { return std::clamp(m_stop_count, 0, kMaxStops); }

    int m_stop_count = 0;
    int m_master_stop = 0;
    int m_rect_count = 0;
    int m_line_count = 0;
    std::string m_file_name = "windchest.dat";
    std::array<CRectangle, kMaxRects> m_rects{};
    std::array<CRectangle, kMaxLines> m_lines{};
    int m_circle_count = 0;
    std::array<CCircle, kMaxCircles> m_circles{};
    std::array<CStop, kMaxStops> m_stops;
    CStop m_frame_holes;
    int m_position[3] = {0, 0, 0};
    int m_valve_count = 0;
    bool m_pick_mode = false;
    bool m_show_magnets = true;
    bool m_show_registers = false;
    int m_plate_thickness = 22;
    int m_board_thickness = 22;
    int m_chest_height = 120;
    int m_board_width = 200;
    int m_pilot_diameter = 12;
    int m_drilling_margin = 3;
    int m_valve_margin = 8;
    int m_min_gap = 12;
    int m_mixture_extra = 10;
    std::array<std::string, 4> m_dxf_names;
    int m_central_hole[2] = {0, 0};
    CRectangle m_plate;
    int m_selected_stop = -1;
    int m_mixture_first = 0;
    int m_mixture_end = 0;
    int m_cone_height = 300;

private:
    int Gap(const CStop &stop, int k) const;
    void LayoutRows(CStop &stop);
    void LayoutLine(CStop &stop);
    void LayoutTurret(CStop &stop);
    void LayoutMixture();
    void SliderPass();
    void ComputeBounds(CStop &stop) const;
    void ComputePlate();
    void PlacePilotHoles();
};

// The organ's table of chests: 30 records created with their defaults, reused, never freed.
struct ChestTable {
    static constexpr int kMaxChests = 30;
    std::vector<std::unique_ptr<CWindchest>> chests;
    int count = 0;

    ChestTable();
    CWindchest &operator[](int i) {
        return *chests[static_cast<size_t>(std::clamp(i, 0, kMaxChests - 1))];
    }
    const CWindchest &operator[](int i) const {
        return *chests[static_cast<size_t>(std::clamp(i, 0, kMaxChests - 1))];
    }
    bool Full() const { return count >= kMaxChests; }
};

} // namespace ventrel
