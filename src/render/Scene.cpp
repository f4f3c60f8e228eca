// The scene's object table, texture list and bounds.
#include "render/Scene.h"

#include "platform/Ui.h"

#include <algorithm>

namespace ventrel {

Scene::Scene(Ui *ui) : m_objects(kCapacity), m_ui(ui) {
    ResetCamera();
    m_translation = {0, 0, -20};
}

Scene::~Scene() {
    DeleteObjects();
}

void Scene::Status(const std::string &text) {
    if (m_ui)
        m_ui->StatusMessage(text);
}

CObject3D *Scene::AddObject(std::unique_ptr<CObject3D> object) {
    if (!object)
        return nullptr;
    const int capacity = std::min(m_capacity, static_cast<int>(m_objects.size()));
    if (m_nbobject < 0 || m_nbobject >= capacity) {
        // One message per burst of refusals, not one per object.
        if (!m_fullReported && m_ui)
            m_ui->MessageBox(Format("The 3D scene is full: %d objects at most; \"%s\" and what "
                                    "follows are left out.",
                                    capacity, object->m_name.c_str()),
                             "3D");
        m_fullReported = true;
        return nullptr;
    }
    m_objects[m_nbobject] = std::move(object);
    return m_objects[m_nbobject++].get();
}

CObject3D *Scene::Object(int i) const {
    if (i < 0 || i >= m_nbobject || i >= static_cast<int>(m_objects.size()))
        return nullptr;
    return m_objects[i].get();
}

int Scene::LoadTexture(const std::string &fileName, int &slot, float alpha, bool addAlpha) {
    for (size_t i = 0; i < m_textures.size(); ++i)
        if (m_textures[i]->fileName == fileName) {
            slot = static_cast<int>(i);
            return 0;
        }
    if (!m_readTexture)
        return 0;
    // A file that could not be read once is not read again for every object that names it.
    if (std::find(m_unreadableTextures.begin(), m_unreadableTextures.end(), fileName) !=
        m_unreadableTextures.end())
        return 0;
    auto texture = std::make_unique<SceneTexture>();
    if (!m_readTexture(fileName, *texture) || !texture->IsValid()) {
        m_unreadableTextures.push_back(fileName);
        return 0;
    }
    texture->fileName = fileName;
    if (addAlpha)
        texture->AddAlphaLayer(static_cast<int>(alpha * 255));
    m_textures.push_back(std::move(texture));
    slot = static_cast<int>(m_textures.size()) - 1;
    return 1;
}

void Scene::InvalidateAll() {
    for (int i = 0; i < m_nbobject; ++i)
        if (CObject3D *object = Object(i))
            object->m_dirty = 1;
}

void Scene::ComputeBounds() {
    m_max = {-1e10f, -1e10f, -1e10f};
    m_min = {1e10f, 1e10f, 1e10f};
    m_faceTotal = 0;
    for (int i = 0; i < m_nbobject; ++i) {
        const CObject3D *object = Object(i);
        if (!object || object->nbface < 1)
            continue;
        m_faceTotal += object->nbface;
        const Vec3 &hi = object->m_o_max_xyz;
        const Vec3 &lo = object->m_o_min_xyz;
        m_max = {std::max(m_max.x, hi.x), std::max(m_max.y, hi.y), std::max(m_max.z, hi.z)};
        m_min = {std::min(m_min.x, lo.x), std::min(m_min.y, lo.y), std::min(m_min.z, lo.z)};
    }
    m_centre = {(m_max.x + m_min.x) / 2, (m_max.y + m_min.y) / 2, (m_max.z + m_min.z) / 2};
}

bool SceneTexture::AddAlphaLayer(int alpha) {
    if (!IsValid())
        return false;
    const auto value = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
    const size_t count = static_cast<size_t>(width) * height;
    if (depth == 32) {
        for (size_t i = 0; i < count; ++i)
            pixels[i * 4 + 3] = value;
        return true;
    }
    std::vector<std::uint8_t> rgba(count * 4);
    for (size_t i = 0; i < count; ++i) {
        rgba[i * 4] = pixels[i * 3];
        rgba[i * 4 + 1] = pixels[i * 3 + 1];
        rgba[i * 4 + 2] = pixels[i * 3 + 2];
        rgba[i * 4 + 3] = value;
    }
    pixels = std::move(rgba);
    depth = 32;
    return true;
}

} // namespace ventrel
