// A fresh temporary folder per test, removed afterwards.
#include "TestFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdlib.h>

namespace ventrel::test {

TestFolder::TestFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ventrel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        m_path = pattern;
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TestFolder::Write(const std::string &name, const std::string &bytes) const {
    const auto path = m_path / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string TestFolder::Read(const std::string &name) const {
    return ReadBytes(m_path / name);
}

std::string ReadBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::filesystem::path RealData() {
    std::error_code ignored;
    // A checkout elsewhere (a worktree) names the folder in the environment.
    if (const char *named = std::getenv("VENTREL_REALDATA"))
        if (std::filesystem::is_directory(named, ignored))
            return named;
    return std::filesystem::is_directory(VENTREL_REALDATA, ignored) ? VENTREL_REALDATA : "";
}

} // namespace ventrel::test
