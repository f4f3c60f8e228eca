// The recent-file list of four entries, kept in the settings.
#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace ventrel {

RecentFiles::RecentFiles() {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup("Recent File List");
    for (int i = 1; i <= kSize; ++i) {
        const QString file = settings.value(QString("File%1").arg(i)).toString();
        if (!file.isEmpty())
            m_files << file;
    }
}

void RecentFiles::Add(const QString &path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
    Save();
}

void RecentFiles::Save() const {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup("Recent File List");
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QString("File%1").arg(i);
        if (i <= m_files.size())
            settings.setValue(key, m_files[i - 1]);
        else
            settings.remove(key);
    }
}

} // namespace ventrel
