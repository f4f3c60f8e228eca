// ventrel-cli: batch access to the windchest core for organ builders' scripts and for tests.
#include "Commands.h"
#include "platform/FatalInputError.h"

namespace ventrel::cli {
namespace {

using AddCommand = void (*)(CLI::App &, Run &);

constexpr AddCommand kCommands[] = {
    AddRenderCommand, AddTowerCommand,   AddLayoutCommand, AddExportCommand,
    AddOrganCommand,  AddCirclesCommand, AddStopCommand,   AddBoardsCommand,
    AddPolyCommand,   AddImageCommand,   AddDrawCommand,   AddPedalboardCommand,
};

int Main(int argc, char **argv) {
    CLI::App app{
        "Ventrel: windchest layout, fabrication files and organ views from the command line",
        "ventrel-cli"};
    app.require_subcommand(1);
    Run run;
    for (AddCommand add : kCommands)
        add(app, run);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    } catch (const FatalInputError &error) {
        std::cerr << error.what() << (std::string(error.what()).ends_with('\n') ? "" : "\n");
        return error.ExitCode();
    }
    return run.status;
}

} // namespace
} // namespace ventrel::cli

int main(int argc, char **argv) {
    return ventrel::cli::Main(argc, argv);
}
