// An output file that replaces its target only once it is completely written.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace ventrel {

// Writes into a temporary file beside the target and renames it over the target on Commit, so that
// a failed write never leaves a half-written file nor destroys the previous one.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;
    ~AtomicFile();

    // Creates the temporary file; false (with Error() set) when the folder cannot be written.
    bool Open(const std::filesystem::path &target);
    std::FILE *Get() const { return m_file; }
    bool Write(const std::string &bytes);
    bool Write(const void *data, size_t size);
    // Flushes, closes and renames over the target; false (with Error() set) when any step failed.
    bool Commit();
    // Throws the temporary file away; the target is untouched.
    void Discard();

    const std::string &Error() const { return m_error; }
    const std::filesystem::path &Target() const { return m_target; }

private:
    std::FILE *m_file = nullptr;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::string m_error;
    bool m_failed = false;
};

// Writes a whole file atomically; false with a reason in `error` on failure.
bool WriteFileAtomically(const std::filesystem::path &target, const std::string &bytes,
                         std::string *error = nullptr);

} // namespace ventrel
