#pragma once

#include "Item.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class DBItemCollection;

// The check of an item's linked files: the picture, the second picture or receipt, and the
// document. Links are resolved as everywhere else (resolveLink(), against the database's
// folder); web links and other URLs are not checked.
namespace LinkCheck {

// The link fields checked, in the order they are listed.
inline constexpr Item::TextField CheckedFields[] = { Item::Photolink, Item::Receipt, Item::Document };

struct MissingLink
{
    Item* item = nullptr;
    Item::TextField field = Item::Photolink;
    // As the item holds it.
    QString link;
};

// Every link of the collection's items that points to a file that is not there, by item.
std::vector<MissingLink> findMissing(const DBItemCollection& collection);

// The file name a link ends in, whichever separator it was written with ("C:\a\b.jpg": "b.jpg").
QString linkFileName(const QString& link);

// What searching a folder found for the missing links.
struct RelinkPlan
{
    struct Change
    {
        Item* item = nullptr;
        Item::TextField field = Item::Photolink;
        QString oldLink;
        // Relative to the database's folder when the file lies below it, else absolute.
        QString newLink;
    };
    std::vector<Change> changes;
    // File names found more than once: not relinked. Each entry: the name and where it is.
    std::vector<std::pair<QString, QStringList>> ambiguous;
    // File names found nowhere in the folder.
    QStringList notFound;
};

// Looks in the folder and its subfolders for files named as the missing links' files (the
// exact name; letter case counts, as it does on the disk).
RelinkPlan planRelink(const std::vector<MissingLink>& missing, const QString& folder, const QString& databaseDir);

} // namespace LinkCheck
