// Running ventrel-cli from a test and collecting its exit status and standard output.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace ventrel::test {

struct Result {
    int status = -1;
    std::string out;
};

// `environment` ("NAME=value ...") is put before the command; with `standardError` the messages
// are collected with the output.
inline Result Cli(const std::string &arguments, const std::string &environment = "",
                  bool standardError = false) {
    Result result;
    const std::string command = environment + " " + std::string(VENTREL_CLI) + " " + arguments +
                                (standardError ? " 2>&1" : " 2>/dev/null");
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    size_t count;
    while ((count = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), count);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string Example(const std::string &name) {
    return std::string(VENTREL_SOURCE_DIR) + "/examples/" + name;
}

} // namespace ventrel::test
