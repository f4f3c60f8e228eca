// Writing OBJ and MTL text: shortest round-trip numbers, names on one line.
#include "export3d/ObjFile.h"

#include "export3d/SceneMeshes.h"
#include "export3d/Utf8Text.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <set>

namespace ventrel {

namespace {

class Text {
public:
    Text &operator<<(const std::string &s) {
        m_text += s;
        return *this;
    }
    Text &operator<<(const char *s) {
        m_text += s;
        return *this;
    }
    // The shortest decimal that reads back as the same float, with '.' whatever the locale.
    Text &operator<<(float v) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
        m_text.append(buffer, result.ptr);
        return *this;
    }
    Text &operator<<(std::size_t v) {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
        m_text.append(buffer, result.ptr);
        return *this;
    }
    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
};

// A name as one word: readers of OBJ files take an object's name up to the first space, so
// spaces (and line breaks and other control characters) inside it become '_', those at either end
// go; an empty name becomes `fallback`.
std::string OneWord(const std::string &name, const std::string &fallback) {
    std::string word = ValidUtf8(name);
    for (char &c : word)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
            c = ' ';
    const size_t first = word.find_first_not_of(' ');
    if (first == std::string::npos)
        return fallback;
    word = word.substr(first, word.find_last_not_of(' ') - first + 1);
    for (char &c : word)
        if (c == ' ')
            c = '_';
    return word;
}

// Readers of OBJ files join the objects of one name into one: a name met again gets a number,
// ".001", ".002", ..., as modelling programs number their copies.
class UniqueNames {
public:
    std::string Of(const std::string &name) {
        if (m_used.insert(name).second)
            return name;
        for (int &n = m_next[name];;) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, ".%03d", ++n);
            if (m_used.insert(name + suffix).second)
                return name + suffix;
        }
    }

private:
    std::set<std::string> m_used;
    std::map<std::string, int> m_next;
};

std::string MaterialName(int number) {
    return "material_" + std::to_string(number);
}

} // namespace

std::string ObjText(const SceneMeshes &meshes, const std::string &mtlName) {
    Text out;
    out << "# Ventrel 3D export: metres, Y up\n";
    out << "mtllib " << mtlName << "\n";
    // OBJ counts points, texture coordinates and normals from 1 across the whole file.
    std::size_t base = 1, uvBase = 1;
    UniqueNames names;
    for (std::size_t i = 0; i < meshes.objects.size(); ++i) {
        const MeshObject &object = meshes.objects[i];
        out << "o " << names.Of(OneWord(object.name, "object")) << "\n";
        for (const Vec3 &p : object.positions)
            out << "v " << p.x << " " << p.y << " " << p.z << "\n";
        // OBJ's v grows from the bottom of the picture.
        for (const Vec2 &t : object.uvs)
            out << "vt " << t.x << " " << 1.0f - t.y << "\n";
        for (const Vec3 &n : object.normals)
            out << "vn " << n.x << " " << n.y << " " << n.z << "\n";
        const bool textured = !object.uvs.empty();
        for (const MeshPart &part : object.parts) {
            out << "usemtl " << MaterialName(part.material) << "\n";
            for (std::size_t c = 0; c + 2 < part.corners.size(); c += 3) {
                out << "f";
                for (std::size_t k = 0; k < 3; ++k) {
                    const std::size_t corner = part.corners[c + k];
                    out << " " << base + corner << "/";
                    if (textured)
                        out << uvBase + corner;
                    out << "/" << base + corner;
                }
                out << "\n";
            }
        }
        base += object.positions.size();
        uvBase += object.uvs.size();
    }
    return out.Take();
}

std::string MtlText(const SceneMeshes &meshes, const std::vector<std::string> &imageNames) {
    Text out;
    out << "# Ventrel 3D export\n";
    for (std::size_t i = 0; i < meshes.materials.size(); ++i) {
        const MeshMaterial &m = meshes.materials[i];
        out << "\nnewmtl " << MaterialName(static_cast<int>(i)) << "\n";
        out << "Ka " << m.ambient.x << " " << m.ambient.y << " " << m.ambient.z << "\n";
        out << "Kd " << m.diffuse.x << " " << m.diffuse.y << " " << m.diffuse.z << "\n";
        out << "Ks " << m.specular.x << " " << m.specular.y << " " << m.specular.z << "\n";
        // OpenGL's shininess runs to 128, the MTL exponent to 1000.
        out << "Ns " << m.shininess * (1000.0f / 128.0f) << "\n";
        out << "d " << m.opacity << "\n";
        out << "illum 2\n";
        if (m.texture >= 0 && m.texture < static_cast<int>(imageNames.size()))
            out << "map_Kd " << imageNames[m.texture] << "\n";
    }
    return out.Take();
}

} // namespace ventrel
