// An output file that replaces its target only once it is completely written.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace ventrel {

// Writes into a temporary file beside the target and renames it over the target on Commit, so that
// a failed write never leaves a half-written file nor destroys the previous one. A target that is a
// symbolic link is written through: the file it points to is replaced, the link stays. The
// temporary name is short whatever the target's length, and a temporary left by a process that
// died during a save is removed by the next save of the same target.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;
    ~AtomicFile();

    // Creates the temporary file; false (with Error() set) when the folder cannot be written or a
    // directory stands where the file should be.
    bool Open(const std::filesystem::path &target);
    std::FILE *Get() const { return m_file; }
    bool Write(const std::string &bytes);
    bool Write(const void *data, size_t size);
    // Flushes, closes and renames over the target; false (with Error() set) when any step failed.
    bool Commit();
    // The two halves of Commit, for a set of files that replace their targets together: Finish
    // flushes and closes (the target is untouched), Publish renames.
    bool Finish();
    bool Publish();
    // Throws the temporary file away; the target is untouched.
    void Discard();

    // The target and the system's reason, once something failed.
    const std::string &Error() const { return m_error; }
    const std::filesystem::path &Target() const { return m_target; }

private:
    void Fail(int error);

    std::FILE *m_file = nullptr;
    std::filesystem::path m_target;
    std::filesystem::path m_destination; // the target, or the file its symbolic link points to
    std::filesystem::path m_temporary;
    std::string m_error;
    bool m_failed = false;
    bool m_finished = false;
};

// Finishes every file, then publishes them all; when any cannot be finished none replaces its
// target. False with the first failure's text in `error`.
bool CommitTogether(const std::vector<AtomicFile *> &files, std::string *error = nullptr);

// Writes a whole file atomically; false with a reason in `error` on failure.
bool WriteFileAtomically(const std::filesystem::path &target, const std::string &bytes,
                         std::string *error = nullptr);

} // namespace ventrel
