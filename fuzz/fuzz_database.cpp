// Feeds arbitrary bytes to the database loader, as a file from outside would. Whatever it
// loads must also survive a save: written back and loaded again, every item comes back with
// the same numbers and texts.
//
// Everything that does not depend on the input is made once, before the first input: the two
// collections (whose constructor reads the settings and the lookup lists) and the reporter.
// An input only loads from memory and saves into memory; it never touches the disk or the
// settings. Both collections are emptied before the input returns, so that every input frees
// what it allocated: the fuzzer then sees no leak to hunt and runs each input once.

#include "DBItemCollection.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <cstdlib>

namespace {

QuietReporter* g_reporter = nullptr;
DBItemCollection* g_collection = nullptr;
DBItemCollection* g_reloaded = nullptr;
QByteArray* g_saved = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_reporter = new QuietReporter;
    // No log; the lookup lists are read here once and play no part in loading or saving.
    g_collection = new DBItemCollection(nullptr, g_reporter);
    g_reloaded = new DBItemCollection(nullptr, g_reporter);
    g_saved = new QByteArray;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The length picks the product, so that every product's tag check is reached.
    static const ProgramVariant variants[] = {ProgramVariant::Domvara, ProgramVariant::Stockvane,
                                              ProgramVariant::Mintora, ProgramVariant::Pictova};
    SetProgramVariant(variants[size % 4]);

    DBItemCollection& collection = *g_collection;
    DBItemCollection& reloaded = *g_reloaded;
    collection.loadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    checkSurvivesSave(collection, reloaded, *g_saved);

    collection.clear();
    reloaded.clear();
    g_saved->clear();
    return 0;
}
