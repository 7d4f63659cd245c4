// Measures the database core on a generated stock register of 100,000 items with every field
// filled: loading, saving, sorting by name, a search through the whole register without a
// hit, and the peak memory of a process that loads the register. Reading the same file into
// memory is measured beside it for scale.
//
//   bench_database [items] [runs]
//   bench_database --write <file> [items]      writes the generated register
//   bench_database --load-only <file>          loads it and prints the peak memory in kB

#include "DBItemCollection.h"
#include "ProgramVariant.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString word(QRandomGenerator& random, int length)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzæøå ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += QChar::fromLatin1(letters[random.bounded(int(sizeof letters) - 1)]);
    return text;
}

void fill(DBItemCollection& collection, int count)
{
    QRandomGenerator random(20261208);
    for (int i = 0; i < count; ++i) {
        auto item = std::make_unique<Item>();
        item->setType(random.bounded(40));
        item->setName(word(random, 18));
        item->setProduct(word(random, 10));
        item->setPrice(random.bounded(1000000) / 100.0);
        item->setPriceToday(random.bounded(1000000) / 100.0);
        item->setDate(QDate(2000, 1, 1).addDays(random.bounded(9000)).toString(u"dd.MM.yyyy"));
        item->setSupplier(word(random, 14));
        item->setSerialno(QString::number(100000 + i));
        item->setDescription(word(random, 28));
        item->setAddress(word(random, 12));
        item->setPhotolink(QStringLiteral("pictures/") + word(random, 9) + QStringLiteral(".jpg"));
        item->setNumber_of_items(random.bounded(500));
        item->setLocation(random.bounded(200));
        item->setWww(QStringLiteral("https://") + word(random, 12) + QStringLiteral(".dk"));
        item->setReceipt(QStringLiteral("receipts/") + word(random, 8) + QStringLiteral(".png"));
        item->setDocument(QStringLiteral("docs/") + word(random, 8) + QStringLiteral(".pdf"));
        item->setProductModel(word(random, 10));
        item->setExtra1(word(random, 8));
        item->setExtra2(word(random, 14));
        item->setExtra3(word(random, 6));
        item->setExtra4(QStringLiteral("https://") + word(random, 8) + QStringLiteral(".no"));
        collection.addItem(std::move(item));
    }
}

double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Stockvane);
    QCoreApplication::setApplicationName(GetVariantName());

    const QStringList args = app.arguments();
    if (args.value(1) == u"--load-only") {
        // Child process: the peak memory of loading the register, and of keeping it.
        openSettings()->setValue(Setting::LastDBDir, QFileInfo(args.value(2)).path());
        DBItemCollection collection;
        if (!collection.LoadFromAsciiFile(args.value(2)))
            return 1;
        std::printf("%ld %d\n", peakKilobytes(), collection.count());
        return 0;
    }

    if (args.value(1) == u"--write") {
        // Writes the generated register for use elsewhere (profiling, trying the program).
        openSettings()->setValue(Setting::LastDBDir, QFileInfo(args.value(2)).path());
        DBItemCollection generated;
        fill(generated, args.size() > 3 ? args.value(3).toInt() : 100000);
        return generated.SaveToFileAsAscii(args.value(2)) ? 0 : 1;
    }

    const int count = args.size() > 1 ? args.value(1).toInt() : 100000;
    const int runs = args.size() > 2 ? args.value(2).toInt() : 7;

    QTemporaryDir dir;
    openSettings()->setValue(Setting::LastDBDir, dir.path());
    const QString path = dir.filePath(QStringLiteral("stock.db"));
    {
        DBItemCollection generated;
        fill(generated, count);
        if (!generated.SaveToFileAsAscii(path))
            return 1;
    }
    const qint64 size = QFileInfo(path).size();
    std::printf("register: %d items, %.1f MB, median of %d runs\n", count, size / 1e6, runs);

    const double readMs = medianMs(runs, [] {}, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        volatile qsizetype bytes = file.readAll().size();
        (void)bytes;
    });

    std::unique_ptr<DBItemCollection> collection;
    const double loadMs = medianMs(runs, [&] {
        collection.reset();
        collection = std::make_unique<DBItemCollection>();
    }, [&] { collection->LoadFromAsciiFile(path); });

    const QString savePath = dir.filePath(QStringLiteral("saved.db"));
    const double saveMs = medianMs(runs, [] {}, [&] { collection->SaveToFileAsAscii(savePath); });

    const double sortMs = medianMs(runs, [&] { collection->sort(0); }, [&] { collection->sort(1); });

    bool found = false;
    const double findMs = medianMs(runs, [] {}, [&] {
        collection->findNext(1, QStringLiteral("no such name"), false, found);
    });
    const double findPriceMs = medianMs(runs, [] {}, [&] {
        collection->findNext(4, QStringLiteral("123456789"), false, found);
    });
    collection.reset();

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load-only"), path});
    child.waitForFinished(120000);
    const QList<QByteArray> childOut = child.readAllStandardOutput().trimmed().split(' ');

    std::printf("%-40s %9.1f ms\n", "read the file into memory", readMs);
    std::printf("%-40s %9.1f ms\n", "LoadFromAsciiFile", loadMs);
    std::printf("%-40s %9.1f ms\n", "SaveToFileAsAscii", saveMs);
    std::printf("%-40s %9.1f ms\n", "sort by name", sortMs);
    std::printf("%-40s %9.1f ms\n", "findNext by name, no hit", findMs);
    std::printf("%-40s %9.1f ms\n", "findNext by price, no hit", findPriceMs);
    std::printf("%-40s %9.1f MB\n", "peak memory of a process that loads it", childOut.value(0).toLong() / 1024.0);
    return 0;
}
