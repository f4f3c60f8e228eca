#include "ShellCommand.h"

#include <cstdio>
#include <sys/wait.h>

namespace ventrel::test {

std::string ShellOutput(const std::string &command, int *exitStatus) {
    std::string output;
    if (exitStatus)
        *exitStatus = -1;
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    if (exitStatus && status != -1 && WIFEXITED(status))
        *exitStatus = WEXITSTATUS(status);
    return output;
}

bool OnPath(const std::string &program) {
    int status = -1;
    ShellOutput("command -v " + program, &status);
    return status == 0;
}

} // namespace ventrel::test
