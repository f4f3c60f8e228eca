// What the scene reader harnesses share: a text read by one V_Lib into a fresh scene.
#pragma once

#include "platform/HeadlessUi.h"
#include "render/CObject3D.h"
#include "render/Scene.h"
#include "sceneio/V_Lib.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace ventrel::fuzz {

// Reads the text with `read` and walks every object's lists as a renderer would.
template <typename Read>
void ReadScene(const std::uint8_t *data, std::size_t size, const std::string &prefix, Read read) {
    HeadlessUi ui;
    Scene scene(&ui);
    V_Lib lib(&ui);
    lib.Session().readInlines = false;
    lib.SetText(prefix + std::string(reinterpret_cast<const char *>(data), size), "fuzz.wrl");
    read(scene, lib);
    long sum = 0;
    for (int i = 0; i < scene.m_nbobject; ++i) {
        const CObject3D &o = *scene.Object(i);
        if (static_cast<int>(o.m_vertices.size()) != o.nbpts ||
            static_cast<int>(o.m_index.size()) != o.nbindex)
            __builtin_trap();
        for (int index : o.m_index)
            sum += index;
    }
    (void)sum;
}

} // namespace ventrel::fuzz
