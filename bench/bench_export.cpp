// Measures how long a large database takes to export: the whole register as the XML document
// and as the HTML table of the print settings, each written into a file as the commands do.
//
//   bench_export [items] [runs]      (100,000 items and 7 runs by default)
//
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

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

constexpr int GroupCount = 40;
constexpr int LocationCount = 25;

// A stock register with texts that need escaping and a few letters outside Latin-1, loaded the
// way the program loads a database file.
void fillCollection(DBItemCollection& collection, int count)
{
    QStringList groups;
    for (int group = 0; group < GroupCount; ++group)
        groups << QStringLiteral("Group %1 & co").arg(group, 2, 10, QLatin1Char('0'));
    collection.groups().setEntries(groups);
    QStringList locations;
    for (int location = 0; location < LocationCount; ++location)
        locations << QStringLiteral("Shelf <%1>").arg(location);
    collection.locations().setEntries(locations);

    QByteArray data = DBItemCollection::headerLine(ProgramVariant::Stockvane) + "\r\n";
    data.reserve(qsizetype(count) * 300);
    char line[1024];
    for (int index = 0; index < count; ++index) {
        const int length = std::snprintf(
            line, sizeof line,
            "%d;Article %d \"special\";Maker %d;%d.500000;%d.000000;%02d.%02d.%d;Supplier %d;%d;"
            "Stock article number %d of the register;Aisle %d;%s;%d;%d;%s;%s;%s;M-%d;%d;remark %d;A;;\r\n",
            (index * 7) % GroupCount, index, index % 97, 10 + index % 500, 5 + index % 300, 1 + index % 28,
            1 + index % 12, 1990 + index % 30, index % 31, 100000 + index, index, index % 12,
            index % 3 == 0 ? "/pictures/article.jpg" : "", 1 + index % 9, index % (LocationCount + 1),
            index % 2 == 0 ? "https://example.org/article?a=1&b=2" : "", index % 5 == 0 ? "/receipts/article.pdf" : "",
            index % 7 == 0 ? "/documents/article.pdf" : "", index % 13, index, index);
        data.append(line, length);
    }
    if (!collection.loadFromData(std::move(data)) || collection.count() != count) {
        std::fprintf(stderr, "the generated register did not load\n");
        std::exit(1);
    }
}

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
    fillCollection(collection, count);
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
