// Measures stepping through items with camera photos in the item dialog, opened on its picture
// page as the list's picture viewer opens it: the time from the click on Next to the repainted
// picture, per step.
//
//   bench_pictures [items] [width] [height] [runs] [pause]
//
// 12 photos of 4000 x 3000, 3 runs and no pause by default. With a pause (in milliseconds) the
// program waits that long between the steps, handling events, as a person looks at each photo
// before clicking on; the dialog meanwhile reads the next photo ahead.
//
// The photos are made here as JPEG files of the given size, with enough detail that they are
// about as large as a camera's. Each run opens a new dialog, so that nothing read in one run
// helps the next. For comparison the time to decode one photo whole is given as well.
//
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

#include "DBItemCollection.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "PictureCache.h"
#include "ProgramVariant.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// A photo-like picture: soft colour gradients with fine grain and some shapes over them.
QImage makePhoto(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 120, 220));
    gradient.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 200, 90));
    QPainter painter(&image);
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(int(random.bounded(360)), 150, 200, 160));
        painter.setPen(Qt::NoPen);
        const int size = int(random.bounded(width / 4)) + 20;
        painter.drawEllipse(int(random.bounded(width)), int(random.bounded(height)), size, size);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24)) - 12;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + grain, 0, 255), std::clamp(qGreen(pixel) + grain, 0, 255),
                           std::clamp(qBlue(pixel) + grain, 0, 255));
        }
    }
    return image;
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(2, std::atoi(argv[1])) : 12;
    const int width = argc > 2 ? std::max(16, std::atoi(argv[2])) : 4000;
    const int height = argc > 3 ? std::max(16, std::atoi(argv[3])) : 3000;
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    const int pause = argc > 5 ? std::max(0, std::atoi(argv[5])) : 0;

    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Domvara);
    QCoreApplication::setApplicationName(GetVariantName());

    QTemporaryDir photos;
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Photos") });
    collection.locations().setEntries({ QStringLiteral("Home") });
    qint64 bytes = 0;
    for (int i = 0; i < count; ++i) {
        const QString path = photos.filePath(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
        if (!makePhoto(width, height, quint32(i + 1)).save(path, "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        bytes += QFileInfo(path).size();
        auto item = std::make_unique<Item>();
        item->setName(QStringLiteral("Photo %1").arg(i));
        item->setNumber_of_items(1);
        item->setPhotolink(path);
        collection.addItem(std::move(item));
    }
    std::printf("%d photos of %d x %d (%.1f megapixels), %.1f MB each on average\n", count, width, height,
                width * double(height) / 1e6, double(bytes) / count / 1e6);

    const QString first = collection.items().front()->photolink();
    QElapsedTimer whole;
    whole.start();
    const QImage full = QImageReader(first).read();
    std::printf("decoding one photo whole: %.1f ms (%s)\n", double(whole.nsecsElapsed()) / 1e6,
                full.isNull() ? "failed" : "read");
    QImageReader scaledReader(first);
    scaledReader.setScaledSize(QSize(width / 10, height / 10));
    whole.restart();
    const double decodeStart = threadCpuMs();
    const QImage scaled = scaledReader.read();
    std::printf("decoding one photo at a tenth of its size: %.1f ms, processor %.1f ms (%d x %d)\n",
                double(whole.nsecsElapsed()) / 1e6, threadCpuMs() - decodeStart, scaled.width(), scaled.height());

    ItemListView list(nullptr);
    list.createGroupRows(&collection);
    list.fillItemRows(&collection);

    // Besides the time on the clock, the processor time of this thread: on a machine shared with
    // other work the clock counts their turns as well.
    std::vector<double> steps;
    std::vector<double> cpuSteps;
    int decodes = 0;
    for (int run = 0; run < runs; ++run) {
        ItemDialog dialog(&collection, &list, collection.items().front().get(), QStringLiteral("PICTURE"), false,
                          nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        auto* next = dialog.findChild<QPushButton*>(QStringLiteral("NextPushButton"));
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("pixmapPictureLabel"));
        if (run == 0)
            std::printf("picture label %d x %d, dialog %d x %d\n", label->width(), label->height(), dialog.width(),
                        dialog.height());
        const int decodedBefore = PictureCache::decodeCount();
        for (int step = 1; step < count; ++step) {
            if (pause > 0) {
                QElapsedTimer looking;
                looking.start();
                while (looking.elapsed() < pause)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            }
            QElapsedTimer timer;
            const double cpuStart = threadCpuMs();
            timer.start();
            next->click();
            QCoreApplication::processEvents();
            label->repaint();
            steps.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (qEnvironmentVariableIsSet("BENCH_STEPS"))
                std::printf("step %d: %.1f ms\n", step, steps.back());
            cpuSteps.push_back(threadCpuMs() - cpuStart);
            if (label->pixmap().isNull()) {
                std::fprintf(stderr, "step %d shows no picture\n", step);
                return 1;
            }
        }
        decodes += PictureCache::decodeCount() - decodedBefore;
    }
    std::printf("Next to repainted picture, %zu steps in %d runs, %d ms between steps: median %.1f ms, worst %.1f ms, "
                "best %.1f ms\n",
                steps.size(), runs, pause, median(steps), *std::max_element(steps.begin(), steps.end()),
                *std::min_element(steps.begin(), steps.end()));
    std::printf("processor time of the same steps: median %.1f ms, worst %.1f ms\n", median(cpuSteps),
                *std::max_element(cpuSteps.begin(), cpuSteps.end()));
    std::printf("pictures read during the steps (reading ahead included): %d for %zu steps\n", decodes, steps.size());
    return 0;
}
