// Compiling runs of objects into shared display lists, and knowing when they no longer hold.
#include "render/SceneBatch.h"

#include "render/CObject3D.h"
#include "render/FaceSender.h"
#include "render/Placement.h"

#include <GL/gl.h>

#include <algorithm>
#include <map>

namespace ventrel {

namespace {

// Long enough that a frame has only a few dozen lists, short enough that no single list holds a
// large part of a full scene's memory in one block.
constexpr int kObjectsPerList = 4096;

} // namespace

SceneBatch::KeyOrder SceneBatch::OrderOf(const Key &key) {
    const SentMaterial &m = key.material;
    return {key.texture,
            key.face,
            {m.ambient.x, m.ambient.y, m.ambient.z, m.diffuse.x, m.diffuse.y, m.diffuse.z,
             m.specular.x, m.specular.y, m.specular.z, m.shininess}};
}

// Objects that need something between their own list and the next one's (a matrix, texture
// coordinates moved, blending in order, red overlays, materials changing from face to face or
// inherited from the object drawn before) are drawn with their own list.
bool SceneBatch::KeyOf(const CObject3D &object, int textureCount, Key &key) {
    const bool shares = object.nbface >= 1 && object.m_listValid && !object.m_dirty &&
                        object.m_list != 0 && object.m_transparency == 0.0f &&
                        !object.m_ownTransform && !object.m_hasMatrix && !object.m_texTransform &&
                        !object.m_showNormals && !object.m_showAxes &&
                        object.m_outline.size() <= 1 && object.PointCount() > 0;
    if (!shares || !SingleMaterial(object, key.material))
        return false;
    const int texture = object.m_textureMode == -1 ? -1 : object.m_textureSlot;
    key.texture = texture >= 0 && texture < textureCount && object.m_lit ? texture : -1;
    key.face = object.m_face;
    return true;
}

void SceneBatch::Build(const ObjectTable &objects, int count, int textureCount) {
    Clear();
    m_textureCount = textureCount;
    count = std::min(count, static_cast<int>(objects.size()));
    m_covered.assign(static_cast<size_t>(std::max(count, 0)), false);

    // Runs in the order their first object comes, found by key in logarithmic time: a scene of
    // many materials has many runs.
    std::vector<std::pair<Key, std::vector<int>>> runs;
    std::map<KeyOrder, size_t> runOfKey;
    for (int slot = 0; slot < count; ++slot) {
        const CObject3D *object = objects[slot].get();
        Key key;
        // An object that leaves a corner without a normal or a texture coordinate of its own
        // would take the one the object before it in the run left behind.
        if (!object || !KeyOf(*object, textureCount, key) ||
            !SendsEveryCorner(*object, key.texture >= 0))
            continue;
        const auto [found, added] = runOfKey.emplace(OrderOf(key), runs.size());
        if (added)
            runs.push_back({key, {}});
        runs[found->second].second.push_back(slot);
    }
    for (const auto &[key, slots] : runs) {
        // An object alone in its run gains nothing from a second list.
        if (slots.size() < 2)
            continue;
        for (int slot : slots) {
            m_members.push_back({slot, objects[slot].get(), objects[slot]->m_compileStamp, key});
            m_covered[slot] = true;
        }
        for (size_t first = 0; first < slots.size(); first += kObjectsPerList) {
            const size_t end = std::min(slots.size(), first + kObjectsPerList);
            CompileRun(objects, std::vector<int>(slots.begin() + first, slots.begin() + end), key);
        }
    }
}

void SceneBatch::CompileRun(const ObjectTable &objects, const std::vector<int> &slots, Key key) {
    const GLuint list = glGenLists(1);
    if (list == 0) {
        // No list to be had: these objects keep being drawn with their own.
        for (int slot : slots)
            m_covered[slot] = false;
        m_members.erase(std::remove_if(m_members.begin(), m_members.end(),
                                       [this](const Member &m) { return !m_covered[m.slot]; }),
                        m_members.end());
        return;
    }
    glNewList(list, GL_COMPILE);
    SendMaterial(key.material);
    SentMaterial sent = key.material;
    glBegin(GL_TRIANGLES);
    for (int slot : slots) {
        CObject3D &object = *objects[slot];
        const Placement placement = Placement::Of(object);
        SendFaces(object, &placement, &sent, FaceStream::InOpenTriangles);
    }
    glEnd();
    glEdgeFlag(GL_TRUE);
    glEndList();
    m_runs.push_back({key, list});
}

bool SceneBatch::IsCurrent(const ObjectTable &objects, int count) const {
    if (m_runs.empty())
        return false;
    count = std::min(count, static_cast<int>(objects.size()));
    for (const Member &member : m_members) {
        if (member.slot >= count || objects[member.slot].get() != member.object)
            return false;
        const CObject3D &object = *member.object;
        Key key;
        if (object.m_compileStamp != member.stamp || !KeyOf(object, m_textureCount, key) ||
            !(key == member.key))
            return false;
    }
    return true;
}

void SceneBatch::Draw(bool select, const std::vector<unsigned> &textureNames,
                      unsigned polygonMode) const {
    if (select) {
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
    }
    for (const Run &run : m_runs) {
        glPolygonMode(run.key.face, polygonMode);
        if (!select) {
            if (run.key.texture >= 0 && run.key.texture < static_cast<int>(textureNames.size())) {
                glEnable(GL_TEXTURE_2D);
                glBindTexture(GL_TEXTURE_2D, textureNames[run.key.texture]);
            } else {
                glDisable(GL_TEXTURE_2D);
            }
        }
        glCallList(run.list);
    }
}

void SceneBatch::Clear() {
    for (const Run &run : m_runs)
        glDeleteLists(run.list, 1);
    m_runs.clear();
    m_members.clear();
    m_covered.clear();
}

} // namespace ventrel
