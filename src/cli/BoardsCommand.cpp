// ventrel-cli boards: the four boards of each square wooden pipe of a wooden-pipe file.
#include "Commands.h"

#include "app/Document.h"
#include "chest/PipeBoards.h"

#include <nlohmann/json.hpp>

namespace ventrel::cli {

void AddBoardsCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("boards", "List the boards of a wooden-pipe file");
    auto path = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    command->add_option("pipes", *path, "Wooden-pipe file (.pipe)")->required();
    command->add_flag("--json", *json, "Print the boards as one JSON document");
    command->callback([&run, path, json] {
        const auto set = OpenPipeBoards(DocumentFile::At(*path), run.ui);
        if (!set) {
            run.status = 1;
            return;
        }
        if (!set->headed) {
            run.ui.MessageBox(
                Format("%s: not a wooden-pipe file: it must begin with PIPENUMBER", path->c_str()));
            run.status = 1;
            return;
        }
        nlohmann::ordered_json pipes = nlohmann::ordered_json::array();
        for (const auto &pipe : set->pipes) {
            nlohmann::ordered_json boards = nlohmann::ordered_json::array();
            for (const Board &board : pipe.boards)
                boards.push_back({{"width", board.width}, {"length", board.length}});
            pipes.push_back({{"boards", boards}});
        }
        if (*json) {
            std::cout << nlohmann::ordered_json{{"pipes", pipes}}.dump(2) << "\n";
            return;
        }
        for (size_t i = 0; i < set->pipes.size(); ++i) {
            std::cout << "pipe " << i + 1 << ":";
            for (const Board &board : set->pipes[i].boards)
                std::cout << "  " << board.width << " x " << board.length;
            std::cout << "\n";
        }
    });
}

} // namespace ventrel::cli
