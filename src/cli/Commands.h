// The subcommands of ventrel-cli: each adds itself to the argument parser.
#pragma once

#include "platform/HeadlessUi.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>

namespace ventrel::cli {

// What every command shares: the headless Ui that reports on stderr, and the exit status.
struct Run {
    HeadlessUi ui{&std::cerr};
    int status = 0;
};

// Each command registers its options and a callback that sets run.status (0 success, 1 failure).
// A FatalInputError thrown by the callback ends the program with the error's own status.
void AddLayoutCommand(CLI::App &app, Run &run);
void AddExportCommand(CLI::App &app, Run &run);
void AddOrganCommand(CLI::App &app, Run &run);
void AddRenderCommand(CLI::App &app, Run &run);
void AddTowerCommand(CLI::App &app, Run &run);
void AddCirclesCommand(CLI::App &app, Run &run);
void AddStopCommand(CLI::App &app, Run &run);
void AddBoardsCommand(CLI::App &app, Run &run);
void AddPolyCommand(CLI::App &app, Run &run);
void AddImageCommand(CLI::App &app, Run &run);
void AddDrawCommand(CLI::App &app, Run &run);
void AddPedalboardCommand(CLI::App &app, Run &run);
void AddScaleCommand(CLI::App &app, Run &run);
void AddChartCommand(CLI::App &app, Run &run);
void AddCheckCommand(CLI::App &app, Run &run);
void AddReportCommand(CLI::App &app, Run &run);
void AddSceneCommand(CLI::App &app, Run &run);
void AddExport3DCommand(CLI::App &app, Run &run);

} // namespace ventrel::cli
