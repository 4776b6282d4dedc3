#include "app/CRecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString key(int index) {
    return kSection + QStringLiteral("/File%1").arg(index + 1);
}

QString normalized(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

CRecentFileList::CRecentFileList(QSettings& profile) : m_profile(profile) {}

void CRecentFileList::Load() {
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = m_profile.value(key(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) m_files.append(path);
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString entry = normalized(path);
    m_files.removeAll(entry);
    m_files.prepend(entry);
    while (m_files.size() > kSize) m_files.removeLast();
    Save();
}

void CRecentFileList::Remove(const QString& path) {
    m_files.removeAll(normalized(path));
    m_files.removeAll(path);
    Save();
}

void CRecentFileList::Save() const {
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            m_profile.setValue(key(i), m_files.at(i));
        else
            m_profile.remove(key(i));
    }
    m_profile.sync();
}

QString CRecentFileList::MenuText(int index, const QString& path) {
    const QFileInfo info(path);
    const bool here = QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(QDir::currentPath());
    QString shown = here ? info.fileName() : QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
