// Measures how long the item list takes to show a large database: the group rows, one row per
// item and opening every group, as opening a database does.
//
//   bench_listview [items] [runs]      (100,000 items and 7 runs by default)
//
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

#include "DBItemCollection.h"
#include "ItemListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int GroupCount = 40;
constexpr int LocationCount = 25;

// A stock register as its database file would hold it: loading it is how the items reach the
// collection in the program, and much quicker than adding them one by one.
void fillCollection(DBItemCollection& collection, int count)
{
    QStringList groups;
    for (int group = 0; group < GroupCount; ++group)
        groups << QStringLiteral("Group %1").arg(group, 2, 10, QLatin1Char('0'));
    collection.groups().setEntries(groups);
    QStringList locations;
    for (int location = 0; location < LocationCount; ++location)
        locations << QStringLiteral("Shelf %1").arg(location);
    collection.locations().setEntries(locations);

    QByteArray data = DBItemCollection::headerLine(ProgramVariant::Stockvane) + "\r\n";
    data.reserve(qsizetype(count) * 300);
    char line[1024];
    for (int index = 0; index < count; ++index) {
        // type name product price priceToday date supplier serialno description address photolink
        // number_of_items location www receipt document productModel extra1..extra4
        const int length = std::snprintf(
            line, sizeof line,
            "%d;Article %d;Maker %d;%d.000000;%d.000000;%02d.%02d.%d;Supplier %d;%d;"
            "Stock article number %d of the register;Aisle %d;%s;%d;%d;%s;%s;%s;M-%d;%d;remark %d;A;;\r\n",
            index % GroupCount, index, index % 97, 10 + index % 500, 5 + index % 300, 1 + index % 28, 1 + index % 12,
            1990 + index % 30, index % 31, 100000 + index, index, index % 12,
            index % 3 == 0 ? "/pictures/article.jpg" : "", 1 + index % 9,
            index % (LocationCount + 1), // one in 26 has no valid location
            index % 2 == 0 ? "https://example.org/article" : "", index % 5 == 0 ? "/receipts/article.pdf" : "",
            index % 7 == 0 ? "/documents/article.pdf" : "", index % 13, index, index);
        data.append(line, length);
    }
    if (!collection.loadFromData(std::move(data)) || collection.count() != count) {
        std::fprintf(stderr, "the generated register did not load\n");
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    // Settings in a folder of their own, so that the user's column widths play no part.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Stockvane);
    QCoreApplication::setApplicationName(GetVariantName());

    DBItemCollection collection;
    fillCollection(collection, count);

    ItemListView list(nullptr);
    list.show();
    QCoreApplication::processEvents();

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        list.clearRows();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        list.createGroupRows(&collection);
        list.fillItemRows(&collection);
        list.ViewAll(true);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        // The first paint after filling, which the user waits for as well, outside the figure.
        QCoreApplication::processEvents();
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("list fill of %d items (%d groups), %d runs:", count, GroupCount, runs);
    for (const double time : times)
        std::printf(" %.1f", time);
    std::printf(" ms\nmedian %.1f ms, best %.1f ms\n", sorted[sorted.size() / 2], sorted.front());

    // What the user waits for after that: a click on the name and on the date header, and
    // emptying the list before another database is opened.
    QElapsedTimer timer;
    timer.start();
    list.sortByColumn(1, Qt::AscendingOrder);
    const double byName = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    list.sortByColumn(9, Qt::AscendingOrder);
    const double byDate = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    list.clearRows();
    const double clearing = double(timer.nsecsElapsed()) / 1e6;
    std::printf("sort by name %.1f ms, by date %.1f ms, clearing %.1f ms\n", byName, byDate, clearing);
    return 0;
}
