// A tiny file system mounted for one test: a full disk or a read-only folder (root only).
#pragma once

#include "TestFolder.h"

#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace ventrel::test {

// A tmpfs of `bytes` mounted on a fresh folder when the test runs as root; otherwise (or when
// mounting is refused) Mounted() is false and the test skips.
class ScratchDisk {
public:
    explicit ScratchDisk(size_t bytes) {
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = geteuid() == 0 &&
                    mount("tmpfs", m_folder.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~ScratchDisk() {
        if (m_mounted)
            umount2(m_folder.Path().c_str(), MNT_DETACH);
    }
    ScratchDisk(const ScratchDisk &) = delete;
    ScratchDisk &operator=(const ScratchDisk &) = delete;

    bool Mounted() const { return m_mounted; }
    const TestFolder &Folder() const { return m_folder; }
    // Makes the file system read-only from now on.
    bool MakeReadOnly() {
        return m_mounted && mount("tmpfs", m_folder.Path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                                  nullptr) == 0;
    }

private:
    TestFolder m_folder;
    bool m_mounted = false;
};

} // namespace ventrel::test
