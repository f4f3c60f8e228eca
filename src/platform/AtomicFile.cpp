// An output file that replaces its target only once it is completely written.
#include "AtomicFile.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace ventrel {
namespace {

namespace fs = std::filesystem;

// The permissions a new file would get (0666 less the umask), or those of the file it replaces;
// mkstemp alone would leave every output readable by its owner only.
mode_t PermissionsFor(const fs::path &target) {
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Follows symbolic links to the file they finally name (which need not exist yet).
fs::path Destination(const fs::path &target) {
    fs::path path = target;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            return path;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// Temporaries are named ".vt-HASH-PID-XXXXXX": short whatever the target's name, tied to the
// target by the hash, to the writing process by its id.
std::string TemporaryPrefix(const fs::path &destination) {
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08zx",
                  std::hash<std::string>{}(destination.filename().string()) & 0xffffffffu);
    return std::string(".vt-") + hash + "-";
}

// Removes the temporaries of this target left by processes that no longer run.
void RemoveStaleTemporaries(const fs::path &folder, const std::string &prefix) {
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            fs::remove(it->path(), error);
    }
}

} // namespace

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::Fail(int error) {
    m_failed = true;
    if (m_error.empty())
        m_error = m_target.string() + ": " + std::strerror(error != 0 ? error : EIO);
}

bool AtomicFile::Open(const fs::path &target) {
    Discard();
    m_target = target;
    m_error.clear();
    m_failed = false;
    m_finished = false;
    if (target.empty() || target.filename().empty()) {
        m_error = "no file name";
        return false;
    }
    m_destination = Destination(target);
    std::error_code error;
    if (fs::is_directory(m_destination, error)) {
        Fail(EISDIR);
        return false;
    }
    const std::string prefix = TemporaryPrefix(m_destination);
    RemoveStaleTemporaries(m_destination.parent_path(), prefix);
    std::string pattern =
        (m_destination.parent_path() / (prefix + std::to_string(getpid()) + "-XXXXXX")).string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        Fail(errno);
        return false;
    }
    fchmod(descriptor, PermissionsFor(m_destination));
    m_file = fdopen(descriptor, "wb");
    if (!m_file) {
        Fail(errno);
        close(descriptor);
        std::remove(pattern.c_str());
        return false;
    }
    m_temporary = pattern;
    return true;
}

bool AtomicFile::Write(const void *data, size_t size) {
    if (!m_file)
        return false;
    if (size != 0 && !m_failed && std::fwrite(data, 1, size, m_file) != size)
        Fail(errno);
    return !m_failed;
}

bool AtomicFile::Write(const std::string &bytes) {
    return Write(bytes.data(), bytes.size());
}

bool AtomicFile::Finish() {
    if (m_finished)
        return true;
    if (!m_file)
        return false;
    if (std::fflush(m_file) != 0 || std::ferror(m_file))
        Fail(errno);
    const int saved = errno;
    if (std::fclose(m_file) != 0)
        Fail(errno != 0 ? errno : saved);
    m_file = nullptr;
    if (m_failed) {
        Discard();
        return false;
    }
    m_finished = true;
    return true;
}

bool AtomicFile::Publish() {
    if (!m_finished)
        return false;
    m_finished = false;
    if (std::rename(m_temporary.c_str(), m_destination.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

bool AtomicFile::Commit() {
    return Finish() && Publish();
}

void AtomicFile::Discard() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporary.empty()) {
        std::remove(m_temporary.c_str());
        m_temporary.clear();
    }
    m_finished = false;
}

bool CommitTogether(const std::vector<AtomicFile *> &files, std::string *error) {
    const AtomicFile *failed = nullptr;
    for (AtomicFile *file : files)
        if (!file->Finish() && !failed)
            failed = file;
    if (!failed) {
        for (AtomicFile *file : files)
            if (!file->Publish() && !failed)
                failed = file;
    }
    if (failed) {
        for (AtomicFile *file : files)
            file->Discard();
        if (error)
            *error = failed->Error();
    }
    return !failed;
}

bool WriteFileAtomically(const fs::path &target, const std::string &bytes, std::string *error) {
    AtomicFile file;
    const bool ok = file.Open(target) && file.Write(bytes) && file.Commit();
    if (!ok && error)
        *error = file.Error();
    return ok;
}

} // namespace ventrel
