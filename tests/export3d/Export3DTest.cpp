// The 3D export read back: glTF through tinygltf's loader, OBJ and MTL parsed line by line.
#include "GltfRead.h"
#include "TestScene.h"

#include "CommaLocale.h"
#include "TestFolder.h"

#include "export3d/Export3D.h"
#include "export3d/Utf8Text.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace ventrel {
namespace {

using test::LoadGltf;
using test::NodeNamed;
using test::ReadIndexes;
using test::ReadVec2;
using test::ReadVec3;
using test::TestFolder;

void ExpectNear(Vec3 actual, Vec3 expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

const tinygltf::Primitive &FirstPrimitive(const tinygltf::Model &model, int node) {
    return model.meshes.at(model.nodes.at(node).mesh).primitives.at(0);
}

std::vector<Vec3> NodePositions(const tinygltf::Model &model, int node) {
    return ReadVec3(model, FirstPrimitive(model, node).attributes.at("POSITION"));
}

Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 Minus(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Every triangle of every primitive of the node turns the way its corners' normals point.
void ExpectTrianglesFaceTheirNormals(const tinygltf::Model &model, int node) {
    for (const tinygltf::Primitive &primitive :
         model.meshes.at(model.nodes.at(node).mesh).primitives) {
        const auto points = ReadVec3(model, primitive.attributes.at("POSITION"));
        const auto normals = ReadVec3(model, primitive.attributes.at("NORMAL"));
        const auto corners = ReadIndexes(model, primitive.indices);
        for (size_t c = 0; c + 2 < corners.size(); c += 3) {
            const Vec3 turn = Cross(Minus(points[corners[c + 1]], points[corners[c]]),
                                    Minus(points[corners[c + 2]], points[corners[c + 1]]));
            EXPECT_GT(Dot(turn, normals[corners[c]]), 0) << "triangle " << c / 3;
        }
    }
}

std::string FileBytes(const std::filesystem::path &path) {
    return test::ReadBytes(path);
}

class Export3DTest : public ::testing::Test {
protected:
    Export3DTest() : scene(&ui) {}

    bool Export(const std::string &name, Export3DSummary *summary = nullptr) {
        error.clear();
        return Export3D(scene, folder / name, folder.Path(), error, summary);
    }

    HeadlessUi ui;
    Scene scene;
    TestFolder folder;
    std::string error;
};

TEST_F(Export3DTest, BinaryFileHoldsEveryObjectPlacedInMetresWithMaterialsAndPictures) {
    test::FillWorkshopScene(scene, folder.Path());
    Export3DSummary summary;
    ASSERT_TRUE(Export("organ.glb", &summary)) << error;
    EXPECT_EQ(summary.files, std::vector<std::filesystem::path>{folder / "organ.glb"});
    EXPECT_EQ(summary.objects, 4);
    EXPECT_EQ(summary.textures, 2);

    const tinygltf::Model model = LoadGltf(folder / "organ.glb");
    ASSERT_EQ(model.nodes.size(), 4u);
    EXPECT_EQ(model.scenes.at(0).nodes.size(), 4u);

    // The chest box: 2000 x 100 x 800 mm at (1000, 500, 0), in metres.
    const int chest = NodeNamed(model, "SOMMIER");
    ASSERT_GE(chest, 0);
    const tinygltf::Accessor &bounds =
        model.accessors.at(FirstPrimitive(model, chest).attributes.at("POSITION"));
    EXPECT_EQ(bounds.minValues, (std::vector<double>{1, 0.5, 0}));
    ASSERT_EQ(bounds.maxValues.size(), 3u);
    EXPECT_NEAR(bounds.maxValues[0], 3, 1e-6);
    EXPECT_NEAR(bounds.maxValues[1], 0.6, 1e-6);
    EXPECT_NEAR(bounds.maxValues[2], 0.8, 1e-6);
    // Six quads, two triangles each; a corner per face side (its own normal).
    EXPECT_EQ(ReadIndexes(model, FirstPrimitive(model, chest).indices).size(), 36u);
    EXPECT_EQ(NodePositions(model, chest).size(), 24u);

    // Every normal is of unit length.
    for (const tinygltf::Mesh &mesh : model.meshes)
        for (const tinygltf::Primitive &primitive : mesh.primitives)
            for (const Vec3 &n : ReadVec3(model, primitive.attributes.at("NORMAL")))
                EXPECT_NEAR(std::sqrt(Dot(n, n)), 1, 1e-5);

    // The prism: smooth (one normal per point: 16 corners), red, lit on both sides.
    const int pipe = NodeNamed(model, "Tuyau : 1");
    ASSERT_GE(pipe, 0);
    EXPECT_EQ(NodePositions(model, pipe).size(), 16u);
    const tinygltf::Material &red = model.materials.at(FirstPrimitive(model, pipe).material);
    EXPECT_EQ(red.pbrMetallicRoughness.baseColorFactor, (std::vector<double>{1, 0, 0, 1}));
    EXPECT_TRUE(red.doubleSided);
    EXPECT_EQ(red.pbrMetallicRoughness.baseColorTexture.index, -1);
    EXPECT_FALSE(FirstPrimitive(model, pipe).attributes.count("TEXCOORD_0"));

    // The board's picture is its JPEG file, byte for byte, inside the buffer.
    const int board = NodeNamed(model, "TUYAUBOIS :1");
    ASSERT_GE(board, 0);
    const tinygltf::Material &wood = model.materials.at(FirstPrimitive(model, board).material);
    const int woodTexture = wood.pbrMetallicRoughness.baseColorTexture.index;
    ASSERT_GE(woodTexture, 0);
    const tinygltf::Image &jpeg = model.images.at(model.textures.at(woodTexture).source);
    EXPECT_EQ(jpeg.mimeType, "image/jpeg");
    ASSERT_GE(jpeg.bufferView, 0);
    const tinygltf::BufferView &view = model.bufferViews.at(jpeg.bufferView);
    const auto &buffer = model.buffers.at(view.buffer).data;
    EXPECT_EQ(std::string(buffer.begin() + view.byteOffset,
                          buffer.begin() + view.byteOffset + view.byteLength),
              FileBytes(folder / "grain.jpg"));
    EXPECT_EQ(jpeg.width, 8);
    // The view flips v (rows top-down): the picture's top row is v = 0, its bottom v = -1.
    for (const Vec2 &uv : ReadVec2(model, FirstPrimitive(model, board).attributes.at("TEXCOORD_0")))
        EXPECT_TRUE(uv.y == 0 || uv.y == -1) << uv.y;

    // The picture that exists only in memory is written as PNG, its pixels in place.
    const int painted = NodeNamed(model, "painted");
    ASSERT_GE(painted, 0);
    const tinygltf::Material &paint = model.materials.at(FirstPrimitive(model, painted).material);
    const tinygltf::Image &png = model.images.at(
        model.textures.at(paint.pbrMetallicRoughness.baseColorTexture.index).source);
    EXPECT_EQ(png.mimeType, "image/png");
    ASSERT_EQ(png.width, 4);
    ASSERT_EQ(png.height, 2);
    ASSERT_GE(png.component, 3);
    EXPECT_EQ(png.image.at(1 * png.component), 30);     // second pixel of the top row
    EXPECT_EQ(png.image.at(5 * png.component), 5 * 30); // second pixel of the bottom row
}

TEST_F(Export3DTest, TextFileNamesItsBufferAndPicturesBesideItWithTheSamePoints) {
    test::FillWorkshopScene(scene, folder.Path());
    ASSERT_TRUE(Export("organ.glb")) << error;
    Export3DSummary summary;
    ASSERT_TRUE(Export("organ.gltf", &summary)) << error;
    EXPECT_EQ(summary.files, (std::vector<std::filesystem::path>{
                                 folder / "organ.gltf", folder / "organ.bin",
                                 folder / "organ_grain.jpg", folder / "organ_paint.png"}));
    EXPECT_EQ(FileBytes(folder / "organ_grain.jpg"), FileBytes(folder / "grain.jpg"));

    const tinygltf::Model text = LoadGltf(folder / "organ.gltf");
    const tinygltf::Model binary = LoadGltf(folder / "organ.glb");
    ASSERT_EQ(text.nodes.size(), binary.nodes.size());
    for (size_t i = 0; i < text.nodes.size(); ++i) {
        EXPECT_EQ(text.nodes[i].name, binary.nodes[i].name);
        EXPECT_EQ(NodePositions(text, static_cast<int>(i)),
                  NodePositions(binary, static_cast<int>(i)));
    }
    EXPECT_EQ(text.buffers.at(0).uri, "organ.bin");
    ASSERT_EQ(text.images.size(), 2u);
    EXPECT_EQ(text.images[0].uri, "organ_grain.jpg");
    EXPECT_EQ(text.images[0].width, 8); // the loader read and decoded the file beside
    EXPECT_EQ(text.images[1].uri, "organ_paint.png");
}

// The lines of a text file that begin with `keyword` and a space, without it.
std::vector<std::string> Lines(const std::string &text, const std::string &keyword) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(keyword + " ", 0) == 0)
            lines.push_back(line.substr(keyword.size() + 1));
    return lines;
}

std::vector<float> Numbers(const std::string &line) {
    std::vector<float> numbers;
    const char *p = line.data(), *end = line.data() + line.size();
    while (p < end) {
        float v;
        const auto result = std::from_chars(p, end, v);
        EXPECT_EQ(result.ec, std::errc()) << line;
        if (result.ec != std::errc())
            break;
        numbers.push_back(v);
        p = result.ptr;
        while (p < end && *p == ' ')
            ++p;
    }
    return numbers;
}

TEST_F(Export3DTest, ObjFileReadsBackToTheSamePointsAndMaterialsInACommaLocale) {
    test::FillWorkshopScene(scene, folder.Path());
    ASSERT_TRUE(Export("organ.glb")) << error;
    const tinygltf::Model binary = LoadGltf(folder / "organ.glb");
    test::ScopedCommaLocale comma;
    if (!comma.Active())
        std::cout << "(without a comma locale: " << comma.Why() << ")\n";
    Export3DSummary summary;
    ASSERT_TRUE(Export("organ.obj", &summary)) << error;
    EXPECT_EQ(summary.files, (std::vector<std::filesystem::path>{
                                 folder / "organ.obj", folder / "organ.mtl",
                                 folder / "organ_grain.jpg", folder / "organ_paint.png"}));
    const std::string obj = FileBytes(folder / "organ.obj");
    EXPECT_EQ(Lines(obj, "mtllib"), std::vector<std::string>{"organ.mtl"});
    EXPECT_EQ(Lines(obj, "o"),
              (std::vector<std::string>{"SOMMIER", "TUYAUBOIS_:1", "Tuyau_:_1", "painted"}));

    // The points, in order, are the binary file's, to the last bit.
    std::vector<Vec3> expected;
    for (size_t i = 0; i < binary.nodes.size(); ++i)
        for (const Vec3 &p : NodePositions(binary, static_cast<int>(i)))
            expected.push_back(p);
    std::vector<Vec3> points;
    for (const std::string &line : Lines(obj, "v")) {
        const auto n = Numbers(line);
        ASSERT_EQ(n.size(), 3u) << line;
        points.push_back({n[0], n[1], n[2]});
    }
    EXPECT_EQ(points, expected);
    EXPECT_EQ(Lines(obj, "vn").size(), points.size());
    // Texture coordinates of the two textured boxes; OBJ counts v from the bottom.
    const auto uvs = Lines(obj, "vt");
    EXPECT_EQ(uvs.size(), 2 * 24u);
    for (const std::string &line : uvs) {
        const auto n = Numbers(line);
        ASSERT_EQ(n.size(), 2u);
        EXPECT_TRUE(n[1] == 1 || n[1] == 2) << line;
    }

    // Every face is a triangle naming existing points, texture coordinates only where there are.
    const auto faces = Lines(obj, "f");
    EXPECT_EQ(faces.size(), summary.triangles);
    for (const std::string &face : faces) {
        std::istringstream corners(face);
        int count = 0;
        for (std::string corner; corners >> corner; ++count) {
            const size_t slash = corner.find('/');
            const size_t v = std::stoul(corner.substr(0, slash));
            EXPECT_GE(v, 1u);
            EXPECT_LE(v, points.size());
        }
        EXPECT_EQ(count, 3) << face;
    }
    EXPECT_NE(obj.find("\nf 1//1 "), std::string::npos); // the untextured chest box

    // Each material used is in the library, with its colour and picture.
    const std::string mtl = FileBytes(folder / "organ.mtl");
    const auto defined = Lines(mtl, "newmtl");
    for (const std::string &used : Lines(obj, "usemtl"))
        EXPECT_NE(std::find(defined.begin(), defined.end(), used), defined.end()) << used;
    const auto colours = Lines(mtl, "Kd");
    EXPECT_NE(std::find(colours.begin(), colours.end(), "1 0 0"), colours.end());
    EXPECT_EQ(Lines(mtl, "map_Kd"),
              (std::vector<std::string>{"organ_grain.jpg", "organ_paint.png"}));
}

TEST_F(Export3DTest, ThePlacementsOfTheSceneAreCarriedIntoThePointsAndMirrorsKeepTheirSides) {
    CObject3D &placed = test::AddCube(scene, "placed");
    placed.echelle = {10, 10, 10};
    placed.m_ownTransform = true;
    placed.m_position = {100, 0, 0};
    placed.m_hasMatrix = true;
    placed.m_matrix[14] = 3000; // a move along z, column-major
    CObject3D &mirrored = test::AddCube(scene, "mirrored");
    mirrored.echelle = {-1000, 1000, 1000};
    CObject3D &smooth = test::AddPrism(scene, "smooth mirrored", 6);
    smooth.echelle = {1000, -1000, 1000};
    // Without lighting the view sends no normals: each face gets its own flat one.
    CObject3D &unlit = test::AddCube(scene, "unlit mirrored");
    unlit.echelle = {1000, 1000, -1000};
    unlit.m_lit = false;
    ASSERT_TRUE(Export("placed.glb")) << error;
    const tinygltf::Model model = LoadGltf(folder / "placed.glb");

    const tinygltf::Accessor &bounds = model.accessors.at(
        FirstPrimitive(model, NodeNamed(model, "placed")).attributes.at("POSITION"));
    ExpectNear({float(bounds.minValues[0]), float(bounds.minValues[1]), float(bounds.minValues[2])},
               {0.1f, 0, 3});
    ExpectNear({float(bounds.maxValues[0]), float(bounds.maxValues[1]), float(bounds.maxValues[2])},
               {0.11f, 0.01f, 3.01f});
    // Normals and turns agree whether the placement mirrors the object or not.
    for (size_t node = 0; node < model.nodes.size(); ++node)
        ExpectTrianglesFaceTheirNormals(model, static_cast<int>(node));
    const auto mirroredPoints = NodePositions(model, NodeNamed(model, "mirrored"));
    for (const Vec3 &p : mirroredPoints)
        EXPECT_LE(p.x, 0);
}

TEST_F(Export3DTest, TextureTransformsMoveTheCoordinatesAsTheViewDoes) {
    test::UsePictures(scene, folder.Path());
    CObject3D &plain = test::AddCube(scene, "plain");
    test::Texture(scene, plain, "grain.jpg");
    CObject3D &moved = test::AddCube(scene, "moved");
    test::Texture(scene, moved, "grain.jpg");
    moved.m_texTransform = moved.m_texTranslate = true;
    moved.m_texOffset = {0.5f, 0.25f};
    CObject3D &turned = test::AddCube(scene, "turned");
    test::Texture(scene, turned, "grain.jpg");
    turned.m_texTransform = turned.m_texRotate = true;
    turned.m_texAngle = 90;
    ASSERT_TRUE(Export("moved.glb")) << error;
    const tinygltf::Model model = LoadGltf(folder / "moved.glb");
    const auto uvs = [&](const char *name) {
        return ReadVec2(model,
                        FirstPrimitive(model, NodeNamed(model, name)).attributes.at("TEXCOORD_0"));
    };
    const auto plainUv = uvs("plain"), movedUv = uvs("moved"), turnedUv = uvs("turned");
    ASSERT_EQ(movedUv.size(), plainUv.size());
    ASSERT_EQ(turnedUv.size(), plainUv.size());
    for (size_t i = 0; i < plainUv.size(); ++i) {
        EXPECT_FLOAT_EQ(movedUv[i].x, plainUv[i].x + 0.5f);
        EXPECT_FLOAT_EQ(movedUv[i].y, plainUv[i].y + 0.25f);
        // A quarter turn: (u, v) becomes (-v, u).
        EXPECT_NEAR(turnedUv[i].x, -plainUv[i].y, 1e-6);
        EXPECT_NEAR(turnedUv[i].y, plainUv[i].x, 1e-6);
    }
}

TEST_F(Export3DTest, FacesTheViewLeavesOutAreLeftOutAndLargerOnesCutIntoFans) {
    auto object = std::make_unique<CObject3D>();
    object->m_name = "odd";
    object->m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0.5f, 2, 0}, {0, 1, 0}, {NAN, 0, 0}};
    object->m_index = {0, 1, 2,  3,  4, -1, // a pentagon: three triangles
                       0, 1, -1,            // two corners: no face
                       0, 1, 9,  -1,        // a point that does not exist
                       0, 1, 5,  -1};       // a point that is not a number
    object->nbpts = 6;
    object->nbindex = static_cast<int>(object->m_index.size());
    object->nbface = 4;
    scene.AddObject(std::move(object));
    auto empty = std::make_unique<CObject3D>();
    empty->m_name = "empty";
    scene.AddObject(std::move(empty));
    Export3DSummary summary;
    ASSERT_TRUE(Export("odd.glb", &summary)) << error;
    EXPECT_EQ(summary.objects, 1);
    EXPECT_EQ(summary.triangles, 3u);
    const tinygltf::Model model = LoadGltf(folder / "odd.glb");
    ASSERT_EQ(model.nodes.size(), 1u);
    EXPECT_EQ(ReadIndexes(model, FirstPrimitive(model, 0).indices),
              (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
}

TEST_F(Export3DTest, FailuresSayWhyAndLeaveTheOlderFilesWhole) {
    EXPECT_FALSE(Export("organ.glb"));
    EXPECT_EQ(error, "The scene has no object to export");

    test::FillWorkshopScene(scene, folder.Path());
    EXPECT_FALSE(Export("organ.stl"));
    EXPECT_EQ(error, "Unknown 3D file type: organ.stl (use .glb, .gltf or .obj)");

    folder.Write("file", "not a folder");
    EXPECT_FALSE(Export("file/organ.glb"));
    EXPECT_EQ(error.rfind("Cannot write the 3D file ", 0), 0u) << error;

    // A folder stands where the buffer file goes: nothing of the set replaces anything.
    folder.Write("organ.gltf", "older");
    std::filesystem::create_directory(folder / "organ.bin");
    EXPECT_FALSE(Export("organ.gltf"));
    EXPECT_NE(error.find("organ.bin"), std::string::npos) << error;
    EXPECT_EQ(folder.Read("organ.gltf"), "older");
    EXPECT_FALSE(std::filesystem::exists(folder / "organ_grain.jpg"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              4); // grain.jpg, file, organ.gltf, organ.bin: no temporary left behind
}

TEST_F(Export3DTest, NamesAreKeptAsValidUtf8AndAsOneObjWord) {
    test::AddCube(scene, " coup\xE9\nbas ");
    test::AddCube(scene, "SOMMIER");
    test::AddCube(scene, "SOMMIER");
    ASSERT_TRUE(Export("names.glb")) << error;
    ASSERT_TRUE(Export("names.obj")) << error;
    EXPECT_EQ(LoadGltf(folder / "names.glb").nodes.at(0).name, " coup\xC3\xA9\nbas ");
    EXPECT_EQ(Lines(FileBytes(folder / "names.obj"), "o"),
              (std::vector<std::string>{"coup\xC3\xA9_bas", "SOMMIER", "SOMMIER.001"}));
}

TEST(ValidUtf8, KeepsValidSequencesAndReadsStrayBytesAsWindows1252) {
    EXPECT_EQ(ValidUtf8("Bourdon 8' \xE2\x82\xAC \xF0\x9F\x8E\xB5"),
              "Bourdon 8' \xE2\x82\xAC \xF0\x9F\x8E\xB5");
    EXPECT_EQ(ValidUtf8("Cor anglais \x80 \x9C"), "Cor anglais \xE2\x82\xAC \xC5\x93");
    EXPECT_EQ(ValidUtf8("\x81"), "\xEF\xBF\xBD");         // undefined in the code page
    EXPECT_EQ(ValidUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF"); // an overlong '/'
    EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC"); // a surrogate
    EXPECT_EQ(ValidUtf8("fin \xE2\x82"), "fin \xC3\xA2\xE2\x80\x9A");     // cut short
}

} // namespace
} // namespace ventrel
