#include "RecentDatabases.h"

#include "Settings.h"

#include <QFileInfo>

namespace RecentDatabases {

QStringList list()
{
    QStringList entries = openSettings()->value(QLatin1StringView(Setting::RecentDatabases)).toStringList();
    entries.removeAll(QString());
    entries.removeDuplicates();
    return entries.mid(0, MaxEntries);
}

namespace {

    void store(const QStringList& entries)
    {
        openSettings()->setValue(QLatin1StringView(Setting::RecentDatabases), entries);
    }

} // namespace

void remember(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList entries = list();
    entries.removeAll(absolute);
    entries.prepend(absolute);
    store(entries.mid(0, MaxEntries));
}

void forget(const QString& path)
{
    QStringList entries = list();
    if (entries.removeAll(path) > 0)
        store(entries);
}

} // namespace RecentDatabases
