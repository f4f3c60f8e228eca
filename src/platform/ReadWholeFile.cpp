// Reading input files: regular files only, whole text files within a size limit.
#include "WorkFolder.h"

#include "Ui.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ventrel {
namespace {

// Opens a regular file for reading without waiting on a FIFO or a device; -1 with the reason.
int OpenRegular(const std::filesystem::path &path, struct stat &info, std::string &reason) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        reason = std::strerror(errno);
        return -1;
    }
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
        close(descriptor);
        return -1;
    }
    // Reads on a regular file never wait; blocking mode keeps the stream functions simple.
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

std::string TooLarge(std::uintmax_t limit) {
    return Format("larger than %llu MB, the limit for this kind of file",
                  static_cast<unsigned long long>(limit >> 20));
}

} // namespace

bool ReadWholeFile(const std::filesystem::path &path, std::string &bytes, std::string *reason,
                   std::uintmax_t limit) {
    bytes.clear();
    std::string why;
    struct stat info {};
    const int descriptor = OpenRegular(path, info, why);
    bool ok = descriptor >= 0;
    if (ok && static_cast<std::uintmax_t>(info.st_size) > limit) {
        why = TooLarge(limit);
        ok = false;
    }
    if (ok) {
        bytes.reserve(static_cast<size_t>(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t count = read(descriptor, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                why = std::strerror(errno);
                ok = false;
                break;
            }
            if (count == 0)
                break;
            // The file may grow while it is read: the limit holds for what is read.
            if (bytes.size() + static_cast<size_t>(count) > limit) {
                why = TooLarge(limit);
                ok = false;
                break;
            }
            bytes.append(buffer, static_cast<size_t>(count));
        }
    }
    if (descriptor >= 0)
        close(descriptor);
    if (!ok) {
        bytes.clear();
        bytes.shrink_to_fit();
        if (reason)
            *reason = why;
    }
    return ok;
}

std::FILE *OpenInputFile(const std::filesystem::path &path, std::string *reason) {
    std::string why;
    struct stat info {};
    const int descriptor = OpenRegular(path, info, why);
    std::FILE *file = descriptor >= 0 ? fdopen(descriptor, "rb") : nullptr;
    if (descriptor >= 0 && !file) {
        why = std::strerror(errno);
        close(descriptor);
    }
    if (!file && reason)
        *reason = why;
    return file;
}

std::string WithReason(const std::string &text, const std::string &reason) {
    if (reason.empty() || reason == std::strerror(ENOENT))
        return text;
    return text + (text.ends_with('\n') ? "" : "\n") + reason + (text.ends_with('\n') ? "\n" : "");
}

std::string MissingFileText(const std::filesystem::path &path, const std::string &reason) {
    // "ABSENT" says it all for a file that is not there; any other fault is named.
    return WithReason(Format("FICHIER %s ABSENT\n", path.string().c_str()), reason);
}

bool ReadInputFile(const std::filesystem::path &path, std::string &bytes, Ui &ui) {
    std::string reason;
    if (ReadWholeFile(path, bytes, &reason))
        return true;
    ui.MessageBox(MissingFileText(path, reason));
    return false;
}

} // namespace ventrel
