// ventrel-cli poly: the points of an outline file.
#include "Commands.h"

#include "outline/L_2D_Drawing.h"

#include <nlohmann/json.hpp>

namespace ventrel::cli {

void AddPolyCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("poly", "Read an outline file (.poly)");
    auto path = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    command->add_option("outline", *path, "Outline file (.poly)")->required();
    command->add_flag("--json", *json, "Print the outline as one JSON document");
    command->callback([&run, path, json] {
        L_2D_Drawing outline;
        if (!outline.L_2D_savepoints(*path, PolyFile::Input, run.ui)) {
            run.status = 1;
            return;
        }
        nlohmann::ordered_json points = nlohmann::ordered_json::array();
        for (const Vec2 &p : outline.m_points)
            points.push_back({p.x, p.y});
        if (*json)
            std::cout << nlohmann::ordered_json{{"count", outline.PointCount()},
                                                {"plane", outline.m_plane},
                                                {"points", points}}
                             .dump(2)
                      << "\n";
        else
            std::cout << *path << ": " << outline.PointCount() << " points\n";
    });
}

} // namespace ventrel::cli
