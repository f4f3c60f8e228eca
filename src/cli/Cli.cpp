// The batch tool's command line: every command added to one parser, parsed and run.
#include "Cli.h"
#include "Commands.h"
#include "Version.h"

#include "platform/FatalInputError.h"

namespace ventrel::cli {
namespace {

using AddCommand = void (*)(CLI::App &, Run &);

constexpr AddCommand kCommands[] = {
    AddRenderCommand,  AddTowerCommand,      AddLayoutCommand,   AddExportCommand, AddOrganCommand,
    AddCirclesCommand, AddStopCommand,       AddBoardsCommand,   AddPolyCommand,   AddImageCommand,
    AddDrawCommand,    AddPedalboardCommand, AddScaleCommand,    AddChartCommand,  AddCheckCommand,
    AddReportCommand,  AddSceneCommand,      AddExport3DCommand,
};

} // namespace

int RunCli(int argc, char **argv) {
    CLI::App app{
        "Ventrel: windchest layout, fabrication files and organ views from the command line",
        "ventrel-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "ventrel-cli " VENTREL_VERSION);
    Run run;
    for (AddCommand add : kCommands)
        add(app, run);
    // Set after the commands are added, which would otherwise repeat it. tools/make-manuals turns
    // its paragraphs into sections of the manual page.
    app.footer(
        "Files: An input file is opened as the desktop app's file dialog would open it: the bare "
        "names it refers to (chests of an organ, turret outlines, textures) are found in its "
        "folder. Textures not found there come from the program's own folder, "
        "PREFIX/share/ventrel/textures beside PREFIX/bin/ventrel-cli. Output files go to the "
        "folder given with -C, by default the current folder.\n\n"
        "Exit status: 0 on success, 1 on a failure, 2 on a usage error; a fatal error in an "
        "input file ends the program with that error's own status.\n\n"
        "Examples: ventrel-cli layout /usr/share/ventrel/examples/grand-orgue.dat --json\n"
        "ventrel-cli export grand-orgue.dat -C plates\n"
        "ventrel-cli render /usr/share/ventrel/examples/orgue.org -o organ.png --view front\n"
        "ventrel-cli export3d /usr/share/ventrel/examples/orgue.org -o organ.glb");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    } catch (const FatalInputError &error) {
        const std::string text = error.Located();
        std::cerr << text << (text.ends_with('\n') ? "" : "\n");
        return error.ExitCode();
    }
    return run.status;
}

} // namespace ventrel::cli
