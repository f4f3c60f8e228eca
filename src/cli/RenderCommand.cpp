// ventrel-cli render: the 3D view of an organ or a chest drawn offscreen into a PNG file.
#include "Commands.h"
#include "InputFile.h"

#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "organ3d/Organ3D.h"
#include "platform/AtomicFile.h"
#include "platform/egl/EglContext.h"
#include "render/Snapshot.h"
#include "render/TextureFileReader.h"
#include "sceneio/SceneImport.h"

#include <QBuffer>
#include <QImage>

#include <map>

namespace ventrel::cli {
namespace {

struct RenderOptions {
    std::string input;
    std::string output;
    std::string size = "800x600";
    std::string view = "front";
    bool vector = false;
    std::vector<std::string> scenery;
};

// Scene files (VRML, text meshes, footprints, terrain grids) are imported rather than built.
bool IsSceneFile(const std::string &name) {
    const auto dot = name.rfind('.');
    std::string ending = dot == std::string::npos ? "" : name.substr(dot);
    for (char &c : ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == ".wrl" || ending == ".x" || ending == ".txt";
}

bool ParseSize(const std::string &text, int &width, int &height) {
    char tail = 0;
    return std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &tail) == 2 && width > 0 &&
           height > 0 && width <= 8192 && height <= 8192;
}

bool IsOrganFile(const std::string &name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    std::string ending = name.substr(dot);
    for (char &c : ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == ".org";
}

// Fills the scene as "Open Organ" or "Open Chest" would, without writing any file.
// `unread` receives what could not be read whole: the organ's chests, or the chest with no stop.
bool BuildInput(const InputFile &input, Scene &scene, ChestTable &table, Ui &ui,
                std::vector<std::string> &unread) {
    if (IsOrganFile(input.name)) {
        std::string text, reason;
        if (!ReadWholeFile(input.folder.In(input.name), text, &reason)) {
            ui.MessageBox(MissingFileText(input.folder.In(input.name), reason));
            return false;
        }
        const OrganFile organ = OrganFile::Parse(text, ui);
        LoadOrganChests(organ, table, input.folder, ui, &unread);
        return BuildOrgan3D(scene, organ, table, &ui);
    }
    if (!table[0].ReadDatFile(input.name, input.folder, ui))
        return false;
    table.count = 1;
    table[0].Layout();
    if (table[0].StopCount() == 0)
        unread.push_back(input.name + " (no stop)");
    return BuildChests3D(scene, table, &ui);
}

bool WritePng(const std::vector<std::uint8_t> &rgba, int width, int height, const std::string &path,
              Ui &ui) {
    const QImage image(rgba.data(), width, height, width * 4, QImage::Format_RGBA8888);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // The picture is opaque: alpha is whatever the frame left there.
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG")) {
        ui.MessageBox(Format("Cannot encode %s", path.c_str()));
        return false;
    }
    std::string error;
    if (!WriteFileAtomically(
            path, std::string(bytes.constData(), static_cast<size_t>(bytes.size())), &error)) {
        ui.MessageBox("Cannot write " + error);
        return false;
    }
    return true;
}

} // namespace

void AddRenderCommand(CLI::App &app, Run &run) {
    auto *command =
        app.add_subcommand("render", "Draw the 3D view of an organ or a chest into a PNG");
    auto options = std::make_shared<RenderOptions>();
    command
        ->add_option("input", options->input,
                     "Organ file (.org), chest file (.dat) or scene file (.wrl, .x, .txt)")
        ->required();
    command->add_option("-o", options->output, "PNG file to write")
        ->required()
        ->check(CLI::Validator(
            [](std::string &name) {
                std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : "";
                for (char &c : ending)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                return ending == ".png" ? std::string()
                                        : "the picture is written as PNG: its name ends in .png";
            },
            "FILE.png"));
    command->add_option("--size", options->size, "Picture size WxH (default 800x600)");
    command->add_option("--view", options->view, "front, left, right or top")
        ->check(CLI::IsMember({"front", "left", "right", "top"}));
    command->add_flag("--vector", options->vector, "Draw every object as lines");
    command->add_option("--scene", options->scenery, "Scene file shown around the input");
    command->callback([&run, options] {
        int width = 0, height = 0;
        if (!ParseSize(options->size, width, height)) {
            std::cerr << "--size: expected WxH, as 800x600\n";
            run.status = 2;
            return;
        }
        static const std::map<std::string, StandardView> views = {{"front", StandardView::Front},
                                                                  {"left", StandardView::Left},
                                                                  {"right", StandardView::Right},
                                                                  {"top", StandardView::Top}};
        const InputFile input(options->input, "");

        // The context first: the scene's display lists and textures go before it.
        std::string error;
        auto context = EglContext::Create(width, height, &error);
        if (!context) {
            run.ui.MessageBox(error + "; the 3D view cannot be drawn.");
            run.status = 1;
            return;
        }
        auto table = std::make_unique<ChestTable>();
        Scene scene(&run.ui);
        scene.m_readTexture = TextureFileReader(input.folder.input, run.ui);
        std::vector<std::string> unread;
        if (IsSceneFile(options->input)) {
            if (!ImportScene(scene, options->input, &run.ui).read) {
                run.status = 1;
                return;
            }
        } else if (!BuildInput(input, scene, *table, run.ui, unread)) {
            run.status = 1;
            return;
        }
        for (const std::string &scenery : options->scenery)
            if (!ImportScene(scene, scenery, &run.ui).read) {
                run.status = 1;
                return;
            }
        PaintSnapshot(scene, width, height, views.at(options->view), options->vector);
        run.status = WritePng(context->ReadRgba(), width, height, options->output, run.ui) ? 0 : 1;
        if (!unread.empty()) {
            std::string names;
            for (const std::string &name : unread)
                names += (names.empty() ? "" : ", ") + name;
            run.ui.MessageBox(
                Format("%s: not read whole: %s", options->input.c_str(), names.c_str()));
            run.status = 1;
        }
    });
}

} // namespace ventrel::cli
