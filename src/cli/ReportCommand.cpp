// ventrel-cli report: the workshop report of a chest as a PDF.
#include "ChestInput.h"
#include "Commands.h"

#include "app/ChestWorkshop.h"

#if VENTREL_HAVE_QTGUI
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PdfPages.h"
#endif

namespace ventrel::cli {
namespace {

struct ReportCommandOptions {
    ChestOptions chest;
    std::string output;
    std::string paper = "a3";
    int scale = 10;
    std::string date;
    CheckOptions checks;
};

} // namespace

void AddReportCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "report", "Write a chest's workshop report as a PDF: the plate to scale, the cut list, "
                  "valves, stops and the checker's findings");
    auto options = std::make_shared<ReportCommandOptions>();
    options->chest.AddTo(*command, false);
    command->add_option("-o", options->output, "PDF file to write")->required();
    command->add_option("--paper", options->paper, "Paper of the pages: a3 or a4 (landscape)")
        ->check(CLI::IsMember({"a3", "a4", "A3", "A4"}));
    command->add_option("--scale", options->scale, "The plate is drawn at 1:SCALE (default 10)")
        ->check(CLI::Range(1, 1000));
    command->add_option("--date", options->date, "Date printed on the pages (default today)");
    command
        ->add_option("--min-web", options->checks.min_web,
                     "Least wood between holes for the checker, in mm (default 3)")
        ->check(CLI::NonNegativeNumber);
    command->callback([&run, options] {
#if VENTREL_HAVE_QTGUI
        ReportOptions report;
        report.paper = (options->paper == "a4" || options->paper == "A4") ? kA4 : kA3;
        report.scale = options->scale;
        report.date = options->date.empty() ? ReportDate() : options->date;
        EnsureGuiApplication();
        run.status =
            WriteWorkshopReport({options->chest.path, options->chest.partitions, {}, {}},
                                options->output, report, options->checks, WritePdfPages, run.ui)
                ? 0
                : 1;
#else
        run.ui.MessageBox("This ventrel-cli was built without the Qt drawing back-end.");
        run.status = 1;
#endif
    });
}

} // namespace ventrel::cli
