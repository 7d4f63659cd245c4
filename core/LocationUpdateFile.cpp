#include "LocationUpdateFile.h"

#include "DBItemCollection.h"
#include "Item.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <array>
#include <cstring>
#include <limits>

namespace {

Q_LOGGING_CATEGORY(lcLocations, "hestiva.locations")

void report(const LocationWarning& warn, const QString& text)
{
    if (warn)
        warn(text);
}

// Counts are changed with 64-bit arithmetic and must still fit the item's count afterwards.
bool fitsCount(qint64 value)
{
    return value >= 0 && value <= std::numeric_limits<int>::max();
}

} // namespace

std::optional<LocationUpdateRecord> parseLocationUpdateLine(QStringView line)
{
    // Empty parts are dropped before counting, so ";;" is one separator and a closing ";"
    // adds nothing. Parts are not trimmed. No form has more than five parts, so a sixth is
    // only counted.
    std::array<QStringView, 5> parts;
    qsizetype size = 0;
    for (qsizetype from = 0; from < line.size();) {
        qsizetype stop = line.indexOf(u';', from);
        if (stop < 0)
            stop = line.size();
        if (stop > from) {
            if (size < qsizetype(parts.size()))
                parts[size] = line.sliced(from, stop - from);
            if (++size > qsizetype(parts.size()))
                break;
        }
        from = stop + 1;
    }
    qCDebug(lcLocations, "Size %d", int(size));
    if (size == 0)
        return std::nullopt;

    LocationUpdateRecord record;
    const QStringView form = parts[0];
    if (form == u"I" && size == 4) {
        qCDebug(lcLocations, "import/export format: I, LokationsId, InventarId, antal");
        record.kind = UpdateKind::UpdateNumberOfItems;
        record.locationId1 = parts[1].toString();
        record.inventoryId = parts[2].toString();
        record.numberOfItems = parts[3].toString();
        return record;
    }
    if (form == u"F" && size == 5) {
        record.kind = UpdateKind::Move;
        record.locationId1 = parts[1].toString();
        record.location2 = parts[2].toString();
        record.inventoryId = parts[3].toString();
        record.numberOfItems = parts[4].toString();
        return record;
    }
    if (form == u"S" && (size == 3 || size == 4)) {
        record.kind = size == 3 ? UpdateKind::SetLocation : UpdateKind::CopyToLocation;
        record.locationId1 = parts[1].toString();
        record.inventoryId = parts[2].toString();
        if (size == 4)
            record.numberOfItems = parts[3].toString();
        return record;
    }
    return std::nullopt;
}

LocationUpdateFile readLocationUpdates(QIODevice& device)
{
    LocationUpdateFile result;
    // The whole file at once, split here: reading it line by line costs a buffer of the
    // device's block size for every line. What was read before a read error stands.
    const QByteArray data = device.readAll();
    const char* const begin = data.constData();
    const char* const end = begin + data.size();
    int number = 0;
    for (const char* start = begin; start != end;) {
        const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', size_t(end - start)));
        const char* next = lineFeed ? lineFeed + 1 : end;
        // Every CR and LF at the end of a line goes: "CR CR LF" ends a line as "CR LF" does.
        const char* stop = lineFeed ? lineFeed : end;
        while (stop != start && stop[-1] == '\r')
            --stop;
        ++number;
        const qsizetype length = stop - start;
        const char* const text = start;
        start = next;
        if (length == 0)
            continue;
        const QString line = QString::fromLatin1(text, length);
        std::optional<LocationUpdateRecord> record = parseLocationUpdateLine(line);
        if (!record) {
            result.unknownLines.push_back({ number, line });
            continue;
        }
        if (record->inventoryId.contains(u'#')) {
            ++result.discardedLines;
            continue;
        }
        record->source = { number, line };
        result.records.push_back(std::move(*record));
    }
    if (lcLocations().isDebugEnabled()) {
        for (const LocationUpdateRecord& record : result.records) {
            if (record.kind != UpdateKind::Move)
                continue;
            qCDebug(lcLocations).noquote() << "size:" << result.records.size() << "LocationId1:" << record.locationId1
                                           << "Location2:" << record.location2 << "InventoryId:" << record.inventoryId
                                           << "NumberOfItems:" << record.numberOfItems;
        }
    }
    return result;
}

std::optional<QString> normalisedInventoryId(const QString& inventoryId)
{
    // Only leading zeros go: they are the padding of the label. A zero inside the number is
    // part of it, so 001000 stays 1000 and never becomes the number of another item.
    if (inventoryId.isEmpty())
        return std::nullopt;
    for (const QChar c : inventoryId) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    // Written as a number is written: without leading zeros, however long it is. The digits are
    // compared as text, so no id is too long to be matched or wraps round to another.
    qsizetype first = 0;
    while (first < inventoryId.size() - 1 && inventoryId.at(first) == u'0')
        ++first;
    return inventoryId.mid(first);
}

QString locationUpdateFailureText(const LocationUpdateFailure& failure)
{
    // A line of a file that is not one (a picture chosen by mistake) is shown in part only.
    constexpr qsizetype MaxShown = 120;
    QString line = failure.source.text;
    if (line.size() > MaxShown)
        line = line.left(MaxShown) + QStringLiteral("...");
    return QCoreApplication::translate("UpdateLocations", "LOCATION_UPDATE_FAILED_LINE %1 %2 %3")
        .arg(QString::number(failure.source.number), line, failure.reason);
}

QString unknownLocationLineReason()
{
    return QCoreApplication::translate("UpdateLocations", "LOCATION_UPDATE_LINE_NOT_UNDERSTOOD");
}

QString locationUpdateBackupPath(const QString& path, const QDateTime& when)
{
    return QStringLiteral("%1.%2").arg(path, when.toString(QStringLiteral("dd.MM.yyyy.hh.mm")));
}

bool ParseLocationFile(const QString& path, LocationUpdateFile& result, const LocationWarning& warn,
                       const QDateTime& now)
{
    result = LocationUpdateFile();
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        report(warn, QCoreApplication::translate("UpdateLocations", "File: does not exist"));
        return false;
    }

    // The file is read once; the copy is made from the bytes read, so the copy holds exactly
    // what is applied.
    QFile file(path);
    QByteArray contents;
    bool read = file.open(QIODevice::ReadOnly);
    if (read) {
        contents = file.readAll();
        read = file.error() == QFileDevice::NoError;
    }
    if (!read) {
        report(warn,
               QCoreApplication::translate("UpdateLocations/ParseLocationFile", "Cannot open file %1 for reading")
                   .arg(path));
        return false;
    }

    // The copy never replaces an earlier one: a second run within the same minute stops here,
    // before anything is applied twice.
    const QString backup = locationUpdateBackupPath(path, now);
    bool copied = false;
    if (!QFileInfo::exists(backup)) {
        QSaveFile copy(backup);
        copied = copy.open(QIODevice::WriteOnly) && copy.write(contents) == contents.size() && copy.commit();
    }
    if (!copied) {
        report(warn,
               QCoreApplication::translate("UpdateLocations/ParseLocationFile", "Copy of file: %1 to %2 failed")
                   .arg(path, backup));
        return false;
    }

    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    result = readLocationUpdates(buffer);
    result.backupPath = backup;
    return true;
}

bool DeleteLocationFile(const QString& path, const LocationWarning& warn)
{
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        report(warn, QCoreApplication::translate("UpdateLocations/DeleteLocationFile", "File: does not exist"));
        return false;
    }
    // A file left behind would be applied a second time by the next run, a minute later, and
    // every count in it would change twice: the user must remove it.
    if (!QFile::remove(path)) {
        report(warn,
               QCoreApplication::translate("UpdateLocations/DeleteLocationFile", "LOCATION_FILE_NOT_DELETED %1")
                   .arg(path));
        return false;
    }
    return true;
}

LocationUpdater::LocationUpdater(DBItemCollection& collection, std::function<void(Item*)> itemAdded)
    : m_collection(collection)
    , m_itemAdded(std::move(itemAdded))
{
    setToday(QDate::currentDate());
}

LocationUpdater::~LocationUpdater() = default;

void LocationUpdater::setToday(const QDate& today)
{
    m_todayText = today.toString(QStringLiteral("dd.MM.yyyy"));
}

int LocationUpdater::succeeded() const
{
    return m_succeeded;
}

int LocationUpdater::failed() const
{
    return int(m_failures.size());
}

const std::vector<LocationUpdateFailure>& LocationUpdater::failures() const
{
    return m_failures;
}

const std::vector<std::unique_ptr<Item>>& LocationUpdater::removedItems() const
{
    return m_removed;
}

namespace {

// A serial number as the ids that fit it are written: without leading zeros ("0042" is "42",
// "000" is "0").
QStringView withoutLeadingZeros(QStringView serial)
{
    qsizetype first = 0;
    while (first < serial.size() - 1 && serial.at(first) == u'0')
        ++first;
    return serial.sliced(first);
}

} // namespace

class LocationUpdater::Indexing
{
public:
    explicit Indexing(LocationUpdater& updater)
        : m_updater(updater)
    {
        if (m_updater.m_indexing++ > 0)
            return;
        m_updater.m_bySerial.reserve(m_updater.m_collection.count());
        for (const auto& item : m_updater.m_collection.items())
            m_updater.indexItem(item.get());
    }
    ~Indexing()
    {
        if (--m_updater.m_indexing > 0)
            return;
        m_updater.m_bySerial.clear();
        m_updater.m_serialBase.reset();
    }
    Indexing(const Indexing&) = delete;
    Indexing& operator=(const Indexing&) = delete;

private:
    LocationUpdater& m_updater;
};

void LocationUpdater::indexItem(Item* item)
{
    const QStringView serial = item->textView(Item::Serialno);
    if (!serial.isEmpty())
        m_bySerial[withoutLeadingZeros(serial).toString()].push_back(item);
}

void LocationUpdater::unindexItem(Item* item)
{
    const auto bucket = m_bySerial.find(withoutLeadingZeros(item->textView(Item::Serialno)).toString());
    if (bucket == m_bySerial.end())
        return;
    std::vector<Item*>& items = *bucket;
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
    if (items.empty())
        m_bySerial.erase(bucket);
}

const std::vector<Item*>* LocationUpdater::itemsWithId(const QString& id) const
{
    const auto bucket = m_bySerial.constFind(id);
    return bucket == m_bySerial.cend() ? nullptr : &*bucket;
}

int LocationUpdater::applyAll(const std::vector<LocationUpdateRecord>& records)
{
    Indexing indexing(*this);
    int done = 0;
    for (const LocationUpdateRecord& record : records) {
        if (applyRecord(record))
            ++done;
    }
    return done;
}

bool LocationUpdater::apply(const LocationUpdateRecord& record)
{
    Indexing indexing(*this);
    return applyRecord(record);
}

bool LocationUpdater::applyRecord(const LocationUpdateRecord& record)
{
    bool done = false;
    QString reason;
    const std::optional<QString> id = normalisedInventoryId(record.inventoryId);
    if (!id) {
        reason = tr("LOCATION_UPDATE_ID_NOT_A_NUMBER %1").arg(record.inventoryId);
    } else {
        switch (record.kind) {
        case UpdateKind::UpdateNumberOfItems:
            done = updateNumberOfItems(record, *id, reason);
            break;
        case UpdateKind::Move:
            done = move(record, *id, reason);
            break;
        case UpdateKind::SetLocation:
            done = setLocation(record, *id, reason);
            break;
        case UpdateKind::CopyToLocation:
            done = copyToLocation(record, *id, reason);
            break;
        }
    }
    if (done) {
        ++m_succeeded;
        return true;
    }
    m_failures.push_back({ record.source, reason });
    return false;
}

Item* LocationUpdater::findItem(int group, const QString& id, QString& reason) const
{
    // A serial number matches when it is the id with zeros in front or none: the label of
    // serial number 42 reads 000042. Two items whose serial numbers differ only in such zeros
    // get the same label, and no line can say which of them is meant.
    const std::vector<Item*>* candidates = itemsWithId(id);
    if (!candidates)
        return nullptr;
    Item* found = nullptr;
    for (Item* item : *candidates) {
        if (group >= 0 && item->type() != group)
            continue;
        const QStringView serial = item->textView(Item::Serialno);
        if (!found) {
            found = item;
        } else if (serial != found->textView(Item::Serialno)) {
            reason = tr("LOCATION_UPDATE_ID_AMBIGUOUS %1 %2 %3").arg(id, found->serialno(), serial.toString());
            return nullptr;
        }
    }
    return found;
}

bool LocationUpdater::validateLocation(const LocationUpdateRecord& record, bool first, int& location,
                                       QString& reason) const
{
    // A location that is no number, or none that fits, is no location: it is never read as 0.
    const QString& text = first ? record.locationId1 : record.location2;
    bool number = false;
    location = text.toInt(&number);
    const int groups = m_collection.groups().size();
    if (number && location >= 0 && location < groups)
        return true;
    reason = (first ? tr("Move failed, location1: %1 not found, max groups: %2")
                    : tr("Move failed, location2: %1 not found, max groups: %2"))
                 .arg(text, QString::number(groups));
    return false;
}

bool LocationUpdater::readCount(const LocationUpdateRecord& record, qint64& count, QString& reason) const
{
    // A count that is no number, or one beyond any count an item can hold, is refused, not
    // read as 0.
    bool number = false;
    count = record.numberOfItems.toInt(&number);
    if (number)
        return true;
    reason = tr("LOCATION_UPDATE_COUNT_NOT_A_NUMBER %1").arg(record.numberOfItems);
    return false;
}

bool LocationUpdater::updateNumberOfItems(const LocationUpdateRecord& record, const QString& id, QString& reason)
{
    int location = 0;
    qint64 change = 0;
    if (!validateLocation(record, true, location, reason) || !readCount(record, change, reason))
        return false;
    Item* item = findItem(location, id, reason);
    if (!item) {
        if (reason.isEmpty())
            reason = tr("LOCATION_UPDATE_NOT_FOUND %1 %2").arg(id, record.locationId1);
        return false;
    }
    // The count is a change, not a new total.
    const qint64 result = qint64(item->number_of_items()) + change;
    if (result < 0) {
        reason = tr("Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)")
                     .arg(item->numberOfItemsText(), id, QString::number(change));
        return false;
    }
    if (!fitsCount(result)) {
        reason = tr("LOCATION_UPDATE_COUNT_TOO_LARGE %1 %2")
                     .arg(item->serialno(), QString::number(std::numeric_limits<int>::max()));
        return false;
    }
    qCDebug(lcLocations).noquote() << "UpdateNumberOfItems - found item, location:" << location << ", itemId:" << id
                                   << ", count:" << change << ", After update:" << result;
    item->setNumber_of_items(int(result));
    item->setDate(m_todayText);
    return true;
}

bool LocationUpdater::move(const LocationUpdateRecord& record, const QString& id, QString& reason)
{
    int from = 0;
    int to = 0;
    qint64 count = 0;
    if (!validateLocation(record, true, from, reason) || !validateLocation(record, false, to, reason)
        || !readCount(record, count, reason))
        return false;
    Item* item1 = findItem(from, id, reason);
    if (!item1) {
        if (reason.isEmpty())
            reason = tr("Move failed, ItemId: %1 - not found at location: %2").arg(id, record.locationId1);
        return false;
    }
    const qint64 rest = qint64(item1->number_of_items()) - count;
    if (rest < 0) {
        reason = tr("Move failed, to few items: %1 in record: %2 - can not subtract (%3)")
                     .arg(item1->numberOfItemsText(), id, QString::number(count));
        return false;
    }
    const auto tooLarge = [item1]() {
        return tr("LOCATION_UPDATE_COUNT_TOO_LARGE %1 %2")
            .arg(item1->serialno(), QString::number(std::numeric_limits<int>::max()));
    };
    if (!fitsCount(rest)) {
        reason = tooLarge();
        return false;
    }
    // The units go to the item of the same serial number at the target: the one that moved
    // there before, or a copy of this one.
    Item* item2 = nullptr;
    for (Item* candidate : *itemsWithId(id)) {
        if (candidate->type() == to && candidate->textView(Item::Serialno) == item1->textView(Item::Serialno)) {
            item2 = candidate;
            break;
        }
    }
    qCDebug(lcLocations).noquote() << "Move - found item1, location1:" << from << ", itemId:" << id
                                   << ", count:" << count << ", item 1 before update:" << item1->number_of_items()
                                   << ", item 1 after update:" << rest;

    // A move within one location leaves the units where they are. Taking them off and putting
    // them back on the same item must not end with the item removed as emptied.
    if (item2 == item1) {
        item1->setDate(m_todayText);
        return true;
    }
    // Everything is checked before anything changes, so a move that cannot be completed
    // leaves both items as they were.
    if (item2) {
        const qint64 total = qint64(item2->number_of_items()) + count;
        if (total < 0) {
            reason = tr("Move failed, to few items: %1 in record: %2 - can not subtract (%3)")
                         .arg(item2->numberOfItemsText(), id, QString::number(count));
            return false;
        }
        if (!fitsCount(total)) {
            reason = tooLarge();
            return false;
        }
        qCDebug(lcLocations).noquote() << "Move - found item2, location2:" << to
                                       << ", Item2 before update:" << item2->number_of_items()
                                       << ", Item2 after update:" << total;
        item2->setNumber_of_items(int(total));
        item2->setDate(m_todayText);
    } else if (!addCopy(*item1, to, int(count), false)) {
        // The units are at the target before they leave the source, so a copy that is refused
        // leaves them where they were.
        reason = tr("LOCATION_UPDATE_COPY_NEEDS_COUNT %1").arg(record.numberOfItems);
        return false;
    }
    item1->setNumber_of_items(int(rest));
    item1->setDate(m_todayText);
    if (rest == 0) {
        unindexItem(item1);
        m_removed.push_back(m_collection.removeItem(item1));
    }
    return true;
}

bool LocationUpdater::setLocation(const LocationUpdateRecord& record, const QString& id, QString& reason)
{
    int location = 0;
    if (!validateLocation(record, true, location, reason))
        return false;
    Item* item = findItem(-1, id, reason);
    if (!item) {
        if (reason.isEmpty())
            reason = tr("LOCATION_UPDATE_NOT_FOUND_ANYWHERE %1").arg(id);
        return false;
    }
    item->setType(location);
    return true;
}

bool LocationUpdater::copyToLocation(const LocationUpdateRecord& record, const QString& id, QString& reason)
{
    // The target is checked like every other location: a copy in a group the database does not
    // have would be shown nowhere in the list, and every later load would report it.
    int location = 0;
    qint64 count = 0;
    if (!validateLocation(record, true, location, reason) || !readCount(record, count, reason))
        return false;
    const Item* source = findItem(-1, id, reason);
    if (!source) {
        if (reason.isEmpty())
            reason = tr("LOCATION_UPDATE_NOT_FOUND_ANYWHERE %1").arg(id);
        return false;
    }
    if (count < 1 || !addCopy(*source, location, int(count), true)) {
        reason = tr("LOCATION_UPDATE_COPY_NEEDS_COUNT %1").arg(record.numberOfItems);
        return false;
    }
    return true;
}

Item* LocationUpdater::addCopy(const Item& source, int location, int count, bool newSerialNumber)
{
    if (count < 1)
        return nullptr;
    auto copy = std::make_unique<Item>(source);
    copy->setNumber_of_items(count);
    copy->setDate(m_todayText);
    copy->setType(location);
    if (newSerialNumber) {
        // The highest serial number is looked for once; each copy then takes the next one. A
        // move that empties an item leaves its serial number on the item the units went to, so
        // the highest stays the highest.
        if (!m_serialBase)
            m_serialBase = m_collection.highestSerialNumber();
        *m_serialBase = DBItemCollection::nextSerialNumber(*m_serialBase);
        copy->setSerialno(*m_serialBase);
    }
    Item* added = m_collection.addItem(std::move(copy));
    if (!added)
        return nullptr;
    indexItem(added);
    if (m_itemAdded)
        m_itemAdded(added);
    return added;
}
