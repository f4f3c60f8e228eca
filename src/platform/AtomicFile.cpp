// An output file that replaces its target only once it is completely written.
#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace ventrel {
namespace {

// The permissions a new file would get (0666 less the umask), or those of the file it replaces;
// mkstemp alone would leave every output readable by its owner only.
mode_t PermissionsFor(const std::filesystem::path &target) {
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Open(const std::filesystem::path &target) {
    Discard();
    m_target = target;
    m_error.clear();
    m_failed = false;
    if (target.empty() || target.filename().empty()) {
        m_error = "no file name";
        return false;
    }
    std::string pattern = target.string() + ".tmp-XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        m_error = target.string() + ": " + std::strerror(errno);
        return false;
    }
    fchmod(descriptor, PermissionsFor(target));
    m_file = fdopen(descriptor, "wb");
    if (!m_file) {
        m_error = target.string() + ": " + std::strerror(errno);
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
    if (size != 0 && std::fwrite(data, 1, size, m_file) != size)
        m_failed = true;
    return !m_failed;
}

bool AtomicFile::Write(const std::string &bytes) {
    return Write(bytes.data(), bytes.size());
}

bool AtomicFile::Commit() {
    if (!m_file)
        return false;
    const bool flushed = std::fflush(m_file) == 0 && !std::ferror(m_file) && !m_failed;
    const int saved = errno;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!flushed || !closed) {
        m_error = m_target.string() + ": " + std::strerror(flushed ? errno : saved);
        std::remove(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        m_error = m_target.string() + ": " + std::strerror(errno);
        std::remove(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    m_temporary.clear();
    return true;
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
}

bool WriteFileAtomically(const std::filesystem::path &target, const std::string &bytes,
                         std::string *error) {
    AtomicFile file;
    const bool ok = file.Open(target) && file.Write(bytes) && file.Commit();
    if (!ok && error)
        *error = file.Error();
    return ok;
}

} // namespace ventrel
