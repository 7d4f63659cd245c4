// Measures the report for the insurer of a register whose every item has a 12-megapixel photo:
// how long reading the photos and writing the PDF file take, and how large the file becomes.
// The report must stay within 10 s and 20 MB for 200 items; the program ends with status 1 when
// it does not.
//
//   bench_insurerreport [items] [distinct photos] [receipts] [copy of the PDF]
//
// By default 200 items, 12 distinct photos, a photographed receipt with every third item
// (receipts 3; 0 gives none) and no copy of the PDF file.
//
// The photos are generated: fine detail at every scale with sensor noise on top, so that they
// compress about as badly as camera photos do. Every item has a file of its own (copies of the
// distinct photos); receipts are 12-megapixel photos too.
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

#include "DBItemCollection.h"
#include "InsurerReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace {

constexpr int PhotoWidth = 4000;
constexpr int PhotoHeight = 3000;
constexpr qint64 MaxBytes = 20LL * 1024 * 1024;
constexpr double MaxSeconds = 10.0;

// Smooth random detail: value noise summed over octaves, each half as strong as the one
// coarser, as in natural scenes.
QImage detail(int width, int height, std::mt19937& random)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<float> channels(size_t(width) * height * 3, 0.0f);
    float weight = 1.0f;
    for (int cells = 3; cells <= 192; cells *= 2, weight *= 0.8f) {
        const int gw = cells + 1;
        const int gh = cells * height / width + 2;
        std::vector<float> grid(size_t(gw) * gh * 3);
        for (float& value : grid)
            value = unit(random);
        const float scale = float(cells) / width;
        for (int y = 0; y < height; ++y) {
            const float gy = y * scale;
            const int y0 = int(gy);
            const float fy = gy - y0;
            for (int x = 0; x < width; ++x) {
                const float gx = x * scale;
                const int x0 = int(gx);
                const float fx = gx - x0;
                for (int c = 0; c < 3; ++c) {
                    auto at = [&](int gxi, int gyi) { return grid[(size_t(gyi) * gw + gxi) * 3 + c]; };
                    const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
                    const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
                    channels[(size_t(y) * width + x) * 3 + c] += weight * (top + (bottom - top) * fy);
                }
            }
        }
    }
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float* pixel = &channels[(size_t(y) * width + x) * 3];
            auto level = [](float value) { return std::clamp(int(value * 75.0f), 0, 255); };
            line[x] = qRgb(level(pixel[0]), level(pixel[1]), level(pixel[2]));
        }
    }
    return image;
}

// A 12-megapixel photo: detail, a few hard-edged things in front, and sensor noise.
QImage photo(int seed)
{
    std::mt19937 random(seed);
    QImage small = detail(PhotoWidth / 4, PhotoHeight / 4, random);
    {
        QPainter painter(&small);
        painter.setRenderHint(QPainter::Antialiasing);
        std::uniform_int_distribution<int> coordinate(0, PhotoWidth / 4);
        std::uniform_int_distribution<int> colour(0, 255);
        for (int shape = 0; shape < 12; ++shape) {
            painter.setBrush(QColor(colour(random), colour(random), colour(random)));
            painter.drawEllipse(coordinate(random), coordinate(random) * 3 / 4, 40 + coordinate(random) / 5,
                                40 + coordinate(random) / 5);
        }
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 30));
        painter.drawText(60, 120, QStringLiteral("Item %1").arg(seed));
    }
    QImage image = small.scaled(PhotoWidth, PhotoHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    std::uniform_int_distribution<int> noise(-7, 7);
    for (int y = 0; y < PhotoHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < PhotoWidth; ++x) {
            const int n = noise(random);
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int distinct = argc > 2 ? std::max(1, std::atoi(argv[2])) : 12;
    const int receiptEvery = argc > 3 ? std::max(0, std::atoi(argv[3])) : 3;

    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Domvara);
    QCoreApplication::setApplicationName(GetVariantName());

    std::printf("generating %d photos of %dx%d...\n", distinct, PhotoWidth, PhotoHeight);
    std::fflush(stdout);
    QDir folder(dir.path());
    folder.mkdir(QStringLiteral("pictures"));
    qint64 photoBytes = 0;
    for (int index = 0; index < distinct; ++index) {
        const QString path = folder.filePath(QStringLiteral("pictures/source%1.jpg").arg(index));
        if (!photo(index + 1).save(path, "JPEG", 92)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        photoBytes += QFileInfo(path).size();
    }

    DBItemCollection collection;
    collection.setDatabaseDir(dir.path());
    QStringList groups;
    for (int group = 0; group < 10; ++group)
        groups.append(QStringLiteral("Group %1").arg(group));
    collection.groups().setEntries(groups);
    for (int index = 0; index < count; ++index) {
        // Each item's photo is a file of its own, linked relative to the database's folder.
        const QString link = QStringLiteral("pictures/photo%1.jpg").arg(index);
        QFile::copy(folder.filePath(QStringLiteral("pictures/source%1.jpg").arg(index % distinct)),
                    folder.filePath(link));
        auto item = std::make_unique<Item>();
        item->setType(index % 10);
        item->setName(QStringLiteral("Item %1").arg(index));
        item->setProduct(QStringLiteral("Maker %1").arg(index % 17));
        item->setSerialno(QStringLiteral("SN-%1").arg(100000 + index));
        item->setNumber_of_items(1 + index % 3);
        item->setPrice(100.0 + index);
        item->setPriceToday(50.0 + index);
        item->setDate(QStringLiteral("24.12.2019"));
        item->setPhotolink(link);
        if (receiptEvery > 0 && index % receiptEvery == 0) {
            const QString receipt = QStringLiteral("pictures/receipt%1.jpg").arg(index);
            QFile::copy(folder.filePath(QStringLiteral("pictures/source%1.jpg").arg((index + 1) % distinct)),
                        folder.filePath(receipt));
            item->setReceipt(receipt);
        }
        collection.addItem(std::move(item));
    }
    std::vector<const Item*> items;
    for (const auto& item : collection.items())
        items.push_back(item.get());

    const QString pdf = folder.filePath(QStringLiteral("insurer.pdf"));
    QElapsedTimer timer;
    timer.start();
    // The processor time of all threads, beside the time on the clock: on a machine busy with
    // other work the clock runs on while the report waits for a processor.
    const std::clock_t cpuStart = std::clock();
    InsurerReport report(collection, items, QStringLiteral("bench.db"), InsurerReport::listCaptions(),
                         { QStringLiteral("Owner"), QStringLiteral("Street 1\nTown") });
    report.loadPictures();
    const double readMs = double(timer.nsecsElapsed()) / 1e6;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    int pages = 0;
    if (!report.render(printer, &pages)) {
        std::fprintf(stderr, "the report could not be written\n");
        return 1;
    }
    const double totalMs = double(timer.nsecsElapsed()) / 1e6;
    const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
    const qint64 size = QFileInfo(pdf).size();

    std::printf("%d items, %d with a receipt picture; source photos %.1f MB each on average; %d threads\n", count,
                receiptEvery > 0 ? (count + receiptEvery - 1) / receiptEvery : 0, double(photoBytes) / distinct / 1e6,
                QThread::idealThreadCount());
    std::printf("reading the pictures: %8.0f ms\n", readMs);
    std::printf("writing the PDF:      %8.0f ms\n", totalMs - readMs);
    std::printf("report in all:        %8.0f ms  (at most %.0f s)\n", totalMs, MaxSeconds);
    std::printf("processor time:       %8.0f ms  (all threads together)\n", cpuMs);
    std::printf("PDF file:             %8.2f MB, %d pages  (at most %lld MB)\n", double(size) / (1024.0 * 1024.0),
                pages, MaxBytes / (1024 * 1024));
    if (argc > 4)
        QFile::copy(pdf, QString::fromLocal8Bit(argv[4]));
    const bool within = size <= MaxBytes && totalMs <= MaxSeconds * 1000.0;
    std::printf("%s\n", within ? "within the limits" : "OVER THE LIMITS");
    return within ? 0 : 1;
}
