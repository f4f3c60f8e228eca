// What the checks of one chest share: the chest, where its facts stand, and the findings so far.
#pragma once

#include "ChestCheck.h"

#include "chest/DatSourceMap.h"

#include <map>
#include <optional>

namespace ventrel {

// One checked text with its source map and its line index.
struct CheckedText {
    CheckedText(const CheckSource &source) : file(source.file), text(source.text), lines(text) {}
    std::string file;
    std::string_view text;
    DatSourceMap map;
    LineIndex lines;
};

struct CheckContext {
    const CWindchest &chest;
    const CheckOptions &options;
    CheckedText &dat;
    CheckedText *partitions = nullptr;
    std::vector<Finding> &findings;

    // Past this many findings of one kind the rest are only counted: a chest of stacked pipes
    // would otherwise list every pair of its thousands of pipes.
    static constexpr int kListedPerKind = 500;

    // Adds a finding placed at `offset` of `where` (no place when it is kNone). Past the listed
    // number of its kind it is only counted, and the finding returned is a scratch one.
    Finding &Add(Severity severity, const std::string &code, const CheckedText &where,
                 size_t offset, const std::string &message);
    // True when findings of this kind are no longer listed; the caller then only counts its own
    // with CountUnlisted and spares itself the message.
    bool Full(const std::string &code) const;
    void CountUnlisted(const std::string &code, Severity severity);
    // One finding per kind that was cut short, saying how many more there were.
    void AddUnlistedCounts();
    // The offset of the number pipe k of stop s took from list `list`, or where better known.
    size_t PipeOffset(int s, int k, DatSourceMap::List list) const;
    // "stop Montre8 pipe 3" (pipes numbered as on the drawing: first pipe + k).
    std::string PipeName(int s, int k) const;
    const DatSourceMap::StopSource *StopSource(int s) const;

    struct Unlisted {
        int count = 0;
        Severity severity = Severity::Warning;
    };
    std::map<std::string, int> listed;
    std::map<std::string, Unlisted> unlisted;
    Finding scratch;
};

// The checks, each adding its findings.
void CheckListCounts(CheckContext &context);
void CheckPartitionLines(CheckContext &context);
void CheckRuns(CheckContext &context);
void CheckClearances(CheckContext &context);
void CheckMends(CheckContext &context);
// Text after the place where the reader stopped without a word.
void CheckUnreadText(CheckContext &context);

} // namespace ventrel
