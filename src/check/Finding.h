// One fact the chest checker reports, and the forms it is printed in.
#pragma once

#include <string>
#include <vector>

namespace ventrel {

enum class Severity { Warning, Error };

// A pipe a finding is about: its stop and its index in the stop (from 0).
struct PipeRef {
    int stop = 0;
    int pipe = 0;
    friend bool operator==(const PipeRef &, const PipeRef &) = default;
};

struct Finding {
    Severity severity = Severity::Warning;
    std::string code;    // a short stable name of the kind, e.g. "hole-web"
    std::string message; // one line for the organ builder
    std::string file;    // as the user named it
    int line = 0;        // from 1; 0 when the fact has no place in a file
    int column = 0;
    int stop = -1;              // the stop the finding is about, or -1
    std::vector<PipeRef> pipes; // the pipes it is about
};

// "recit.dat:14:3: warning: message [code]", the form compilers use, which editors and CI follow.
std::string FindingLine(const Finding &finding);

const char *SeverityName(Severity severity);

// 0 with no finding, 3 with warnings only, 4 with any error.
int CheckExitStatus(const std::vector<Finding> &findings);

} // namespace ventrel
