// ventrel-cli check: the findings of the chest checker, as compiler messages or one JSON document.
#include "ChestInput.h"
#include "Commands.h"

#include "app/ChestWorkshop.h"

#include <nlohmann/json.hpp>

namespace ventrel::cli {
namespace {

nlohmann::json FindingsJson(const CheckResult &result) {
    nlohmann::json findings = nlohmann::json::array();
    for (const Finding &finding : result.findings) {
        nlohmann::json pipes = nlohmann::json::array();
        for (const PipeRef &pipe : finding.pipes)
            pipes.push_back({{"stop", result.chest->Stop(pipe.stop).m_name},
                             {"stop_index", pipe.stop},
                             {"pipe", pipe.pipe}});
        findings.push_back(
            {{"severity", SeverityName(finding.severity)},
             {"code", finding.code},
             {"message", finding.message},
             {"file", finding.file},
             {"line", finding.line},
             {"column", finding.column},
             {"stop", finding.stop >= 0 ? nlohmann::json(result.chest->Stop(finding.stop).m_name)
                                        : nlohmann::json(nullptr)},
             {"pipes", pipes}});
    }
    return {{"findings", findings}};
}

} // namespace

void AddCheckCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "check", "Check a chest for miscounted lists, slips of the pen and holes too close; "
                 "exit 0 clean, 3 warnings, 4 errors");
    auto options = std::make_shared<ChestOptions>();
    auto json = std::make_shared<bool>(false);
    auto checks = std::make_shared<CheckOptions>();
    options->AddTo(*command, false);
    command->add_flag("--json", *json, "Print the findings as one JSON document");
    command
        ->add_option("--min-web", checks->min_web,
                     "Least wood between holes and to the plate's edge, in mm (default 3)")
        ->check(CLI::NonNegativeNumber);
    command->callback([&run, options, json, checks] {
        const std::optional<CheckResult> checked =
            CheckChestFiles({options->path, options->partitions, {}, {}}, *checks, run.ui);
        if (!checked) {
            run.status = 1;
            return;
        }
        const CheckResult &result = *checked;
        if (*json) {
            std::cout << FindingsJson(result).dump(2) << "\n";
        } else {
            for (const Finding &finding : result.findings)
                std::cout << FindingLine(finding) << "\n";
        }
        run.status = CheckExitStatus(result.findings);
    });
}

} // namespace ventrel::cli
