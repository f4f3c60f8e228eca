// The concave radiating pedalboard: its planks and 32 keys as integer outlines, DXF and 2D view.
#include "Pedalboard.h"

#include "chest/Drawing2D.h"
#include "fabrication/DxfWriter.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <algorithm>
#include <cmath>

namespace ventrel {
namespace {

constexpr double kPi = 3.14159265358979;
// Key gaps left for the sharps.
constexpr int kRemovedKeys[] = {5, 13, 19, 27, 33};
constexpr int kKeyCount = 37;

L_2D_ObjectPtr NewOutline(int count, int kind = L_2D_Object::kPolyline) {
    return std::make_shared<L_2D_Object>(count, kind);
}

L_2D_ObjectPtr CopyOf(const L_2D_Object &source, Ui &ui) {
    L_2D_ObjectPtr copy = NewOutline(source.Count(), source.Kind());
    copy->CopyFrom(source, ui);
    return copy;
}

L_2D_ObjectPtr LineBetween(L_2D_Point a, L_2D_Point b, Ui &ui) {
    L_2D_ObjectPtr line = NewOutline(2);
    line->Line(a.x, a.y, b.x, b.y, ui);
    return line;
}

// Two notched sides (the second mirrored and moved by `distance`), the bottom line joining their
// first points and the top line joining their last points.
void AddPlank(L_2D_ObjectList &list, const L_2D_ObjectPtr &left, const L_2D_ObjectPtr &right,
              Ui &ui) {
    L_2D_ObjectPtr bottom = LineBetween(left->First(), right->First(), ui);
    L_2D_ObjectPtr top = LineBetween(left->Last(), right->Last(), ui);
    L_2D_Object_Add(list, left, ui);
    L_2D_Object_Add(list, right, ui);
    L_2D_Object_Add(list, bottom, ui);
    L_2D_Object_Add(list, top, ui);
}

} // namespace

CPedalboard::CPedalboard() = default;

double CPedalboard::KeyPitch() const {
    return m_key_steps != 0 ? static_cast<double>(m_width - 120) / m_key_steps : 0.0;
}

double CPedalboard::KeyAngle(int k) const {
    const int u = k - (m_key_steps + 6) / 2;
    const double ratio = u * KeyPitch() / m_radius;
    return -std::asin(std::clamp(ratio, -1.0, 1.0));
}

bool CPedalboard::Create(Ui &ui) {
    if (m_created) {
        ui.MessageBox("****PEDALBOARD DEJA CREE !");
        return false;
    }
    m_created = true;
    const int W = m_width, H = m_height, R = m_radius;

    // The notched side profile, from (0, 0) up to the plank height.
    m_profile = NewOutline(14);
    m_profile->NotchedProfile(1, 1, 3, ui);
    m_profile->Scale(20, H / 7.0);

    // Front and back planks: the profile, and its mirror image at the far end.
    auto mirroredAt = [&](int distance) {
        L_2D_ObjectPtr side = CopyOf(*m_profile, ui);
        side->Scale(-1, 1);
        side->Translate(distance, 0);
        return side;
    };
    AddPlank(m_front, CopyOf(*m_profile, ui), mirroredAt(W), ui);

    // The keys, each turned toward the centre of the concave arc.
    L_2D_ObjectList allKeys(kKeyCount);
    for (int k = 0; k < kKeyCount; ++k) {
        L_2D_ObjectPtr key = NewOutline(5);
        key->Rectangle(0, 23, 0, 70);
        key->Rotate(KeyAngle(k));
        L_2D_Object_Add(allKeys, key, ui);
    }
    m_keys.Clear();
    for (int k = 0; k < allKeys.Count(); ++k)
        if (std::find(std::begin(kRemovedKeys), std::end(kRemovedKeys), k) ==
            std::end(kRemovedKeys))
            L_2D_Object_Add(m_keys, allKeys[k], ui);

    // The front arc, on which the keys' corners sit (half the width in whole millimetres).
    const int half = W / 2;
    const double alpha =
        std::asin(std::clamp(static_cast<double>(half - 2 * m_margin) / R, -1.0, 1.0));
    L_2D_ObjectPtr frontArc = NewOutline(39);
    frontArc->ArcByAngles(R, kPi / 2 + alpha, kPi / 2 - alpha);
    frontArc->Translate(half, H - R - 100);
    for (int k = 0; k < m_keys.Count(); ++k) {
        const L_2D_Point corner = frontArc->Point(k);
        m_keys[k]->Translate(corner.x, corner.y);
    }
    for (const L_2D_ObjectPtr &key : m_keys.Objects())
        L_2D_Object_Add(m_front, key, ui);

    AddPlank(m_back, CopyOf(*m_profile, ui), mirroredAt(W), ui);

    // The side plank: notches facing outward.
    L_2D_ObjectPtr sideLeft = CopyOf(*m_profile, ui);
    sideLeft->Scale(-1, 1);
    L_2D_ObjectPtr sideRight = CopyOf(*m_profile, ui);
    sideRight->Translate(m_depth, 0);
    AddPlank(m_side, sideLeft, sideRight, ui);

    // The curved plank under the keys: the arc, its two sides down to H, the base and its marks.
    const L_2D_Point first = frontArc->First(), last = frontArc->Last();
    L_2D_Object_Add(m_curved, frontArc, ui);
    L_2D_Object_Add(m_curved, LineBetween(first, {first.x, H}, ui), ui);
    L_2D_Object_Add(m_curved, LineBetween(last, {last.x, H}, ui), ui);
    L_2D_Object_Add(m_curved, LineBetween({first.x, H}, {last.x, H}, ui), ui);
    L_2D_ObjectPtr marks = NewOutline(10, L_2D_Object::kPointSet);
    marks->CreatePoinsRepartis(10, first.x, H, last.x, H, ui);
    L_2D_Object_Add(m_curved, marks, ui);
    L_2D_ObjectPtr ends = NewOutline(2, L_2D_Object::kPointSet);
    ends->Line(first.x, H, last.x, H, ui);
    L_2D_Object_Add(m_curved, ends, ui);

    // The curved back plank: a wider arc and the outline closing it.
    const double beta = std::asin(std::clamp(static_cast<double>(half - m_margin) / R, -1.0, 1.0));
    L_2D_ObjectPtr backArc = NewOutline(50);
    backArc->ArcByAngles(R, kPi / 2 + beta, kPi / 2 - beta);
    backArc->Translate(half, H - R - 20);
    L_2D_Object_Add(m_curved_back, backArc, ui);
    const L_2D_Point backFirst = backArc->First(), backLast = backArc->Last();
    L_2D_ObjectPtr closing = NewOutline(4);
    closing->SetPoint(0, backFirst);
    closing->SetPoint(1, {backFirst.x, H});
    closing->SetPoint(2, {W - m_offset, H});
    closing->SetPoint(3, backLast);
    L_2D_Object_Add(m_curved_back, closing, ui);
    return true;
}

bool CPedalboard::WriteDxf(const WorkFolder &folder, Ui &ui) {
    const L_2D_ObjectList *lists[5] = {&m_back, &m_front, &m_side, &m_curved, &m_curved_back};
    bool all = true;
    for (int i = 0; i < 5; ++i) {
        DxfWriter dxf;
        if (!dxf.Open(folder.Out(kFileNames[i]))) {
            ui.MessageBox("****Pedalboard files opened elsewhere !");
            all = false;
            continue;
        }
        lists[i]->WriteDxf(dxf);
        if (!dxf.Close()) {
            ui.MessageBox("****Pedalboard files opened elsewhere !");
            all = false;
        }
    }
    ui.MessageBox("A Pedalboard has correctly been created!");
    return all;
}

void CPedalboard::Draw(Drawing2D &drawing) const {
    drawing.SetTextColour(drawing.g_textColour);
    drawing.SelectColour(14);
    m_front.Draw(drawing, kFrontOffset[0], kFrontOffset[1]);
    m_curved.Draw(drawing, kFrontOffset[0], kFrontOffset[1]);
    drawing.SelectColour(3);
    m_side.Draw(drawing, kSideOffset[0], kSideOffset[1]);
    drawing.SelectColour(12);
    m_back.Draw(drawing, kBackOffset[0], kBackOffset[1]);
    m_curved_back.Draw(drawing, kBackOffset[0], kBackOffset[1]);
    if (m_click_result >= 0)
        drawing.DrawText(50, 150, Format("%ld", m_click_result));
}

long CPedalboard::Click(const Drawing2D &drawing, int screenX, int screenY) {
    // The click back in model units, relative to where the front plank is drawn.
    const float scale = drawing.g_scale2D != 0 ? drawing.g_scale2D : 1.0f;
    const int x =
        static_cast<int>(static_cast<float>(screenX - drawing.g_pan.x) / scale) - kFrontOffset[0];
    const int y =
        static_cast<int>(static_cast<float>(screenY - drawing.g_pan.y) / scale) - kFrontOffset[1];
    m_click_result = m_front.Count() > 4 && m_front[4]->Contains(x, y) ? 1 : 0;
    return m_click_result;
}

} // namespace ventrel
