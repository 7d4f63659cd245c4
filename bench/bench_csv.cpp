// Measures how long a large database takes to go out to a spreadsheet file and to come back:
// the export (items to the bytes of the file, written to disk) and the import (the file read,
// its header recognised, every row checked, the items added to an empty database).
//
//   bench_csv [items] [runs]      (100,000 items and 7 runs by default)

#include "BenchRegister.h"
#include "CsvExport.h"
#include "CsvFields.h"
#include "CsvImport.h"
#include "DBItemCollection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The processor time of this process in milliseconds. On a machine that other work shares, the
// wall clock also counts the time others had the processor; the processor time does not.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Timing
{
    double wallMs;
    double cpuMs;
};

// The median wall and processor times of the work; prepare runs before each, outside them.
Timing medianMs(int runs, const std::function<void()>& prepare, const std::function<bool()>& work)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        if (!work()) {
            std::fprintf(stderr, "the run failed\n");
            std::exit(1);
        }
        cpu.push_back(cpuMs() - cpuStart);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return { wall[wall.size() / 2], cpu[cpu.size() / 2] };
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Stockvane);
    QCoreApplication::setApplicationName(GetVariantName());

    DBItemCollection collection;
    fillRegister(collection, count, true);
    const QStringList header = CsvFields::header({}, "dk");
    const QString path = dir.filePath(QStringLiteral("register.csv"));

    const Timing exportMs = medianMs(
        runs, [] {},
        [&] {
            std::vector<const Item*> items;
            items.reserve(collection.items().size());
            for (const auto& item : collection.items())
                items.push_back(item.get());
            const QByteArray bytes = CsvExport::write(items, collection.groups(), collection.locations(), header,
                                                      CsvStyle::forLanguage("dk"));
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        });
    const qint64 size = QFile(path).size();

    std::unique_ptr<DBItemCollection> target;
    // Where the import's time goes, summed over the runs: reading the file, checking the rows,
    // adding the items.
    double phases[3] = {};
    const Timing importMs = medianMs(
        runs,
        [&] {
            target = std::make_unique<DBItemCollection>();
            target->setDatabaseDir(QString());
            target->groups().setEntries(collection.groups().entries());
            target->locations().setEntries(collection.locations().entries());
        },
        [&] {
            QElapsedTimer phase;
            phase.start();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            const CsvImport::File csv = CsvImport::read(file.readAll());
            phases[0] += phase.nsecsElapsed() / 1e6;
            phase.restart();
            const auto mapping = CsvImport::recognise(csv, {});
            if (!mapping)
                return false;
            CsvImport::Plan plan = CsvImport::prepare(csv, *mapping, *target);
            phases[1] += phase.nsecsElapsed() / 1e6;
            phase.restart();
            const bool added = plan.problems.isEmpty() && CsvImport::apply(plan, *target, {}, nullptr) == count;
            phases[2] += phase.nsecsElapsed() / 1e6;
            return added;
        });

    std::printf("CSV of %d items, median of %d runs (wall clock / processor time):\n", count, runs);
    std::printf("  export  %8.1f ms / %8.1f ms  %6.1f MB\n", exportMs.wallMs, exportMs.cpuMs, double(size) / 1e6);
    std::printf("  import  %8.1f ms / %8.1f ms  (wall, on average: read %.1f ms, check %.1f ms, add %.1f ms)\n",
                importMs.wallMs, importMs.cpuMs, phases[0] / runs, phases[1] / runs, phases[2] / runs);
    return 0;
}
