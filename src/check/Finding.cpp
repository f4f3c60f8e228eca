// One fact the chest checker reports, and the forms it is printed in.
#include "Finding.h"

#include <algorithm>

namespace ventrel {

const char *SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string FindingLine(const Finding &finding) {
    std::string text = finding.file;
    if (finding.line > 0)
        text.append(":")
            .append(std::to_string(finding.line))
            .append(":")
            .append(std::to_string(finding.column));
    text.append(": ").append(SeverityName(finding.severity)).append(": ");
    text.append(finding.message).append(" [").append(finding.code).append("]");
    return text;
}

int CheckExitStatus(const std::vector<Finding> &findings) {
    int status = 0;
    for (const Finding &finding : findings)
        status = std::max(status, finding.severity == Severity::Error ? 4 : 3);
    return status;
}

} // namespace ventrel
