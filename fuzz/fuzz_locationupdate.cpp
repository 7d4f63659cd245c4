// Feeds arbitrary bytes to the location update reader, as a file from a scanner would, and
// applies what it read to a small stock database. No item may end with fewer than no units, no
// record may keep an id marked with "#", every failed line has a reason, and every item is
// either still held, taken out by a move, or new.
//
// The collection, its items and the logging rules are made once, before the first input; an
// input starts from copies of those items and never touches the disk or the settings. The
// collection is emptied before the input returns, so that every input frees what it allocated
// and the fuzzer runs it only once.

#include "DBItemCollection.h"
#include "LocationUpdateFile.h"

#include <QBuffer>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

namespace {

DBItemCollection* g_collection = nullptr;
QStringList* g_groups = nullptr;
std::vector<Item>* g_stock = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("hestiva.locations.debug=false"));
    // The date of today is asked for every input; with the time zone named here the C library
    // does not look at the zone file each time.
    qputenv("TZ", "UTC0");
    // Lists are not read: the settings point nowhere.
    g_collection = new DBItemCollection;
    g_groups = new QStringList{QStringLiteral("Store"), QStringLiteral("Shelf A"), QStringLiteral("Shelf B"),
                               QStringLiteral("Van")};
    const struct
    {
        int type;
        const char* serial;
        int count;
    } stock[] = { { 0, "4711", 5 }, { 1, "4711", 1 }, { 2, "12", 0 }, { 3, "2147483647", 2147483647 }, { 7, "3", 3 } };
    g_stock = new std::vector<Item>;
    for (const auto& entry : stock) {
        Item& item = g_stock->emplace_back();
        item.setType(entry.type);
        item.setSerialno(QString::fromLatin1(entry.serial));
        item.setNumber_of_items(entry.count);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DBItemCollection& collection = *g_collection;
    collection.groups().setEntries(*g_groups);
    for (const Item& item : *g_stock)
        collection.addItem(std::make_unique<Item>(item));
    const int before = collection.count();

    QBuffer input;
    input.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    input.open(QIODevice::ReadOnly);
    const LocationUpdateFile file = readLocationUpdates(input);
    for (const LocationUpdateRecord& record : file.records) {
        if (record.inventoryId.contains(u'#') || record.inventoryId.isEmpty() || record.locationId1.isEmpty())
            std::abort();
        if (record.source.number < 1 || record.source.text.isEmpty())
            std::abort();
        if (const std::optional<QString> id = normalisedInventoryId(record.inventoryId)) {
            // Only leading zeros go: what is left ends as the id did.
            if (id->isEmpty() || (id->size() > 1 && id->startsWith(u'0')) || !record.inventoryId.endsWith(*id))
                std::abort();
        }
    }

    int added = 0;
    {
        LocationUpdater updater(collection, [&added](Item*) { ++added; });
        const int done = updater.applyAll(file.records);
        if (done != updater.succeeded() || done + updater.failed() != int(file.records.size()))
            std::abort();
        // Every line that failed is told, with a reason.
        for (const LocationUpdateFailure& failure : updater.failures()) {
            if (failure.reason.isEmpty() || locationUpdateFailureText(failure).isEmpty())
                std::abort();
        }
        if (collection.count() + int(updater.removedItems().size()) != before + added)
            std::abort();
        for (const auto& item : collection.items()) {
            if (item->number_of_items() < 0)
                std::abort();
        }
    }
    collection.clear();
    return 0;
}
