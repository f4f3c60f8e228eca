// Building the export tests' scenes by hand, without the organ builders.
#include "TestScene.h"

#include "image/JpegFile.h"
#include "platform/HeadlessUi.h"

#include <cmath>
#include <memory>

namespace ventrel::test {

namespace {

void Quads(CObject3D &o, const std::vector<std::array<int, 4>> &faces) {
    for (const auto &face : faces) {
        o.m_index.insert(o.m_index.end(), face.begin(), face.end());
        o.m_index.push_back(-1);
    }
    o.nbindex = static_cast<int>(o.m_index.size());
    o.nbface = static_cast<int>(faces.size());
    o.nbpts = static_cast<int>(o.m_vertices.size());
}

CObject3D &Add(Scene &scene, const std::string &name) {
    auto object = std::make_unique<CObject3D>();
    object->m_name = name;
    return *scene.AddObject(std::move(object));
}

} // namespace

CObject3D &AddCube(Scene &scene, const std::string &name) {
    CObject3D &o = Add(scene, name);
    o.m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
                    {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    Quads(o, {{0, 1, 5, 4}, {1, 2, 6, 5}, {3, 7, 6, 2}, {0, 4, 7, 3}, {0, 3, 2, 1}, {4, 5, 6, 7}});
    o.m_texvertex = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    o.nbtexvertex = 4;
    for (int f = 0; f < 6; ++f) {
        o.m_texindex.insert(o.m_texindex.end(), {0, 1, 2, 3, -1});
    }
    o.m_normalMode = 0;
    return o;
}

CObject3D &AddPrism(Scene &scene, const std::string &name, int n) {
    CObject3D &o = Add(scene, name);
    for (int ring = 0; ring < 2; ++ring)
        for (int i = 0; i < n; ++i) {
            const double a = 2 * 3.14159265358979323846 * i / n;
            o.m_vertices.push_back({static_cast<float>(std::cos(a)), static_cast<float>(ring),
                                    static_cast<float>(std::sin(a))});
        }
    std::vector<std::array<int, 4>> faces;
    for (int i = 0; i < n; ++i)
        faces.push_back({i, (i + 1) % n, n + (i + 1) % n, n + i});
    Quads(o, faces);
    o.m_normalMode = 1;
    return o;
}

void Texture(Scene &scene, CObject3D &object, const std::string &name) {
    object.m_textureFile = name;
    if (scene.LoadTexture(name, object.m_textureSlot, 0, false) >= 0 && object.m_textureSlot >= 0)
        object.m_textureMode = 1;
}

void UsePictures(Scene &scene, const std::filesystem::path &jpegFolder) {
    scene.m_readTexture = [](const std::string &, SceneTexture &out) {
        out.width = 4;
        out.height = 2;
        out.depth = 24;
        out.pixels.assign(4 * 2 * 3, 0);
        for (size_t i = 0; i < out.pixels.size(); i += 3)
            out.pixels[i] = static_cast<std::uint8_t>(i * 10); // a red ramp
        return true;
    };
    HeadlessUi ui;
    const std::vector<std::uint8_t> pixels(8 * 8 * 3, 128);
    WriteJpeg(ui, (jpegFolder / "grain.jpg").string(), pixels, 8, 8, 1, 90);
}

void FillWorkshopScene(Scene &scene, const std::filesystem::path &folder) {
    UsePictures(scene, folder);
    CObject3D &chest = AddCube(scene, "SOMMIER");
    chest.echelle = {2000, 100, 800};
    chest.translation = {1000, 500, 0};
    CObject3D &board = AddCube(scene, "TUYAUBOIS :1");
    board.translation = {0, 1000, 0};
    Texture(scene, board, "grain.jpg");
    CObject3D &pipe = AddPrism(scene, "Tuyau : 1", 8);
    pipe.echelle = {20, 1000, 20};
    pipe.AllocMaterials(1);
    pipe.SetDiffuse(0, 0x0000FF); // red
    CObject3D &painted = AddCube(scene, "painted");
    painted.translation = {0, 0, 2000};
    Texture(scene, painted, "paint.bmp");
}

} // namespace ventrel::test
