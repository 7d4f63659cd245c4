// Measures how long the item list takes to show a large database: the group rows, one row per
// item and opening every group, as opening a database does.
//
//   bench_listview [items] [runs] [nolists]      (100,000 items and 7 runs by default)
//
// With "nolists" the groups list is empty, as for a register opened without its lists: every
// item goes under the unknown group, and the message boxes shown are counted.
//
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

#include "BenchRegister.h"
#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

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
    fillRegister(collection, count, false);
    const bool noLists = argc > 3 && qstrcmp(argv[3], "nolists") == 0;
    if (noLists)
        collection.groups().clear();
    int boxes = 0;
    MessageBoxes::setAnswerer([&boxes](const MessageBoxes::Request&) {
        ++boxes;
        return 0;
    });

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
    std::printf("list fill of %d items (%d groups), %d runs:", count, collection.groups().size(), runs);
    for (const double time : times)
        std::printf(" %.1f", time);
    std::printf(" ms\nmedian %.1f ms, best %.1f ms, %d message boxes\n", sorted[sorted.size() / 2], sorted.front(),
                boxes);

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
