#pragma once

// What the database and spreadsheet targets share: a reporter that shows nothing, and the check
// that a collection survives a save: written into memory and loaded again, every item comes
// back with the same numbers and texts.

#include "DBItemCollection.h"
#include "UiReporter.h"

#include <QBuffer>

#include <cstdlib>

class QuietReporter final : public UiReporter
{
public:
    void critical(const QString&, const QString&) override {}
    void warning(const QString&, const QString&) override {}
    void beginBusy() override {}
    void endBusy() override {}
};

// Aborts (a finding) when the collection does not come back as it was; saved is scratch space.
inline void checkSurvivesSave(DBItemCollection& collection, DBItemCollection& reloaded, QByteArray& saved)
{
    {
        QBuffer buffer(&saved);
        buffer.open(QIODevice::WriteOnly | QIODevice::Truncate);
        if (!collection.writeDatabase(buffer))
            std::abort();
    }
    if (!reloaded.loadFromData(saved) || reloaded.count() != collection.count())
        std::abort();
    for (int i = 0; i < collection.count(); ++i) {
        const Item& a = *collection.at(i);
        const Item& b = *reloaded.at(i);
        for (int f = 0; f < Item::Extra1; ++f) {
            if (a.textView(Item::TextField(f)) != b.textView(Item::TextField(f)))
                std::abort();
        }
        if (a.type() != b.type() || a.number_of_items() != b.number_of_items() || a.location() != b.location())
            std::abort();
    }
}
