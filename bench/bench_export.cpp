// Measures how long a large database takes to export: the whole register as the XML document
// and as the HTML table of the print settings, each written into a file as the commands do.
//
//   bench_export [items] [runs]      (100,000 items and 7 runs by default)
//
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

#include "BenchRegister.h"
#include "DBItemCollection.h"
#include "HtmlExport.h"
#include "PrintSettings.h"
#include "XmlExport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {
// The median time of the work in milliseconds; prepare runs before each, outside the figure.
double medianMs(int runs, const std::function<void()>& prepare, const std::function<bool()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!work()) {
            std::fprintf(stderr, "the export failed\n");
            std::exit(1);
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    // Settings in a folder of their own: the table shows the default columns plus the number,
    // the count, the picture and the location.
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Stockvane);
    QCoreApplication::setApplicationName(GetVariantName());
    PrintSettings settings;
    settings.printItemCount = true;
    settings.printCountField = true;
    settings.printPictureField = true;
    settings.printLocationField = true;
    settings.write();

    DBItemCollection collection;
    fillRegister(collection, count, true);
    // Each run starts from an order that is not by group, as after sorting the list by name.
    const auto shuffle = [&collection] { collection.sort(1); };

    const QString xmlPath = dir.filePath(QStringLiteral("allDBItemsAsXml.xml"));
    const double xmlMs = medianMs(runs, shuffle, [&] { return saveAsXml(collection, xmlPath); });
    const QString htmlPath = dir.filePath(QStringLiteral("DbIemTable.htm"));
    const double tableMs
        = medianMs(runs, shuffle, [&] { return saveAsHtml(collection, htmlPath, false, nullptr, false, true); });
    const QString listPath = dir.filePath(QStringLiteral("DbItemAll.htm"));
    const double listMs
        = medianMs(runs, shuffle, [&] { return saveAsHtml(collection, listPath, true, nullptr, false, false); });

    std::printf("export of %d items, median of %d runs:\n", count, runs);
    std::printf("  XML document  %8.1f ms  %6.1f MB\n", xmlMs, QFileInfo(xmlPath).size() / 1e6);
    std::printf("  HTML table    %8.1f ms  %6.1f MB\n", tableMs, QFileInfo(htmlPath).size() / 1e6);
    std::printf("  HTML list     %8.1f ms  %6.1f MB\n", listMs, QFileInfo(listPath).size() / 1e6);
    return 0;
}
