// ventrel-cli export3d: the 3D scene of an organ, a chest or a scene file written for other
// programs as glTF 2.0 or OBJ.
#include "Commands.h"
#include "SceneInput.h"

#include "app/Export3DFile.h"
#include "export3d/Export3D.h"
#include "render/Scene.h"

namespace ventrel::cli {
namespace {

struct Export3DOptions {
    SceneInput input;
    std::string output;
};

} // namespace

void AddExport3DCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "export3d", "Write the 3D scene of an organ, a chest or a scene file as glTF or OBJ");
    auto options = std::make_shared<Export3DOptions>();
    options->input.AddTo(*command);
    command
        ->add_option("-o", options->output,
                     "File to write: .glb (pictures inside), .gltf (buffer and pictures beside "
                     "it) or .obj (materials and pictures beside it); metres, Y up")
        ->required()
        ->check(CLI::Validator(
            [](std::string &name) {
                return Format3DOf(name) ? std::string()
                                        : "the 3D file's name ends in .glb, .gltf or .obj";
            },
            "FILE.glb|FILE.gltf|FILE.obj"));
    command->callback([&run, options] {
        Scene scene(&run.ui);
        if (!options->input.Build(scene, run.ui)) {
            run.status = 1;
            return;
        }
        Export3DSummary summary;
        if (!ExportScene3D(scene, options->output, options->input.File().folder.input, run.ui,
                           &summary)) {
            run.status = 1;
            return;
        }
        std::cout << options->output << ": " << summary.objects << " objects, " << summary.points
                  << " points, " << summary.triangles << " triangles, " << summary.materials
                  << " materials, " << summary.textures << " textures\n";
        run.status = options->input.SaidUnread(run.ui) ? 1 : 0;
    });
}

} // namespace ventrel::cli
