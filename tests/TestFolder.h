// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace ventrel::test {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    const std::filesystem::path &Path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }
    // Writes a file in the folder and returns its path.
    std::filesystem::path Write(const std::string &name, const std::string &bytes) const;
    // The bytes of a file in the folder ("" when absent).
    std::string Read(const std::string &name) const;

private:
    std::filesystem::path m_path;
};

// The bytes of any file ("" when absent).
std::string ReadBytes(const std::filesystem::path &path);

// The folder of real files from other people, or empty when it is not beside the checkout.
std::filesystem::path RealData();

} // namespace ventrel::test
