#pragma once

#include <QString>

#include <functional>

class DBItemCollection;
class ItemListView;
class QWidget;

// What one run of the location update did.
struct LocationUpdateOutcome
{
    // The file was found, copied and read, and its records were applied.
    bool applied = false;
    int succeeded = 0;
    int failed = 0;
    // Lines that matched none of the forms and were left alone.
    int unknownLines = 0;
    // The database was saved at the end.
    bool saved = false;
    // The update file was removed: its changes are applied and saved (a dated copy stays).
    bool fileRemoved = false;
};

// The file offered first in the chooser: in Stockvane beside the last database.
QString locationUpdateStartPath();

// The update-locations command: asks for a location update file, keeps a time-stamped copy of
// it, applies its records to the collection, rebuilds the list, saves the database with
// saveDatabase and then removes the file. Problems are shown in warning boxes, the lines that
// could not be applied in one list; the result goes to showMessage (text, milliseconds) when
// one is given.
//
// A cancelled chooser changes nothing and says nothing.
//
// The file stays where it is whenever the changes it carried are not saved: when nothing of it
// was applied, or when the database could not be saved.
//
// A database opened read-only is not touched: its changes could not be saved, and the update
// file would be gone.
LocationUpdateOutcome runLocationUpdate(QWidget* parent, DBItemCollection& collection, ItemListView& list,
                                        const std::function<bool()>& saveDatabase,
                                        const std::function<void(const QString& text, int milliseconds)>& showMessage);
