// ventrel-cli scene: a scene file imported, every object read and every message shown, as JSON.
#include "Commands.h"

#include "render/CAnimation.h"
#include "render/CViewpoint.h"
#include "render/Scene.h"
#include "render/TextureFileReader.h"
#include "sceneio/SceneImport.h"

#include <nlohmann/json.hpp>

#include <memory>

namespace ventrel::cli {
namespace {

using nlohmann::json;

json Vec(Vec3 v) {
    return json::array({v.x, v.y, v.z});
}

json ObjectJson(const CObject3D &o) {
    json diffuse = json::array();
    for (const Vec3 &c : o.T_diffuseColor)
        diffuse.push_back(Vec(c));
    json matrix = nullptr;
    if (o.m_hasMatrix)
        matrix = json(std::vector<float>(std::begin(o.m_matrix), std::end(o.m_matrix)));
    json animation = nullptr;
    if (const CAnimation *a = o.m_anim.get()) {
        json positions = json::array(), orientations = json::array();
        for (const Vec3 &p : a->positions)
            positions.push_back(Vec(p));
        for (const Vec3 &r : a->orientations)
            orientations.push_back(Vec(r));
        animation = {{"active", a->active},
                     {"cycle_interval", a->cycle_interval},
                     {"position_keys", a->position_keys},
                     {"positions", positions},
                     {"orientation_keys", a->orientation_keys},
                     {"orientations", orientations}};
    }
    json viewpoint = nullptr;
    if (o.m_viewpoint)
        viewpoint = {{"position", Vec(o.m_viewpoint->position)},
                     {"orientation", Vec(o.m_viewpoint->orientation)}};
    return {{"name", o.m_name},
            {"points", o.nbpts},
            {"faces", o.nbface},
            {"index_entries", o.nbindex},
            {"normals", o.nbnormal},
            {"tex_coords", o.nbtexvertex},
            {"colours", o.nbmaterial},
            {"diffuse", diffuse},
            {"material_index", o.m_faceMaterial},
            {"texture", o.m_textureFile},
            {"translation", Vec(o.translation)},
            {"rotation", {{"axis", Vec(o.rotation)}, {"angle", o.angle}}},
            {"scale", Vec(o.echelle)},
            {"matrix", matrix},
            {"transparency", o.m_transparency},
            {"animation", animation},
            {"viewpoint", viewpoint},
            {"script", o.m_script}};
}

json LightJson(const CSceneLight &l) {
    return {{"type", l.type},
            {"intensity", l.intensity},
            {"color", Vec(l.color)},
            {"location", Vec(l.location)},
            {"direction", Vec(l.direction)},
            {"on", l.on}};
}

struct SceneOptions {
    std::string input;
    std::string as;
    bool json = false;
};

} // namespace

void AddSceneCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("scene", "Import a scene file and list what was read");
    auto options = std::make_shared<SceneOptions>();
    command
        ->add_option("input", options->input,
                     "VRML (.wrl), text mesh (.x), footprint or terrain "
                     "file")
        ->required();
    command->add_option("--as", options->as, "Read the file as vrml, mesh, footprint or terrain")
        ->check(CLI::IsMember({"vrml", "mesh", "footprint", "terrain"}));
    command->add_flag("--json", options->json, "Print the objects and messages as JSON");
    command->callback([&run, options] {
        const std::filesystem::path file(options->input);
        Scene scene(&run.ui);
        scene.m_readTexture = TextureFileReader(file.parent_path(), run.ui);
        SceneImportOptions importOptions;
        importOptions.kind = SceneKindFromName(options->as);
        const SceneImportResult result = ImportScene(scene, file, &run.ui, importOptions);
        run.status = result.read ? 0 : 1;
        if (!options->json) {
            std::cout << result.added << " objects, " << scene.m_lights.size() << " lights\n";
            return;
        }
        json objects = json::array(), lights = json::array(), messages = json::array();
        for (int i = result.first; i < result.first + result.added; ++i)
            objects.push_back(ObjectJson(*scene.Object(i)));
        for (const CSceneLight &light : scene.m_lights)
            lights.push_back(LightJson(light));
        for (const auto &message : run.ui.Messages())
            messages.push_back(message.text);
        json document = {{"objects", objects}, {"lights", lights}, {"messages", messages}};
        std::cout << document.dump(-1, ' ', false, json::error_handler_t::replace) << "\n";
    });
}

} // namespace ventrel::cli
