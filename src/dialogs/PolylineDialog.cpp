// The modeless polyline dialog: shape buttons, "Length", "Undo", "Clear" and saving the outline.
#include "PolylineDialog.h"

#include "DialogField.h"

#include "outline/L_2D_Drawing.h"
#include "platform/Ui.h"

namespace ventrel {

const std::vector<PolylineDialog::Button> &PolylineDialog::Buttons() {
    static const std::vector<Button> buttons = {
        {kPolyline, "POLYLINE"},
        {kLine, "Line"},
        {kQuarter1, "Quarter 1"},
        {kQuarter2, "Quarter 2"},
        {kQuarter3, "Quarter 3"},
        {kQuarter4, "Quarter 4"},
        {kArc, "Arc"},
        {kUndo, "Undo"},
        {kClear, "Clear"},
        {kEndPolyline, "End Polyline"},
    };
    return buttons;
}

PolylineDialog::PolylineDialog(L_2D_Drawing &drawing, Ui &ui, AskFile askFile)
    : m_drawing(drawing), m_ui(ui), m_askFile(std::move(askFile)) {
    m_fields[kLength] = "50";
}

const std::string &PolylineDialog::Field(int id) const {
    static const std::string empty;
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? empty : it->second;
}

void PolylineDialog::SetField(int id, const std::string &text) {
    m_fields[id] = text;
}

std::optional<int> PolylineDialog::Length() {
    return ReadIntField(Field(kLength), m_ui);
}

void PolylineDialog::Quarter(int kind) {
    if (m_drawing.m_edit.mode != OutlineEditState::kFree)
        return;
    if (const auto length = Length())
        m_drawing.AddQuarter(static_cast<float>(*length), kind, 10, 1, 1, &m_ui);
}

bool PolylineDialog::Press(int id) {
    bool closes = false;
    switch (id) {
    case kPolyline:
        // Free point entry again, whichever tool was chosen before.
        m_drawing.SetMode(OutlineEditState::kFree);
        m_drawing.ArmEntry();
        m_fields[kTool] = "POLYLINE";
        break;
    case kLine:
        m_drawing.SetMode(OutlineEditState::kLine);
        m_fields[kTool] = "LINE";
        break;
    case kArc:
        m_drawing.SetMode(OutlineEditState::kArc);
        m_fields[kTool] = "ARC";
        break;
    case kQuarter1:
        if (m_drawing.m_edit.mode == OutlineEditState::kFree) {
            Quarter(1);
        } else if (const auto length = Length()) {
            m_drawing.ShowQuarterPreview(static_cast<float>(*length));
            m_fields[kTool] = "QUARTER";
        }
        break;
    case kQuarter2:
        Quarter(2);
        break;
    case kQuarter3:
        Quarter(3);
        break;
    case kQuarter4:
        Quarter(4);
        break;
    case kUndo:
        m_drawing.Undo();
        break;
    case kClear:
        m_drawing.ClearEntries();
        break;
    case kOk:
        closes = Ok();
        break;
    case kCancel:
        closes = true;
        break;
    default: // "End Polyline" and the shape list do nothing
        break;
    }
    m_ui.RequestRepaint();
    return closes;
}

bool PolylineDialog::Ok() {
    const auto path = m_askFile ? m_askFile(kFilter, kSaveTitle) : std::nullopt;
    // A failed write has shown its message; the points stay for another try.
    if (path && !m_drawing.L_2D_savepoints(*path, PolyFile::Output, m_ui))
        return false;
    m_drawing.SetMode(OutlineEditState::kFree);
    return true;
}

void PolylineDialog::RightClick() {
    m_drawing.Undo();
    m_ui.RequestRepaint();
}

bool PolylineDialog::KeyDown(int key) {
    if (key != kKeyLeft)
        return false;
    m_ui.RequestRepaint();
    return true;
}

} // namespace ventrel
