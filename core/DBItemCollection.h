#pragma once

#include "Item.h"
#include "LookupList.h"
#include "ProgramVariant.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

#include <memory>
#include <vector>

class LogXML;
class QIODevice;
class UiReporter;

// The texts of a search by example; empty texts are not searched for.
struct SearchQuery
{
    QString name;
    QString product;
    QString numberOfItems;
    QString price;
    QString priceToday;
    QString date;
    QString supplier;
    QString serialno;
    QString description;
    QString address;
    QString photolink;
    QString receipt;
    QString www;
    QString document;
    int location = -1;
};

// The database in memory: the items in their order, the four lookup lists, the lock state of
// a stock database, and the loader and saver of the database file.
//
// The collection owns its items. Whoever takes an item out with removeItem() receives it and
// destroys it; clear() and the destructor destroy the items still held.
class DBItemCollection
{
    Q_DECLARE_TR_FUNCTIONS(DBItemCollection)

public:
    // Group number that stands for all groups in the counting and summing operations.
    static constexpr int AllGroups = 10000;
    static constexpr int MaxListEntries = 9999;
    static constexpr int MaxFieldLabels = 30;
    // The date that stands for "no date" in a search by example.
    static constexpr char NoDate[] = "01.01.1900";

    explicit DBItemCollection(LogXML* log = nullptr, UiReporter* reporter = nullptr);
    DBItemCollection(const QString& path, LogXML* log = nullptr, UiReporter* reporter = nullptr);
    ~DBItemCollection();
    DBItemCollection(const DBItemCollection&) = delete;
    DBItemCollection& operator=(const DBItemCollection&) = delete;

    // The database file. Loading appends to the items already held and reads every format
    // version; saving writes the running product's current format.
    bool LoadFromAsciiFile(const QString& path);
    // Whether the last load stopped at a damaged line; the items read before it were kept.
    bool loadStoppedEarly() const;
    // The number of data lines of a file whose load stopped at a damaged line, when path names
    // that file; -1 otherwise. Saving to that file again makes it hold only what was read, so
    // it asks first; a save to it, or emptying the collection, forgets the damage.
    int partialFileLines(const QString& path) const;
    // The format version ("2.6.0") of a file whose header names a version newer than this
    // program knows, when path names that file; empty otherwise. Such a file may hold fields
    // the loader does not read, so it is never saved over (a new name is fine); emptying the
    // collection forgets it.
    QString newerFormatVersion(const QString& path) const;
    // Tells the user that such a file is not saved over and returns true; false (and nothing
    // shown) for any other file.
    bool refuseNewerFormat(const QString& path) const;
    // Loads from text already in memory, without the lock file; what LoadFromAsciiFile does
    // once it has read the file.
    bool loadFromData(QByteArray data);
    bool SaveToFileAsAscii(const QString& path);
    // Writes the database to a device; false when a write failed. Shows nothing. The items are
    // written ordered by group and, unless told otherwise, keep that order in memory.
    bool writeDatabase(QIODevice& device, bool takeFileOrder = true);
    // The header line a save writes for a product, without its line end.
    static QByteArray headerLine(ProgramVariant variant);

    // The lock file of a stock database. Taking it asks the user what to do about a lock
    // another holds: take over one left by this program when it was killed, or by anyone once
    // the user confirms nobody has the database open; else the database opens read-only.
    // True when this collection now holds the lock.
    bool LockDB(const QString& path);
    void deleteLockFile();
    bool isReadOnly() const;
    QString lockInfo() const;

    // The folder of the open database: its lookup lists are read from and written to it. A
    // collection starts out in the folder of the last database; a new database that was never
    // saved has none (empty), and its lists are written when it is first saved.
    QString databaseDir() const;
    void setDatabaseDir(const QString& dir);

    // The lookup lists.
    enum class ListKind { Groups, Locations, Suppliers, FieldLabels };
    LookupList& groups();
    LookupList& locations();
    LookupList& suppliers();
    LookupList& fieldLabels();
    const LookupList& groups() const;
    const LookupList& locations() const;
    const LookupList& suppliers() const;
    const LookupList& fieldLabels() const;
    // Loads the four lists from the database folder, with fallbacks.
    bool MakeDynamicLists();
    // Writes the four lists in the language into the database folder (nothing without one), or
    // into another folder (a database saved under a new name, a backup).
    bool saveLookupLists();
    bool saveLookupLists(const QString& folder);
    // Replaces one list by what the list editor made of it and writes that list's file. Groups
    // and locations are positions items refer to: an entry added or emptied is added or emptied
    // in the list's files of the other languages in the folder too; a rename stays in the
    // language. False when nothing could be written (a folder another program has locked: then
    // the list is left as it was) or a file failed (the list holds the new entries).
    bool saveLookupList(ListKind kind, const QStringList& entries);
    // Replaces a list in memory only and marks it changed (undoing an edit of it): the next
    // saveChangedLists() writes it, as saveLookupList() would have.
    void setListUnsaved(ListKind kind, const QStringList& entries);
    bool hasUnsavedLists() const;
    bool saveChangedLists();
    const LookupList& lookupList(ListKind kind) const;

    // The items.
    void clear();
    Item* addItem(std::unique_ptr<Item> item);
    [[nodiscard]] std::unique_ptr<Item> removeItem(Item* item);
    // Puts an item at a position (clamped to the end), as undoing its removal does.
    Item* insertItem(int index, std::unique_ptr<Item> item);
    // Hands out every item in its order and takes back another set (both for restoring a whole
    // state at once); the lists, the lock and the files are not touched.
    [[nodiscard]] std::vector<std::unique_ptr<Item>> takeItems();
    void putItems(std::vector<std::unique_ptr<Item>> items);
    int count() const;
    Item* at(int index) const;
    int indexOf(const Item* item) const;
    const std::vector<std::unique_ptr<Item>>& items() const;
    int first();
    int last();
    Item* previousItem(Item* item, bool& atStart) const;
    Item* nextItem(Item* item, bool& atEnd) const;

    // Figures over one group, or over all with AllGroups.
    // Units are summed in 64 bits: many items of many units pass what an int holds.
    qint64 itemCount(int group, bool sumUnits) const;
    double total(int group, bool usePriceToday, bool usePrice) const;
    int maxGroup() const;
    int maxLocation() const;
    // The highest serial number that is a whole number, as digits (or the start setting when
    // there are no items): new stock articles are numbered on from it with nextSerialNumber.
    // Serial numbers that are not whole numbers, or are below zero, count as 0.
    QString highestSerialNumber() const;
    // The number one above, counted in decimal digits: a number of any length comes out one
    // higher, never wrapped round to a negative or repeated number.
    static QString nextSerialNumber(const QString& number);

    // Sorts by a list column: 0 group, 1 name, 2 product, 5 value, 9 date, 10 location.
    void sort(int key);

    Item* findByGroupAndSerial(int group, const QString& serialno) const;
    // Searches from the shared search cursor for the next item whose field (0 to 20) matches.
    Item* findNext(int key, const QString& text, bool continueSearch, bool& found);
    Item* findByExample(const SearchQuery& query, bool continueSearch);

    // One modified flag for the whole process.
    static bool isModified();
    static void setModified(bool modified);
    // How many times the flag was set: a copy of the database made at one count holds every
    // change made until the count moves on.
    static quint64 modificationCount();

private:
    // Writes a list whose file held the entries before; the other languages' files follow.
    bool writeLookupList(ListKind kind, const QStringList& entries, const QStringList& before);
    template<typename Key>
    void sortBy(Key key);
    bool parseDatabase(QByteArray data, const QString& path);
    // Whether a folder holds a lock file that this collection did not take (stock product only).
    bool folderLockedByAnother(const QString& folder) const;
    // Refuses writing into a folder another program has locked, saying so; false when allowed.
    bool refuseLockedFolder(const QString& folder) const;
    bool createLock(const QString& lockPath, const QString& database, QString& error);
    bool lockFoundAt(const QString& lockPath, const QString& database);
    bool takeOverLock(const QString& lockPath, const QString& database);
    void readLockHolder(const QString& lockPath);
    LookupList& list(ListKind kind);
    // Writes one list file; what to tell the user when that failed, else empty.
    QString saveListFile(ListKind kind, const LookupList& list, const QString& path) const;
    void reportListFailures(const QStringList& failures) const;
    void forgetPartialLoad();
    void log(const QString& entry, const char* function) const;
    void reportSaveFailure(const QString& path, const QString& reason) const;

    LogXML* m_log;
    UiReporter* m_reporter;
    std::vector<std::unique_ptr<Item>> m_items;
    int m_cursor = 0;
    LookupList m_groups;
    LookupList m_locations;
    LookupList m_suppliers;
    LookupList m_fieldLabels;
    QString m_databaseDir;
    bool m_readOnly = false;
    QString m_lockInfo;
    // The lock file this collection created, if it holds one.
    QString m_heldLockPath;
    bool m_loadStoppedEarly = false;
    // The file whose load stopped at a damaged line, and how many data lines it has.
    QString m_partialFile;
    int m_partialFileLines = 0;
    // The file whose header named a newer format than this program knows, and that version.
    QString m_newerFormatFile;
    QString m_newerFormatVersion;
    // The lists replaced in memory and not yet written, each with the entries its file holds:
    // the other languages' files follow from those, not from what memory held last.
    QMap<ListKind, QStringList> m_unsavedLists;
};

// The format version number of the last database file loaded in this process: 100 without a
// header, else 240, 241, 252, 253, 254, 255 or 256.
int fileVersion();
