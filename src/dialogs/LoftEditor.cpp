// The modeless loft editor: a COUPLE and a FORME outline read from .poly files, swept into a loft.
#include "LoftEditor.h"

#include "organ3d/LoftPreview.h"
#include "platform/Ui.h"
#include "render/Scene.h"

namespace ventrel {

LoftEditor::LoftEditor(Ui &ui, Hooks hooks) : m_ui(ui), m_hooks(std::move(hooks)) {
    m_fields[kCouple] = "Polyline 1 ?";
    m_fields[kForme] = "Polyline 2 ?";
    m_planes[kCouplePlane] = 0;
    m_planes[kFormePlane] = 0;
    if (Scene *scene = m_hooks.scene ? m_hooks.scene() : nullptr) {
        BeginLoftPreview(*scene);
        if (m_hooks.sceneChanged)
            m_hooks.sceneChanged();
    }
}

LoftEditor::~LoftEditor() {
    Close();
}

const std::vector<std::string> &LoftEditor::PlaneNames() {
    static const std::vector<std::string> names(std::begin(L_2D_Drawing::kPlaneNames),
                                                std::end(L_2D_Drawing::kPlaneNames));
    return names;
}

const LoftEditor::Side &LoftEditor::SideOf(int id) {
    static const Side couple{kCouple, kCouplePlane, 0, kCoupleTitle};
    static const Side forme{kForme, kFormePlane, 1, kFormeTitle};
    return id == kForme || id == kFormePlane ? forme : couple;
}

std::unique_ptr<L_2D_Drawing> &LoftEditor::Drawing(const Side &side) {
    return side.slot == 0 ? m_couple : m_forme;
}

const std::string &LoftEditor::Field(int id) const {
    static const std::string empty;
    const auto it = m_fields.find(id);
    return it == m_fields.end() ? empty : it->second;
}

void LoftEditor::SetField(int id, const std::string &text) {
    m_fields[id] = text;
}

int LoftEditor::PlaneSelection(int id) const {
    const auto it = m_planes.find(id);
    return it == m_planes.end() ? 0 : it->second;
}

bool LoftEditor::Read(const Side &side) {
    const auto path = m_paths.find(side.edit);
    if (path == m_paths.end())
        return false;
    // Read into a new outline, which replaces the old one only once read.
    auto outline = std::make_unique<L_2D_Drawing>();
    if (!outline->L_2D_savepoints(path->second, PolyFile::Input, m_ui))
        return false;
    Drawing(side) = std::move(outline);
    return true;
}

void LoftEditor::Preview(const Side &side) {
    Scene *scene = m_hooks.scene ? m_hooks.scene() : nullptr;
    const auto &outline = Drawing(side);
    if (!scene || !outline)
        return;
    ShowLoftOutline(*scene, side.slot, *outline);
    if (m_hooks.sceneChanged)
        m_hooks.sceneChanged();
}

bool LoftEditor::ChooseFile(int id) {
    if (!m_open)
        return false;
    const Side &side = SideOf(id);
    const auto path = m_hooks.askFile ? m_hooks.askFile(kFilter, side.title) : std::nullopt;
    if (!path)
        return false;
    const auto previous = m_paths.find(side.edit);
    const std::optional<std::filesystem::path> kept =
        previous == m_paths.end() ? std::nullopt : std::optional(previous->second);
    m_paths[side.edit] = *path;
    if (!Read(side)) {
        // The outline and the path it came from stay as they were.
        if (kept)
            m_paths[side.edit] = *kept;
        else
            m_paths.erase(side.edit);
        return false;
    }
    m_fields[side.edit] = path->filename().string();
    Preview(side);
    if (m_hooks.show3D)
        m_hooks.show3D();
    m_ui.RequestRepaint();
    return true;
}

void LoftEditor::SelectPlane(int id, int index) {
    if (!m_open || index < 0 || index >= static_cast<int>(PlaneNames().size()))
        return;
    const Side &side = SideOf(id);
    m_planes[side.plane] = index;
    // Without a file chosen there is nothing to read again.
    Read(side);
    if (const auto &outline = Drawing(side))
        outline->m_plane = index;
    Preview(side);
    m_ui.RequestRepaint();
}

void LoftEditor::FocusPlane(int id) {
    const Side &side = SideOf(id);
    if (const auto &outline = Drawing(side))
        outline->m_plane = PlaneSelection(side.plane);
}

bool LoftEditor::MakeLoft() {
    Scene *scene = m_hooks.scene ? m_hooks.scene() : nullptr;
    if (!m_open || !scene || !m_couple || !m_forme)
        return false;
    ShowLoft(*scene, *m_couple, *m_forme);
    if (m_hooks.sceneChanged)
        m_hooks.sceneChanged();
    m_ui.RequestRepaint();
    return true;
}

bool LoftEditor::Press(int id) {
    switch (id) {
    case kMakeLoft:
        MakeLoft();
        return false;
    case kClearLoft:
        m_ui.RequestRepaint();
        return false;
    case kOk:
    case kCancel:
        Close();
        return true;
    default: // "SaveLoft" and the number fields do nothing
        return false;
    }
}

void LoftEditor::Close() {
    if (!m_open)
        return;
    m_open = false;
    m_couple.reset();
    m_forme.reset();
    if (Scene *scene = m_hooks.scene ? m_hooks.scene() : nullptr) {
        EndLoftPreview(*scene);
        if (m_hooks.sceneChanged)
            m_hooks.sceneChanged();
    }
    m_ui.RequestRepaint();
}

} // namespace ventrel
