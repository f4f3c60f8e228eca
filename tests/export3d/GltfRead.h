// Reading exported glTF files back through tinygltf's own loader, for the tests.
#pragma once

#include "math/Vec.h"

#include <tiny_gltf.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ventrel::test {

// The document of a .glb or .gltf file; fails the test (and returns an empty model) when the
// loader refuses it or warns.
tinygltf::Model LoadGltf(const std::filesystem::path &file);

// An accessor's elements as floats, three (or two) per element, whatever its layout.
std::vector<Vec3> ReadVec3(const tinygltf::Model &model, int accessor);
std::vector<Vec2> ReadVec2(const tinygltf::Model &model, int accessor);
std::vector<std::uint32_t> ReadIndexes(const tinygltf::Model &model, int accessor);

// The node of that name, or -1.
int NodeNamed(const tinygltf::Model &model, const std::string &name);

} // namespace ventrel::test
