#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DBItemCollection;
class Item;
class QIODevice;

// A location update file comes from a barcode scanner or a stock-taking tool: Latin-1 text,
// one operation per line, parts separated by ";":
//   I;location;id;count          change the count of an item at a location by count
//   F;from;to;id;count           move count units of an item from one location to another
//   S;location;id                put the item with this id into another location
//   S;location;id;count          copy the item with this id into a location with count units
// A location is a position in the groups list; an id is an item's serial number.

enum class UpdateKind { CopyToLocation = 0, UpdateNumberOfItems = 1, SetLocation = 2, Move = 3 };

// A line of the file as the user wrote it: its number (from 1) and its text.
struct LocationUpdateLine
{
    int number = 0;
    QString text;
};

// One line of the file; the texts stay as written until a record is applied.
struct LocationUpdateRecord
{
    QString locationId1;
    QString location2;
    QString inventoryId;
    QString numberOfItems;
    UpdateKind kind = UpdateKind::UpdateNumberOfItems;
    LocationUpdateLine source;
};

// A line that was not applied, and why.
struct LocationUpdateFailure
{
    LocationUpdateLine source;
    QString reason;
};

// What reading a file gave.
struct LocationUpdateFile
{
    std::vector<LocationUpdateRecord> records;
    // Lines that hold something but match none of the four forms; they are never applied.
    std::vector<LocationUpdateLine> unknownLines;
    // Lines whose id holds a "#", which marks a line the scanner wants left alone.
    int discardedLines = 0;
    // The copy kept of the file when it was read.
    QString backupPath;
};

// Shows one warning to the user (the application shows a box; tests record it).
using LocationWarning = std::function<void(const QString& text)>;

// One line (without its line end); nothing when it matches no form.
std::optional<LocationUpdateRecord> parseLocationUpdateLine(QStringView line);
// Reads every line of a device; lines end in LF or CR LF.
LocationUpdateFile readLocationUpdates(QIODevice& device);

// The id an item is matched by: the id must be a decimal number (digits only), and it is
// written without leading zeros, so the number of a label ("001000", left-filled to six
// characters) gives the serial number it was printed from ("1000"). Nothing when the id is
// not a number. Serial numbers are read the same way when items are matched.
std::optional<QString> normalisedInventoryId(const QString& inventoryId);

// One entry of the list of lines that were not applied: "Line 4: I;2;12;-9 - reason".
QString locationUpdateFailureText(const LocationUpdateFailure& failure);
// The reason given for a line that matches none of the forms.
QString unknownLocationLineReason();

// The name of the copy kept of an update file read at a moment: "<path>.dd.MM.yyyy.hh.mm".
QString locationUpdateBackupPath(const QString& path, const QDateTime& when);

// Keeps a copy of the file beside it (never over an existing one), then reads it. False, after
// a warning, when the file is missing, cannot be copied or cannot be read; nothing has been
// read then, and the file itself is untouched in every case.
bool ParseLocationFile(const QString& path, LocationUpdateFile& result, const LocationWarning& warn,
                       const QDateTime& now = QDateTime::currentDateTime());
// Removes the file; false, after a warning, when there is none or it cannot be removed.
bool DeleteLocationFile(const QString& path, const LocationWarning& warn);

// Applies records to a collection, one at a time, in file order. A record that fails changes
// nothing and is noted with its reason; what was done before it stays done. Items are found by
// their serial numbers through an index made when apply() or applyAll() starts, so a file of
// many lines takes time in proportion to its lines, not to lines times items; the collection
// must not be changed by others while one of them runs.
//
// Items a move empties are taken out of the collection but kept alive by the updater until it
// is destroyed, because the item list may still show them until it is rebuilt.
class LocationUpdater
{
    Q_DECLARE_TR_FUNCTIONS(UpdateLocations)

public:
    // itemAdded is told of each item the update adds, after it was added to the collection.
    explicit LocationUpdater(DBItemCollection& collection, std::function<void(Item*)> itemAdded = {});
    ~LocationUpdater();
    LocationUpdater(const LocationUpdater&) = delete;
    LocationUpdater& operator=(const LocationUpdater&) = delete;

    // The date written into changed and new items; today unless a test sets it.
    void setToday(const QDate& today);

    bool apply(const LocationUpdateRecord& record);
    // Applies them all; returns how many succeeded.
    int applyAll(const std::vector<LocationUpdateRecord>& records);

    int succeeded() const;
    int failed() const;
    // The records that failed, in file order, each with its reason.
    const std::vector<LocationUpdateFailure>& failures() const;
    // The items taken out so far; still valid until the updater is destroyed.
    // Hands the removed items over (to the undo history, which can put them back).
    [[nodiscard]] std::vector<std::unique_ptr<Item>> takeRemovedItems() { return std::move(m_removed); }
    const std::vector<std::unique_ptr<Item>>& removedItems() const;

private:
    // Makes the index for the outermost apply() or applyAll(), and drops it when that ends.
    class Indexing;
    bool applyRecord(const LocationUpdateRecord& record);
    // The items whose serial numbers an id fits, in the order of the collection; null for none.
    const std::vector<Item*>* itemsWithId(const QString& id) const;
    void indexItem(Item* item);
    void unindexItem(Item* item);
    // The item an id names, in one group or (group -1) anywhere; a text in reason when there
    // is none, or when the id fits serial numbers that differ (such as "42" and "0042", whose
    // labels are alike) and the line cannot tell which item is meant.
    Item* findItem(int group, const QString& id, QString& reason) const;
    bool validateLocation(const LocationUpdateRecord& record, bool first, int& location, QString& reason) const;
    bool readCount(const LocationUpdateRecord& record, qint64& count, QString& reason) const;
    bool updateNumberOfItems(const LocationUpdateRecord& record, const QString& id, QString& reason);
    bool move(const LocationUpdateRecord& record, const QString& id, QString& reason);
    bool setLocation(const LocationUpdateRecord& record, const QString& id, QString& reason);
    bool copyToLocation(const LocationUpdateRecord& record, const QString& id, QString& reason);
    Item* addCopy(const Item& source, int location, int count, bool newSerialNumber);

    DBItemCollection& m_collection;
    std::function<void(Item*)> m_itemAdded;
    QString m_todayText;
    // The items by serial number without its leading zeros, while records are applied.
    QHash<QString, std::vector<Item*>> m_bySerial;
    int m_indexing = 0;
    // The highest serial number, once a copy with a new serial number needed it.
    std::optional<QString> m_serialBase;
    int m_succeeded = 0;
    std::vector<LocationUpdateFailure> m_failures;
    std::vector<std::unique_ptr<Item>> m_removed;
};
