#pragma once

#include <QString>
#include <QStringList>

// The databases the user opened last, newest first, kept in the product's settings so that
// each product has its own list. A file that is gone stays on the list until the user takes it
// off: it may be on a share that is not mounted now.
namespace RecentDatabases {

inline constexpr int MaxEntries = 5;

QStringList list();
// Puts a database first on the list (an absolute path), dropping the oldest beyond five.
void remember(const QString& path);
void forget(const QString& path);

} // namespace RecentDatabases
