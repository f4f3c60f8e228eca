// The sample tower: its outlines from preset arcs, their .poly and DXF files, and the swept loft.
#include "organ3d/Tower.h"
#include "organ3d/Primitives.h"

#include "fabrication/DxfWriter.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"
#include "render/Scene.h"

#include <cmath>
#include <memory>

namespace ventrel {

namespace {

constexpr double kPi = 3.14159265358979;

void BuildCouple(L_2D_Drawing &couple) {
    couple.Clear();
    couple.AddQuarter(50, 1, 20, 1, 1);
    couple.AddPoint({couple.m_pen.x, couple.m_pen.y + 50});
    couple.AddQuarter(50, 4, 20, -1, 1);
    couple.AddPoint({couple.m_pen.x, couple.m_pen.y + 50});
    couple.AddQuarter(50, 1, 20, 1, 1);
    couple.AddQuarter(50, 4, 20, -1, 1);
}

void BuildForme(L_2D_Drawing &forme) {
    forme.Clear();
    forme.AddPoint({0, 0});
    forme.AddPoint({0, -500});
    const double px = forme.m_pen.x, py = forme.m_pen.y, r = 500, e = 2 * kPi;
    for (int i = 1; i <= 20; ++i)
        forme.AddPoint({static_cast<float>((px - r) + r * std::cos(e + i * kPi / 20)),
                        static_cast<float>(py - r * std::sin(e + i * kPi / 20))});
    // The half circle is one entry of the undo stack.
    forme.m_edit.undo.push_back(forme.PointCount());
    forme.AddPoint({forme.m_pen.x, forme.m_pen.y + 500});
}

// The outline as lines: one LINE per consecutive pair of points, coordinates truncated.
bool WriteLines(const L_2D_Drawing &outline, const std::filesystem::path &path, Ui &ui) {
    DxfWriter dxf;
    if (!dxf.Open(path)) {
        ui.MessageBox("Cannot write " + dxf.Error());
        return false;
    }
    for (int i = 0; i + 1 < outline.PointCount(); ++i) {
        const Vec2 a = outline.m_points[i], b = outline.m_points[i + 1];
        dxf.Line(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x),
                 static_cast<int>(b.y));
    }
    if (!dxf.Close()) {
        ui.MessageBox("Cannot write " + dxf.Error());
        return false;
    }
    return true;
}

} // namespace

void BuildTowerOutlines(CTower &tower) {
    BuildCouple(tower.m_loft.m_couple);
    BuildForme(tower.m_loft.m_forme);
    tower.m_loft.m_couple_name = "orgext_tourelle_couple.poly";
    tower.m_loft.m_forme_name = "orgext_tourelle_forme.poly";
}

bool WriteTowerFiles(const CTower &tower, const WorkFolder &folder, Ui &ui) {
    // The outline writer belongs to the outline; a const tower lends it a copy.
    L_2D_Drawing couple = tower.m_loft.m_couple;
    L_2D_Drawing forme = tower.m_loft.m_forme;
    return couple.L_2D_savepoints(folder.Out("orgext_tourelle_couple.poly"), PolyFile::Output,
                                  ui) &&
           WriteLines(couple, folder.Out("orgext_tourelle_couple.dxf"), ui) &&
           forme.L_2D_savepoints(folder.Out("orgext_tourelle_forme.poly"), PolyFile::Output, ui) &&
           WriteLines(forme, folder.Out("orgext_tourelle_forme.dxf"), ui);
}

CObject3D *AddTowerLoft(Scene &scene, const CTower &tower) {
    const L_2D_Drawing &couple = tower.m_loft.m_couple;
    const L_2D_Drawing &forme = tower.m_loft.m_forme;
    auto loft = std::make_unique<CObject3D>();
    MakeLoft(*loft, scene, "", couple.m_points, forme.m_points, couple.PointCount(),
             forme.PointCount(), 1, "wood.jpg");
    return scene.AddObject(std::move(loft));
}

bool BuildTower(CTower &tower, Scene &scene, const WorkFolder &folder, Ui &ui) {
    BuildTowerOutlines(tower);
    const bool written = WriteTowerFiles(tower, folder, ui);
    AddTowerLoft(scene, tower);
    tower.m_outlines = true;
    return written;
}

} // namespace ventrel
