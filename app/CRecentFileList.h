#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The recently used documents, newest first, kept in the per-user profile under
// "Recent File List" as File1 .. File4.
class CRecentFileList {
public:
    static constexpr int kSize = 4;

    explicit CRecentFileList(QSettings& profile);

    void Load();
    // Puts `path` first (once), dropping the oldest beyond four, and saves the list.
    void Add(const QString& path);
    // Removes an entry that could not be opened and saves the list.
    void Remove(const QString& path);

    const QStringList& Files() const { return m_files; }
    // "&1 name.tvx": the name alone for a file in the working folder, else the full path.
    static QString MenuText(int index, const QString& path);

private:
    void Save() const;

    QSettings& m_profile;
    QStringList m_files;
};
