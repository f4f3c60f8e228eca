// The 3D export: the format from the file name, the files of the set, written together.
#include "export3d/Export3D.h"

#include "export3d/GltfDocument.h"
#include "export3d/ObjFile.h"
#include "export3d/SceneMeshes.h"
#include "export3d/TextureImages.h"

#include "platform/AtomicFile.h"
#include "render/Scene.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>

namespace ventrel {

namespace {

std::string Lower(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A name for a file beside the target that needs no quoting anywhere (glTF addresses, OBJ lines):
// letters, digits, '.', '_' and '-' stay, anything else becomes '_'.
std::string PlainName(const std::string &name) {
    std::string plain = name;
    for (char &c : plain) {
        const auto u = static_cast<unsigned char>(c);
        if (!(std::isalnum(u) && u < 0x80) && c != '.' && c != '_' && c != '-')
            c = '_';
    }
    return plain.empty() ? "export" : plain;
}

// The names of the pictures beside the target: its own name, '_', the picture's; a name taken
// already gets a number.
std::vector<std::string> ImageNames(const std::string &stem,
                                    const std::vector<TextureImage> &images,
                                    std::set<std::string> taken) {
    std::vector<std::string> names;
    for (const TextureImage &image : images) {
        std::filesystem::path own(PlainName(image.name));
        std::string name = stem + "_" + own.string();
        for (int n = 2; taken.count(Lower(name)); ++n)
            name = stem + "_" + own.stem().string() + "_" + std::to_string(n) +
                   own.extension().string();
        taken.insert(Lower(name));
        names.push_back(name);
    }
    return names;
}

struct OutputFile {
    std::filesystem::path path;
    std::string bytes;
};

bool WriteTogether(const std::vector<OutputFile> &outputs, std::string &error) {
    std::vector<std::unique_ptr<AtomicFile>> files;
    std::vector<AtomicFile *> set;
    for (const OutputFile &output : outputs) {
        files.push_back(std::make_unique<AtomicFile>());
        AtomicFile &file = *files.back();
        if (!file.Open(output.path) || !file.Write(output.bytes)) {
            error = "Cannot write the 3D file " + file.Error();
            return false;
        }
        set.push_back(&file);
    }
    std::string reason;
    if (!CommitTogether(set, &reason)) {
        error = "Cannot write the 3D file " + reason;
        return false;
    }
    return true;
}

} // namespace

std::optional<Format3D> Format3DOf(const std::filesystem::path &file) {
    const std::string extension = Lower(file.extension().string());
    if (extension == ".glb")
        return Format3D::Glb;
    if (extension == ".gltf")
        return Format3D::Gltf;
    if (extension == ".obj")
        return Format3D::Obj;
    return std::nullopt;
}

bool Export3D(Scene &scene, const std::filesystem::path &target,
              const std::filesystem::path &textureFolder, std::string &error,
              Export3DSummary *summary) {
    const std::optional<Format3D> format = Format3DOf(target);
    if (!format) {
        error =
            "Unknown 3D file type: " + target.filename().string() + " (use .glb, .gltf or .obj)";
        return false;
    }
    const SceneMeshes meshes = CollectMeshes(scene);
    if (meshes.objects.empty()) {
        error = "The scene has no object to export";
        return false;
    }
    std::vector<TextureImage> images(meshes.textureSlots.size());
    for (size_t i = 0; i < images.size(); ++i)
        if (!TextureImageOf(*scene.m_textures[meshes.textureSlots[i]], textureFolder, images[i],
                            error))
            return false;

    const std::filesystem::path folder = target.parent_path();
    const std::string stem = PlainName(target.stem().string());
    std::vector<OutputFile> outputs{{target, {}}};
    std::vector<std::string> imageNames;
    if (*format == Format3D::Glb) {
        if (!GlbBytes(meshes, images, outputs[0].bytes, error))
            return false;
    } else {
        const std::string companion = stem + (*format == Format3D::Gltf ? ".bin" : ".mtl");
        imageNames =
            ImageNames(stem, images, {Lower(target.filename().string()), Lower(companion)});
        std::string companionBytes;
        if (*format == Format3D::Gltf) {
            if (!GltfText(meshes, images, companion, imageNames, outputs[0].bytes, companionBytes,
                          error))
                return false;
        } else {
            outputs[0].bytes = ObjText(meshes, companion);
            companionBytes = MtlText(meshes, imageNames);
        }
        // A scene without faces' data still has its materials; a .gltf without data has no
        // buffer to name.
        if (*format == Format3D::Obj || !companionBytes.empty())
            outputs.push_back({folder / companion, std::move(companionBytes)});
        for (size_t i = 0; i < images.size(); ++i)
            outputs.push_back({folder / imageNames[i], std::move(images[i].bytes)});
    }
    if (!WriteTogether(outputs, error))
        return false;
    if (summary) {
        *summary = {};
        summary->objects = static_cast<int>(meshes.objects.size());
        for (const MeshObject &object : meshes.objects) {
            summary->points += object.positions.size();
            summary->triangles += object.TriangleCount();
        }
        summary->materials = static_cast<int>(meshes.materials.size());
        summary->textures = static_cast<int>(images.size());
        for (const OutputFile &output : outputs)
            summary->files.push_back(output.path);
    }
    return true;
}

} // namespace ventrel
