// The batch tool's options: any list of arguments over copies of the example files ends with an
// exit status, never with undefined behaviour, a crash or a hang. Each input is one argument per
// line; the commands run in a folder of their own and find their inputs there by bare name.
#include "cli/Cli.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxArguments = 16;
constexpr size_t kMaxArgumentLength = 96;

// The folder the commands run in, holding a copy of every example; made once per process.
const fs::path &Sandbox() {
    static const fs::path folder = [] {
        const fs::path made =
            fs::temp_directory_path() / ("ventrel-cli-options-" + std::to_string(getpid()));
        fs::create_directories(made);
        for (const auto &entry : fs::directory_iterator(VENTREL_EXAMPLES))
            fs::copy_file(entry.path(), made / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        return made;
    }();
    return folder;
}

bool IsExample(const fs::path &file) {
    return fs::exists(fs::path(VENTREL_EXAMPLES) / file.filename());
}

// Removes what the last command wrote, so that every input starts from the same folder.
void RemoveOutputs() {
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(Sandbox(), error))
        if (!IsExample(entry.path()))
            fs::remove_all(entry.path(), error);
}

// One argument per line; false for an input that would reach outside the folder or is too long.
bool SplitArguments(const std::string &text, std::vector<std::string> &arguments) {
    arguments = {"ventrel-cli"};
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string argument = text.substr(start, end - start);
        if (argument.size() > kMaxArgumentLength || argument.find('/') != std::string::npos ||
            argument.find('\0') != std::string::npos || argument.starts_with(".."))
            return false;
        arguments.push_back(std::move(argument));
        if (arguments.size() > kMaxArguments + 1)
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<std::string> arguments;
    if (!SplitArguments(std::string(reinterpret_cast<const char *>(data), size), arguments))
        return 0;
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The commands run in the sandbox; the fuzzer's own folders are named relative to where it
    // was started, so the folder is left again at once.
    const fs::path started = fs::current_path();
    fs::current_path(Sandbox());
    // What the commands print is of no interest here.
    std::ofstream nowhere("/dev/null");
    auto *out = std::cout.rdbuf(nowhere.rdbuf());
    auto *err = std::cerr.rdbuf(nowhere.rdbuf());
    ventrel::cli::RunCli(static_cast<int>(argv.size() - 1), argv.data());
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
    RemoveOutputs();
    fs::current_path(started);
    return 0;
}

// Libraries under the commands keep some allocations for the whole process.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libLLVM\nleak:swrast_dri\nleak:libgallium\nleak:libEGL_mesa\n";
}

// Leaks are looked for after each input that allocated more than it freed, not once more at exit:
// by then Mesa's and Qt's threads are winding down, and LeakSanitizer's stop-the-world can fault
// on them, which failed a run with no finding at all.
extern "C" const char *__lsan_default_options() {
    return "leak_check_at_exit=0";
}
