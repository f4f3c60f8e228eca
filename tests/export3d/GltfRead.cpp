// Accessor data out of a loaded glTF model.
#include "GltfRead.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ventrel::test {

namespace {

const unsigned char *ElementData(const tinygltf::Model &model, int accessor, size_t element,
                                 size_t elementSize) {
    const tinygltf::Accessor &a = model.accessors.at(accessor);
    const tinygltf::BufferView &view = model.bufferViews.at(a.bufferView);
    const tinygltf::Buffer &buffer = model.buffers.at(view.buffer);
    const size_t stride = view.byteStride ? view.byteStride : elementSize;
    const size_t at = view.byteOffset + a.byteOffset + element * stride;
    if (at + elementSize > buffer.data.size())
        throw std::out_of_range("accessor past its buffer");
    return buffer.data.data() + at;
}

} // namespace

tinygltf::Model LoadGltf(const std::filesystem::path &file) {
    tinygltf::TinyGLTF loader;
    tinygltf::Model model;
    std::string error, warning;
    const bool binary = file.extension() == ".glb";
    const bool ok = binary ? loader.LoadBinaryFromFile(&model, &error, &warning, file.string())
                           : loader.LoadASCIIFromFile(&model, &error, &warning, file.string());
    EXPECT_TRUE(ok) << error;
    EXPECT_EQ(warning, "");
    return ok ? model : tinygltf::Model{};
}

std::vector<Vec3> ReadVec3(const tinygltf::Model &model, int accessor) {
    const tinygltf::Accessor &a = model.accessors.at(accessor);
    EXPECT_EQ(a.type, TINYGLTF_TYPE_VEC3);
    EXPECT_EQ(a.componentType, TINYGLTF_COMPONENT_TYPE_FLOAT);
    std::vector<Vec3> out(a.count);
    for (size_t i = 0; i < a.count; ++i)
        std::memcpy(&out[i], ElementData(model, accessor, i, 12), 12);
    return out;
}

std::vector<Vec2> ReadVec2(const tinygltf::Model &model, int accessor) {
    const tinygltf::Accessor &a = model.accessors.at(accessor);
    EXPECT_EQ(a.type, TINYGLTF_TYPE_VEC2);
    std::vector<Vec2> out(a.count);
    for (size_t i = 0; i < a.count; ++i)
        std::memcpy(&out[i], ElementData(model, accessor, i, 8), 8);
    return out;
}

std::vector<std::uint32_t> ReadIndexes(const tinygltf::Model &model, int accessor) {
    const tinygltf::Accessor &a = model.accessors.at(accessor);
    const bool shorts = a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT;
    std::vector<std::uint32_t> out(a.count);
    for (size_t i = 0; i < a.count; ++i) {
        if (shorts) {
            std::uint16_t v;
            std::memcpy(&v, ElementData(model, accessor, i, 2), 2);
            out[i] = v;
        } else {
            std::memcpy(&out[i], ElementData(model, accessor, i, 4), 4);
        }
    }
    return out;
}

int NodeNamed(const tinygltf::Model &model, const std::string &name) {
    for (size_t i = 0; i < model.nodes.size(); ++i)
        if (model.nodes[i].name == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace ventrel::test
