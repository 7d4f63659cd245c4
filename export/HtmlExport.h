#pragma once

#include <QString>

class DBItemCollection;
class Item;
class QIODevice;
struct FileWriteOutcome;

// What an HTML page shows: a numbered list of the items, the items whose present value is 0
// (the special list), a table whose columns and filters come from the print settings, or one
// item with captions and its pictures.
struct HtmlPage
{
    // Shown in the heading of the list.
    QString path;
    // The heading: the path and the captions of the list; never on the special list.
    bool showHeading = false;
    // One item alone instead of the database.
    const Item* singleItem = nullptr;
    bool showSpecialCase = false;
    bool asTable = false;
};

// Writes the page. Sorts the collection by group, and the collection keeps that order; the table
// shows its rows in the order of the print settings' sort, as the printed list does. False when
// a write failed.
bool writeHtml(DBItemCollection& collection, QIODevice& device, const HtmlPage& page);
// The same into a file, which is replaced only when the whole page was written; outcome, when
// given, tells how the writing went.
bool saveAsHtml(DBItemCollection& collection, const QString& path, bool showHeading, const Item* singleItem,
                bool showSpecialCase, bool asTable, FileWriteOutcome* outcome = nullptr);
