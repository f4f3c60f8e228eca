// Building the tinygltf model of the meshes: one node and one mesh per object, one primitive per
// material, all data in one buffer.
#include "export3d/GltfDocument.h"

#include "export3d/SceneMeshes.h"
#include "export3d/TextureImages.h"
#include "export3d/Utf8Text.h"

#include <nlohmann/json.hpp>
#include <tiny_gltf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

namespace ventrel {

namespace {

// The data of one buffer view, aligned so that every accessor in it starts on its component's
// size.
struct ViewBytes {
    std::vector<unsigned char> bytes;
    int target = 0;
    // The size of one element for views of vertex data, which several accessors share.
    int stride = 0;

    size_t Append(const void *data, size_t size) {
        while (bytes.size() % 4 != 0)
            bytes.push_back(0);
        const size_t offset = bytes.size();
        const auto *first = static_cast<const unsigned char *>(data);
        bytes.insert(bytes.end(), first, first + size);
        return offset;
    }
};

class ModelBuilder {
public:
    ModelBuilder() {
        m_model.asset.version = "2.0";
        m_model.asset.generator = "Ventrel";
        m_positions = {{}, TINYGLTF_TARGET_ARRAY_BUFFER, 12};
        m_normals = {{}, TINYGLTF_TARGET_ARRAY_BUFFER, 12};
        m_uvs = {{}, TINYGLTF_TARGET_ARRAY_BUFFER, 8};
        m_indices.target = TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER;
    }

    // Everything but the pictures' place: each mesh's accessors point into the views, which
    // Finish lays out in the buffer.
    void AddMeshes(const SceneMeshes &meshes, const std::vector<TextureImage> &images) {
        for (size_t i = 0; i < images.size(); ++i) {
            tinygltf::Texture texture;
            texture.sampler = 0;
            texture.source = static_cast<int>(i);
            m_model.textures.push_back(texture);
        }
        if (!images.empty()) {
            tinygltf::Sampler sampler;
            sampler.magFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
            sampler.minFilter = TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_LINEAR;
            sampler.wrapS = TINYGLTF_TEXTURE_WRAP_REPEAT;
            sampler.wrapT = TINYGLTF_TEXTURE_WRAP_REPEAT;
            m_model.samplers.push_back(sampler);
        }
        for (size_t i = 0; i < meshes.materials.size(); ++i)
            m_model.materials.push_back(MaterialOf(meshes.materials[i], i, images));
        tinygltf::Scene scene;
        for (const MeshObject &object : meshes.objects) {
            scene.nodes.push_back(static_cast<int>(m_model.nodes.size()));
            tinygltf::Node node;
            node.name = ValidUtf8(object.name);
            node.mesh = static_cast<int>(m_model.meshes.size());
            m_model.nodes.push_back(node);
            m_model.meshes.push_back(MeshOf(object));
        }
        m_model.scenes.push_back(scene);
        m_model.defaultScene = 0;
    }

    // The pictures: in the buffer (binary form) or named files.
    void AddImages(const std::vector<TextureImage> &images, const std::vector<std::string> *names) {
        for (size_t i = 0; i < images.size(); ++i) {
            tinygltf::Image image;
            image.name = ValidUtf8(images[i].name);
            if (names) {
                image.uri = (*names)[i];
            } else {
                m_imageViews.emplace_back();
                m_imageViews.back().Append(images[i].bytes.data(), images[i].bytes.size());
                image.mimeType = images[i].mimeType;
                image.bufferView = -2 - static_cast<int>(i); // set by Finish
            }
            m_model.images.push_back(image);
        }
    }

    // Lays the views out in the one buffer; false when it would pass glTF's 4 GiB.
    bool Finish(std::string &error) {
        tinygltf::Buffer buffer;
        std::vector<std::pair<ViewBytes *, int *>> views = {{&m_positions, &m_positionView},
                                                            {&m_normals, &m_normalView},
                                                            {&m_uvs, &m_uvView},
                                                            {&m_indices, &m_indexView}};
        std::vector<int> imageViewIndex(m_imageViews.size(), -1);
        for (size_t i = 0; i < m_imageViews.size(); ++i)
            views.emplace_back(&m_imageViews[i], &imageViewIndex[i]);
        size_t total = 0;
        for (auto &[view, index] : views)
            if (!view->bytes.empty())
                total += (view->bytes.size() + 3) / 4 * 4;
        if (total > std::numeric_limits<std::uint32_t>::max() - 64) {
            error = "The scene is too large for a glTF file (over 4 GiB)";
            return false;
        }
        buffer.data.reserve(total);
        for (auto &[view, index] : views) {
            if (view->bytes.empty())
                continue;
            while (buffer.data.size() % 4 != 0)
                buffer.data.push_back(0);
            tinygltf::BufferView bufferView;
            bufferView.buffer = 0;
            bufferView.byteOffset = buffer.data.size();
            bufferView.byteLength = view->bytes.size();
            bufferView.target = view->target;
            bufferView.byteStride = view->stride;
            buffer.data.insert(buffer.data.end(), view->bytes.begin(), view->bytes.end());
            *index = static_cast<int>(m_model.bufferViews.size());
            m_model.bufferViews.push_back(bufferView);
        }
        while (buffer.data.size() % 4 != 0)
            buffer.data.push_back(0);
        if (!buffer.data.empty())
            m_model.buffers.push_back(std::move(buffer));
        // The accessors were made before the views had their numbers.
        for (tinygltf::Accessor &accessor : m_model.accessors) {
            const int kind = accessor.bufferView;
            accessor.bufferView = kind == kPositions ? m_positionView
                                  : kind == kNormals ? m_normalView
                                  : kind == kUvs     ? m_uvView
                                                     : m_indexView;
        }
        for (tinygltf::Image &image : m_model.images)
            if (image.bufferView <= -2)
                image.bufferView = imageViewIndex[-2 - image.bufferView];
        return true;
    }

    tinygltf::Model &Model() { return m_model; }

private:
    enum ViewKind { kPositions, kNormals, kUvs, kIndices };

    static tinygltf::Material MaterialOf(const MeshMaterial &m, size_t number,
                                         const std::vector<TextureImage> &images) {
        tinygltf::Material material;
        material.name = "material_" + std::to_string(number);
        auto &pbr = material.pbrMetallicRoughness;
        pbr.baseColorFactor = {m.diffuse.x, m.diffuse.y, m.diffuse.z, m.opacity};
        pbr.metallicFactor = 0;
        // OpenGL's shininess (0 … 128) narrows the highlight as roughness lowers.
        pbr.roughnessFactor = 1.0 - std::sqrt(m.shininess / 128.0);
        const bool cutOut = m.texture >= 0 && m.texture < static_cast<int>(images.size()) &&
                            images[m.texture].hasAlpha;
        if (m.texture >= 0)
            pbr.baseColorTexture.index = m.texture;
        if (m.opacity < 1 || cutOut)
            material.alphaMode = "BLEND";
        // The view lights both sides of every face.
        material.doubleSided = true;
        return material;
    }

    int Accessor(ViewKind kind, size_t offset, size_t count, int componentType, int type) {
        tinygltf::Accessor accessor;
        accessor.bufferView = kind;
        accessor.byteOffset = offset;
        accessor.count = count;
        accessor.componentType = componentType;
        accessor.type = type;
        m_model.accessors.push_back(accessor);
        return static_cast<int>(m_model.accessors.size()) - 1;
    }

    tinygltf::Mesh MeshOf(const MeshObject &object) {
        tinygltf::Mesh mesh;
        mesh.name = ValidUtf8(object.name);
        const size_t count = object.positions.size();
        const int position =
            Accessor(kPositions, m_positions.Append(object.positions.data(), count * 12), count,
                     TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3);
        tinygltf::Accessor &bounds = m_model.accessors[position];
        bounds.minValues.assign(3, std::numeric_limits<double>::max());
        bounds.maxValues.assign(3, std::numeric_limits<double>::lowest());
        for (const Vec3 &p : object.positions) {
            const float xyz[3] = {p.x, p.y, p.z};
            for (int i = 0; i < 3; ++i) {
                bounds.minValues[i] = std::min<double>(bounds.minValues[i], xyz[i]);
                bounds.maxValues[i] = std::max<double>(bounds.maxValues[i], xyz[i]);
            }
        }
        const int normal = Accessor(kNormals, m_normals.Append(object.normals.data(), count * 12),
                                    count, TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3);
        int uv = -1;
        if (!object.uvs.empty())
            uv = Accessor(kUvs, m_uvs.Append(object.uvs.data(), count * 8), count,
                          TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC2);
        // 65535 is the restart index of short indexes: a mesh of that many corners uses longs.
        const bool shortIndexes = count < 65535;
        for (const MeshPart &part : object.parts) {
            tinygltf::Primitive primitive;
            primitive.mode = TINYGLTF_MODE_TRIANGLES;
            primitive.material = part.material;
            primitive.attributes["POSITION"] = position;
            primitive.attributes["NORMAL"] = normal;
            if (uv >= 0)
                primitive.attributes["TEXCOORD_0"] = uv;
            size_t offset;
            if (shortIndexes) {
                std::vector<std::uint16_t> corners(part.corners.begin(), part.corners.end());
                offset = m_indices.Append(corners.data(), corners.size() * 2);
            } else {
                offset = m_indices.Append(part.corners.data(), part.corners.size() * 4);
            }
            primitive.indices = Accessor(kIndices, offset, part.corners.size(),
                                         shortIndexes ? TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT
                                                      : TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
                                         TINYGLTF_TYPE_SCALAR);
            mesh.primitives.push_back(primitive);
        }
        return mesh;
    }

    tinygltf::Model m_model;
    ViewBytes m_positions, m_normals, m_uvs, m_indices;
    std::vector<ViewBytes> m_imageViews;
    int m_positionView = -1, m_normalView = -1, m_uvView = -1, m_indexView = -1;
};

// Picture files are written by the caller: the document keeps the names it was given.
bool KeepImageUri(const std::string *, const std::string *, const tinygltf::Image *, bool,
                  std::string *, void *) {
    return false;
}

bool Serialise(tinygltf::Model &model, bool binary, std::string &out, std::string &error) {
    tinygltf::TinyGLTF writer;
    writer.SetImageWriter(KeepImageUri, nullptr);
    std::ostringstream stream;
    try {
        if (!writer.WriteGltfSceneToStream(&model, stream, !binary, binary)) {
            error = "The glTF document could not be written";
            return false;
        }
    } catch (const std::exception &e) {
        error = std::string("The glTF document could not be written: ") + e.what();
        return false;
    }
    out = std::move(stream).str();
    return true;
}

} // namespace

bool GlbBytes(const SceneMeshes &meshes, const std::vector<TextureImage> &images,
              std::string &bytes, std::string &error) {
    ModelBuilder builder;
    builder.AddMeshes(meshes, images);
    builder.AddImages(images, nullptr);
    return builder.Finish(error) && Serialise(builder.Model(), true, bytes, error);
}

bool GltfText(const SceneMeshes &meshes, const std::vector<TextureImage> &images,
              const std::string &binName, const std::vector<std::string> &imageNames,
              std::string &json, std::string &bin, std::string &error) {
    ModelBuilder builder;
    builder.AddMeshes(meshes, images);
    builder.AddImages(images, &imageNames);
    if (!builder.Finish(error))
        return false;
    tinygltf::Model &model = builder.Model();
    // The writer embeds a buffer in the text; this one goes to its own file, so the text is made
    // without its bytes and then names the file.
    size_t length = 0;
    if (!model.buffers.empty()) {
        length = model.buffers[0].data.size();
        bin.assign(model.buffers[0].data.begin(), model.buffers[0].data.end());
        model.buffers[0].data.clear();
    }
    std::string text;
    if (!Serialise(model, false, text, error))
        return false;
    nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        error = "The glTF document could not be written";
        return false;
    }
    if (length > 0) {
        document["buffers"][0]["uri"] = binName;
        document["buffers"][0]["byteLength"] = length;
    }
    json = document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    return true;
}

} // namespace ventrel
