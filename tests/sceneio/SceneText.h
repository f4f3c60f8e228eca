// Reading scene texts in tests: a scene, a headless Ui and the objects read.
#pragma once

#include "platform/HeadlessUi.h"
#include "render/Scene.h"
#include "sceneio/V_Lib.h"

#include <string>
#include <vector>

namespace ventrel::test {

struct SceneText {
    HeadlessUi ui;
    Scene scene{&ui};

    // Reads text as a VRML file; returns read_file's result.
    int Read(const std::string &text, const std::string &name = "scene.wrl") {
        V_Lib lib(&ui);
        lib.SetText(text, name);
        return read_file(scene, lib);
    }
    CObject3D &Object(int i) { return *scene.Object(i); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto &m : ui.Messages())
            texts.push_back(m.text);
        return texts;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < scene.m_nbobject; ++i)
            names.push_back(scene.Object(i)->m_name);
        return names;
    }
};

} // namespace ventrel::test
