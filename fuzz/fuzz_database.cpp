// Feeds arbitrary bytes to the database loader, as a file from outside would. Whatever it
// loads must also survive a save: written back and loaded again, every item comes back with
// the same numbers and texts.

#include "DBItemCollection.h"
#include "UiReporter.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

class QuietReporter final : public UiReporter
{
public:
    void critical(const QString&, const QString&) override {}
    void warning(const QString&, const QString&) override {}
    void beginBusy() override {}
    void endBusy() override {}
};

bool sameStoredTexts(const Item& a, const Item& b)
{
    for (int f = 0; f < Item::Extra1; ++f) {
        if (a.textView(Item::TextField(f)) != b.textView(Item::TextField(f)))
            return false;
    }
    return a.type() == b.type() && a.number_of_items() == b.number_of_items() && a.location() == b.location();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QuietReporter reporter;
    // Lists are not read: the settings point nowhere.
    static DBItemCollection collection(nullptr, &reporter);
    static DBItemCollection reloaded(nullptr, &reporter);

    // The length picks the product, so that every product's tag check is reached.
    static const ProgramVariant variants[] = {ProgramVariant::Domvara, ProgramVariant::Stockvane,
                                              ProgramVariant::Mintora, ProgramVariant::Pictova};
    SetProgramVariant(variants[size % 4]);

    collection.clear();
    collection.loadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!collection.writeDatabase(buffer))
        std::abort();
    reloaded.clear();
    if (!reloaded.loadFromData(buffer.data()) || reloaded.count() != collection.count())
        std::abort();
    for (int i = 0; i < collection.count(); ++i) {
        if (!sameStoredTexts(*collection.at(i), *reloaded.at(i)))
            std::abort();
    }
    return 0;
}
