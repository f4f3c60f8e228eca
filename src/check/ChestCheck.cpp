// The chest checker: reads, lays out and sizes a chest as the program does, then runs every check.
#include "ChestCheck.h"
#include "CheckContext.h"

#include "platform/FatalInputError.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <algorithm>
#include <tuple>

namespace ventrel {
namespace {

// Keeps what the reader says, with the stop it was reading when it said it.
class ReaderMessages : public HeadlessUi {
public:
    struct Said {
        std::string text;
        size_t stops = 0; // stops the map had begun when it was said
        size_t fault = DatSourceMap::kNone;
    };

    void Watch(const DatSourceMap *map) { m_map = map; }
    MessageAnswer MessageBox(const std::string &text, const std::string &caption,
                             MessageButtons buttons) override {
        Note(text);
        return HeadlessUi::MessageBox(text, caption, buttons);
    }
    void StatusMessage(const std::string &text) override {
        Note(text);
        HeadlessUi::StatusMessage(text);
    }
    std::vector<Said> said;

private:
    void Note(const std::string &text) {
        said.push_back(
            {text, m_map ? m_map->stops.size() : 0, m_map ? m_map->fault : DatSourceMap::kNone});
    }
    const DatSourceMap *m_map = nullptr;
};

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Reads one text into the chest, turning what the reader says into findings.
void ReadInto(CWindchest &chest, CheckedText &source, const WorkFolder &folder,
              CheckContext &context) {
    ReaderMessages ui;
    ui.Watch(&source.map);
    std::string text(source.text);
    try {
        chest.ReadDat(text, folder, ui, &source.map);
    } catch (const FatalInputError &error) {
        context.Add(Severity::Error, "read-refused", source, source.map.fault,
                    Trimmed(error.what()) + "; reading stopped here");
    }
    for (const ReaderMessages::Said &said : ui.said) {
        if (said.text == "Erreur lecture fichier .dat") {
            context.Add(Severity::Error, "read-stopped", source, said.fault,
                        "no pipe count (" +
                            std::string(source.map.octave ? "at the line after the stop's"
                                                          : "searched after the stop") +
                            "): reading stopped, this stop and those after it are not read");
        } else if (said.text != "Erreur débordement in LEX index") {
            const size_t where =
                said.stops > 0 ? source.map.stops[said.stops - 1].name : DatSourceMap::kNone;
            context.Add(Severity::Warning, "reader", source, where, Trimmed(said.text));
        }
    }
}

} // namespace

Finding &CheckContext::Add(Severity severity, const std::string &code, const CheckedText &where,
                           size_t offset, const std::string &message) {
    if (Full(code)) {
        CountUnlisted(code, severity);
        scratch = Finding{};
        return scratch;
    }
    ++listed[code];
    Finding finding;
    finding.severity = severity;
    finding.code = code;
    finding.message = message;
    finding.file = where.file;
    if (offset != DatSourceMap::kNone) {
        const TextPosition position = where.lines.At(offset);
        finding.line = position.line;
        finding.column = position.column;
    }
    findings.push_back(std::move(finding));
    return findings.back();
}

bool CheckContext::Full(const std::string &code) const {
    const auto it = listed.find(code);
    return it != listed.end() && it->second >= kListedPerKind;
}

void CheckContext::CountUnlisted(const std::string &code, Severity severity) {
    Unlisted &more = unlisted[code];
    ++more.count;
    more.severity = std::max(more.severity, severity);
}

void CheckContext::AddUnlistedCounts() {
    for (const auto &[code, more] : unlisted) {
        Finding finding;
        finding.severity = more.severity;
        finding.code = code;
        finding.file = dat.file;
        finding.message = std::to_string(more.count) + " more findings of this kind (" + code +
                          ") are not listed";
        findings.push_back(std::move(finding));
    }
}

const DatSourceMap::StopSource *CheckContext::StopSource(int s) const {
    return s >= 0 && static_cast<size_t>(s) < dat.map.stops.size()
               ? &dat.map.stops[static_cast<size_t>(s)]
               : nullptr;
}

size_t CheckContext::PipeOffset(int s, int k, DatSourceMap::List list) const {
    const DatSourceMap::StopSource *source = StopSource(s);
    if (!source)
        return DatSourceMap::kNone;
    if (dat.map.octave) {
        // Only every C is written; the pipes between come from the group below them.
        const auto &numbers = source->numbers[DatSourceMap::kDiameters];
        const size_t group = static_cast<size_t>(k / 12) * 4;
        return group < numbers.size() ? numbers[group] : source->name;
    }
    const auto &numbers = source->numbers[list];
    if (k >= 0 && static_cast<size_t>(k) < numbers.size())
        return numbers[static_cast<size_t>(k)];
    return source->listStart[list] != DatSourceMap::kNone ? source->listStart[list] : source->name;
}

std::string CheckContext::PipeName(int s, int k) const {
    const CStop &stop = chest.Stop(s);
    return "stop " + stop.m_name + " pipe " + std::to_string(stop.m_first_pipe + k);
}

void SortFindings(std::vector<Finding> &findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
        return std::tie(a.file, a.line, a.column) < std::tie(b.file, b.line, b.column);
    });
}

CheckResult CheckChest(const CheckSource &chest, const CheckSource *partitions,
                       const WorkFolder &folder, const CheckOptions &options) {
    CheckResult result;
    result.chest = std::make_unique<CWindchest>();
    CWindchest &windchest = *result.chest;
    windchest.m_file_name =
        chest.file.substr(chest.file.find_last_of('/') + 1).substr(0, CWindchest::kMaxFileName);
    CheckedText dat(chest);
    std::optional<CheckedText> walls;
    CheckContext context{windchest, options, dat, nullptr, result.findings, {}, {}, {}};
    if (partitions) {
        walls.emplace(*partitions);
        context.partitions = &*walls;
        ReadInto(windchest, *walls, folder, context);
    }
    ReadInto(windchest, dat, folder, context);

    windchest.Layout();
    result.valves_ok = windchest.SizeValves(result.counters);

    CheckListCounts(context);
    CheckPartitionLines(context);
    CheckRuns(context);
    CheckClearances(context);
    CheckMends(context);
    CheckUnreadText(context);
    context.AddUnlistedCounts();
    SortFindings(result.findings);
    return result;
}

} // namespace ventrel
