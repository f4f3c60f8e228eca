// ventrel-cli organ: read an organ file, its chests and their positions.
#include "Commands.h"

#include "app/Document.h"
#include "chest/CWindchest.h"
#include "render/Scene.h"

#include <nlohmann/json.hpp>

namespace ventrel::cli {
namespace {

using Json = nlohmann::ordered_json;

Json Parts(const OrganFile &organ, OrganFile::Kind kind) {
    Json parts = Json::array();
    for (const auto &item : organ.items)
        if (item.kind == kind)
            parts.push_back({{"size", {item.size[0], item.size[1], item.size[2]}},
                             {"position", {item.position[0], item.position[1], item.position[2]}}});
    return parts;
}

} // namespace

void AddOrganCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("organ", "Read an organ file and its chests");
    auto path = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    command->add_option("organ", *path, "Organ file (.org)")->required();
    command->add_flag("--json", *json, "Print the organ as one JSON document");
    command->callback([&run, path, json] {
        OrganFile organ;
        auto table = std::make_unique<ChestTable>();
        std::vector<std::string> unread;
        if (!OpenOrgan(DocumentFile::At(*path), organ, *table, run.ui, &unread)) {
            run.status = 1;
            return;
        }
        Json chests = Json::array();
        for (int i = 0; i < table->count; ++i) {
            const CWindchest &chest = (*table)[i];
            chests.push_back(
                {{"file", chest.m_file_name},
                 {"position", {chest.m_position[0], chest.m_position[1], chest.m_position[2]}},
                 {"stops", chest.StopCount()}});
        }
        if (*json) {
            // The 3D objects as the organ builds them, in scene order (no textures are read).
            Scene scene(&run.ui);
            BuildScene(scene, organ, *table, run.ui);
            Json objects = Json::array();
            for (int i = 0; i < scene.m_nbobject; ++i)
                if (const CObject3D *object = scene.Object(i))
                    objects.push_back({{"name", object->m_name},
                                       {"points", object->nbpts},
                                       {"faces", object->nbface}});
            const Json document = {{"chests", chests},
                                   {"bars", Parts(organ, OrganFile::Kind::Bar)},
                                   {"pipes", Parts(organ, OrganFile::Kind::Pipe)},
                                   {"objects", objects}};
            std::cout << document.dump(2) << "\n";
        } else {
            for (const auto &chest : chests)
                std::cout << chest["file"].get<std::string>() << " at " << chest["position"].dump()
                          << ", " << chest["stops"] << " stops\n";
        }
        if (!unread.empty()) {
            std::string names;
            for (const std::string &name : unread)
                names += (names.empty() ? "" : ", ") + name;
            run.ui.MessageBox(
                Format("%s: chests not read whole: %s", path->c_str(), names.c_str()));
            run.status = 1;
        }
    });
}

} // namespace ventrel::cli
