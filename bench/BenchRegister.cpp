#include "BenchRegister.h"

#include "DBItemCollection.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int GroupCount = 40;
constexpr int LocationCount = 25;
} // namespace

void fillRegister(DBItemCollection& collection, int count, bool withMarkup)
{
    QStringList groups;
    for (int group = 0; group < GroupCount; ++group)
        groups << QStringLiteral("Group %1%2").arg(group, 2, 10, QLatin1Char('0')).arg(withMarkup ? QStringLiteral(" & co") : QString());
    collection.groups().setEntries(groups);
    QStringList locations;
    for (int location = 0; location < LocationCount; ++location)
        locations << (withMarkup ? QStringLiteral("Shelf <%1>") : QStringLiteral("Shelf %1")).arg(location);
    collection.locations().setEntries(locations);

    QByteArray data = DBItemCollection::headerLine(ProgramVariant::Stockvane) + "\r\n";
    data.reserve(qsizetype(count) * 300);
    char line[1024];
    for (int index = 0; index < count; ++index) {
        // type name product price priceToday date supplier serialno description address photolink
        // number_of_items location www receipt document productModel extra1..extra4
        const int length = std::snprintf(
            line, sizeof line,
            "%d;Article %d%s;Maker %d;%d.500000;%d.000000;%02d.%02d.%d;Supplier %d;%d;"
            "Stock article number %d of the register;Aisle %d;%s;%d;%d;%s;%s;%s;M-%d;%d;remark %d;A;;\r\n",
            (index * 7) % GroupCount, index, withMarkup ? " \"special\"" : "", index % 97, 10 + index % 500,
            5 + index % 300, 1 + index % 28, 1 + index % 12, 1990 + index % 30, index % 31, 100000 + index, index,
            index % 12, index % 3 == 0 ? "/pictures/article.jpg" : "", 1 + index % 9, index % (LocationCount + 1),
            index % 2 == 0 ? (withMarkup ? "https://example.org/article?a=1&b=2" : "https://example.org/article") : "",
            index % 5 == 0 ? "/receipts/article.pdf" : "", index % 7 == 0 ? "/documents/article.pdf" : "", index % 13,
            index, index);
        data.append(line, length);
    }
    if (!collection.loadFromData(std::move(data)) || collection.count() != count) {
        std::fprintf(stderr, "the generated register did not load\n");
        std::exit(1);
    }
}
