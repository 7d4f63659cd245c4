// Feeds arbitrary bytes to the spreadsheet import, as a file from outside would. The records
// read must survive being written and read again unchanged, every row must end up either
// among the items or among the problems, and whatever is added must survive a save of the
// database: written and loaded again, every item comes back with the same numbers and texts.
//
// As in the other targets, everything that does not depend on the input is made once, before
// the first input; an input never touches the disk or the settings, and the collections are
// emptied (and their lists put back) before it returns.

#include "CsvImport.h"
#include "CsvWriter.h"
#include "DBItemCollection.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

QuietReporter* g_reporter = nullptr;
DBItemCollection* g_collection = nullptr;
DBItemCollection* g_reloaded = nullptr;
QByteArray* g_saved = nullptr;
const QStringList Groups{ QStringLiteral("Stue"), QStringLiteral("K\u00f8kken") };
const QStringList Locations{ QStringLiteral("Hus") };

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_reporter = new QuietReporter;
    g_collection = new DBItemCollection(nullptr, g_reporter);
    g_reloaded = new DBItemCollection(nullptr, g_reporter);
    // Lists added to stay in memory: a collection without a folder writes no list files.
    g_collection->setDatabaseDir(QString());
    g_collection->groups().setEntries(Groups);
    g_collection->locations().setEntries(Locations);
    g_saved = new QByteArray;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ProgramVariant variants[]
        = { ProgramVariant::Domvara, ProgramVariant::Stockvane, ProgramVariant::Mintora, ProgramVariant::Pictova };
    SetProgramVariant(variants[size % 4]);

    const CsvImport::File file = CsvImport::read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    // Written and read again, the records are the same.
    CsvWriter writer(file.delimiter);
    for (const Csv::Record& record : file.records) {
        for (const QString& field : record.fields)
            writer.addField(field);
        writer.endRecord();
    }
    const QString written = writer.text();
    const QList<Csv::Record> again = Csv::parse(written, file.delimiter, true);
    if (again.size() != file.records.size())
        std::abort();
    for (qsizetype r = 0; r < again.size(); ++r) {
        if (again[r].fields != file.records[r].fields || again[r].unclosedQuote)
            std::abort();
    }

    // A mapping as a file would get one; with no field named, columns fill fields in turn.
    CsvImport::Mapping mapping = CsvImport::guess(file, {});
    if (std::none_of(mapping.fields.begin(), mapping.fields.end(), [](int f) { return f >= 0; })) {
        for (qsizetype column = 0; column < mapping.fields.size(); ++column)
            mapping.fields[column] = int((column + size) % 21);
        mapping.hasHeader = size % 3 == 0;
    }
    DBItemCollection& collection = *g_collection;
    CsvImport::Plan plan = CsvImport::prepare(file, mapping, collection);
    if (qsizetype(plan.items.size()) + plan.problems.size() > file.records.size())
        std::abort();
    for (const CsvImport::Problem& problem : plan.problems) {
        if (problem.line < 1 || problem.reason.isEmpty())
            std::abort();
    }
    const qsizetype items = qsizetype(plan.items.size());
    CsvImport::Resolution resolution;
    resolution.addGroups = size % 2 == 0;
    resolution.group = 1;
    resolution.addLocations = size % 5 != 0;
    // Only lists that cannot take all the new names stop an import, and then nothing is added.
    const int added = CsvImport::apply(plan, collection, resolution, nullptr);
    if (added != (added < 0 ? -1 : items) || collection.count() != std::max(added, 0))
        std::abort();
    for (const auto& item : collection.items()) {
        if (item->type() < 0 || item->type() >= collection.groups().size() || item->location() < 0
            || item->location() >= collection.locations().size())
            std::abort();
    }

    DBItemCollection& reloaded = *g_reloaded;
    checkSurvivesSave(collection, reloaded, *g_saved);

    collection.clear();
    reloaded.clear();
    collection.groups().setEntries(Groups);
    collection.locations().setEntries(Locations);
    g_saved->clear();
    return 0;
}
