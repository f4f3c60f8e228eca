// The concave radiating pedalboard: its planks and 32 keys as integer outlines, DXF and 2D view.
#pragma once

#include "L_2D_Object.h"

#include <string>

namespace ventrel {

class Ui;
class Drawing2D;
struct WorkFolder;

class CPedalboard {
public:
    CPedalboard();

    // Builds every outline once; a second call shows "****PEDALBOARD DEJA CREE !" and changes
    // nothing. Returns whether it built.
    bool Create(Ui &ui);
    // Writes the five plank files into folder.output, then shows
    // "A Pedalboard has correctly been created!". A file that cannot be written shows
    // "****Pedalboard files opened elsewhere !" and the next one is tried. Returns whether all
    // five were written.
    bool WriteDxf(const WorkFolder &folder, Ui &ui);

    // The 2D display: every list at its offset, each outline's index at its first point, and the
    // result of the last click test.
    void Draw(Drawing2D &drawing) const;
    // A click at a view pixel: whether it lies inside the first key of the front plank (1 or 0),
    // kept to be written at (50, 150).
    long Click(const Drawing2D &drawing, int screenX, int screenY);

    // The outline files, in the order they are written.
    static constexpr const char *kFileNames[5] = {"plancheAR.dxf", "plancheAV.dxf",
                                                  "plancheCOTE.dxf", "plancheincurvee.dxf",
                                                  "plancheincurveear.dxf"};
    // Where the lists are drawn, in model units.
    static constexpr int kFrontOffset[2] = {30, 10};
    static constexpr int kSideOffset[2] = {30, 180};
    static constexpr int kBackOffset[2] = {30, 350};

    // Parameters (millimetres).
    int m_width = 1200; // W: length of the front and back planks
    int m_depth = 700;  // D: length of the side plank
    int m_height = 150; // H: plank height
    bool m_created = false;
    int m_key_steps = 39; // N: key pitch = (W - 120) / N
    int m_radius = 4000;  // R: radius of the concave arc
    int m_margin = 20;    // A: inset of the arcs from the plank ends
    int m_offset = 20;    // E: offset in the curved back plank's closing outline
    int m_unused = 14;

    L_2D_ObjectList m_back{4};
    L_2D_ObjectList m_front{50};
    L_2D_ObjectList m_side{4};
    L_2D_ObjectList m_curved{6};
    L_2D_ObjectList m_keys{50};
    L_2D_ObjectList m_curved_back{4};
    // The notched side profile all planks are cut from.
    L_2D_ObjectPtr m_profile;
    // The result of the last click test, or -1 before any click.
    long m_click_result = -1;

    // The key rotation of key k (radians) and the key pitch.
    double KeyPitch() const;
    double KeyAngle(int k) const;
};

} // namespace ventrel
