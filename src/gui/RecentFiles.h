// The recent-file list of four entries, kept in the settings.
#pragma once

#include <QStringList>

namespace ventrel {

class RecentFiles {
public:
    static constexpr int kSize = 4;
    static constexpr const char *kOrganisation = "Local AppWizard-Generated Applications";
    static constexpr const char *kApplication = "Ventrel";

    RecentFiles();
    // Puts the file first (once), keeps four, and saves the list.
    void Add(const QString &path);
    const QStringList &Files() const { return m_files; }

private:
    void Save() const;
    QStringList m_files;
};

} // namespace ventrel
