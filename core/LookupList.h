#pragma once

#include <QString>
#include <QStringList>

class QIODevice;
struct FileWriteOutcome;

// An ordered list of texts kept in a file of its own, one entry per line: the groups, the
// locations, the suppliers or the field labels of a database. Items refer to groups and
// locations by the position of the entry.
class LookupList
{
public:
    explicit LookupList(int maxEntries);

    int maxEntries() const;
    void clear();
    int size() const;
    bool isEmpty() const;
    void append(const QString& text);
    const QString& at(int index) const;
    int indexOf(const QString& text) const;
    bool contains(const QString& text) const;
    const QStringList& entries() const;
    void setEntries(const QStringList& entries);

    // The entry without its "&" shortcut marks (which are removed from the list as well);
    // empty beyond the end of the list.
    QString fieldLabel(int index);

    // Replaces the entries with the lines of the file; false (entries untouched) when the file
    // cannot be read. At most maxEntries + 1 lines are taken.
    bool LoadFromFile(const QString& path);
    bool load(QIODevice& device);
    // Writes the entries, each followed by CR LF. The file is replaced only when everything
    // was written, so a failed save leaves the old file as it was (writeFileSafely(), which
    // also tells how it went when outcome is given).
    bool SaveToFile(const QString& path, FileWriteOutcome* outcome = nullptr) const;
    bool save(QIODevice& device) const;

private:
    int m_maxEntries;
    QStringList m_entries;
};
