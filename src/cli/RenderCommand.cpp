// ventrel-cli render: the 3D view of an organ or a chest drawn offscreen into a PNG file.
#include "Commands.h"
#include "PairArgument.h"
#include "SceneInput.h"

#include "platform/AtomicFile.h"
#include "platform/LowerCase.h"
#include "platform/egl/EglContext.h"
#include "render/Snapshot.h"

#include <QBuffer>
#include <QImage>

#include <map>

namespace ventrel::cli {
namespace {

struct RenderOptions {
    SceneInput input;
    std::string output;
    PictureSize size{800, 600};
    std::string view = "front";
    bool vector = false;
};

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
    options->input.AddTo(*command);
    command->add_option("-o", options->output, "PNG file to write")
        ->required()
        ->check(CLI::Validator(
            [](std::string &name) {
                return EndsWithNoCase(name, ".png")
                           ? std::string()
                           : "the picture is written as PNG: its name ends in .png";
            },
            "FILE.png"));
    AddSizeOption(*command, options->size, "Picture size WxH (default 800x600)");
    command->add_option("--view", options->view, "front, left, right or top")
        ->check(CLI::IsMember({"front", "left", "right", "top"}));
    command->add_flag("--vector", options->vector, "Draw every object as lines");
    command->callback([&run, options] {
        const auto [width, height] = options->size;
        static const std::map<std::string, StandardView> views = {{"front", StandardView::Front},
                                                                  {"left", StandardView::Left},
                                                                  {"right", StandardView::Right},
                                                                  {"top", StandardView::Top}};
        // The context first: the scene's display lists and textures go before it.
        std::string error;
        auto context = EglContext::Create(width, height, &error);
        if (!context) {
            run.ui.MessageBox(error + "; the 3D view cannot be drawn.");
            run.status = 1;
            return;
        }
        Scene scene(&run.ui);
        if (!options->input.Build(scene, run.ui)) {
            run.status = 1;
            return;
        }
        PaintSnapshot(scene, width, height, views.at(options->view), options->vector);
        run.status = WritePng(context->ReadRgba(), width, height, options->output, run.ui) ? 0 : 1;
        if (options->input.SaidUnread(run.ui))
            run.status = 1;
    });
}

} // namespace ventrel::cli
