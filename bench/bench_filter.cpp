// Measures the quick filter above the item list: from a key press in the filter box to the
// filtered list painted, with every group open, as the user sees it. There is no delay before
// filtering, so none is added to the figure.
//
//   bench_filter [items] [runs]      (100,000 items and 5 runs by default)
//
// Each run types a word letter by letter, then a word that matches nothing, then clears the
// box; every key press is one figure. The folded row texts the filter searches are made in idle
// time once the list is filled; the bench waits for that and reports it apart.
//
// Runs without a desktop (the offscreen platform) unless QT_QPA_PLATFORM says otherwise.

#include "BenchRegister.h"
#include "DBItemCollection.h"
#include "ItemListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(ProgramVariant::Stockvane);
    QCoreApplication::setApplicationName(GetVariantName());

    DBItemCollection collection;
    fillRegister(collection, count, false);

    // The box above the list, connected as the main window connects it.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QLineEdit(&window);
    auto* list = new ItemListView(&window);
    layout->addWidget(box);
    layout->addWidget(list);
    QObject::connect(box, &QLineEdit::textChanged, list, &ItemListView::setFilterText);
    int shown = 0;
    QObject::connect(list, &ItemListView::filterApplied, list, [&shown](int visible, int) { shown = visible; });
    window.resize(1200, 800);
    window.show();
    list->createGroupRows(&collection);
    list->fillItemRows(&collection);
    list->ViewAll(true);
    // The list makes the texts the filter searches in idle time after it is filled: what that
    // takes is reported apart, since the user sees the list meanwhile and can scroll in it.
    QElapsedTimer warmUp;
    warmUp.start();
    while (!list->filterTextsReady())
        QCoreApplication::processEvents();
    const double warmUpMs = double(warmUp.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    box->setFocus();

    std::vector<double> times;
    double worst = 0;
    double filtering = 0;
    const auto press = [&](Qt::Key key, const QString& text) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &up);
        const double filtered = double(timer.nsecsElapsed()) / 1e6;
        filtering += filtered;
        // The view lays out and paints what is left.
        list->viewport()->repaint();
        QCoreApplication::processEvents();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        times.push_back(ms);
        if (qEnvironmentVariableIsSet("BENCH_STEPS"))
            std::printf("%s: %.1f ms, filtering %.1f ms, %d rows shown\n", qPrintable(box->text()), ms, filtered, shown);
        worst = std::max(worst, ms);
    };
    std::vector<int> shownAfter;
    for (int run = 0; run < runs; ++run) {
        // A name part most items have, narrowed letter by letter, then one no item has.
        for (const char letter : QByteArrayLiteral("article 12")) {
            if (letter)
                press(Qt::Key(QChar::toUpper(char16_t(letter))), QString(QLatin1Char(letter)));
        }
        shownAfter.push_back(shown);
        for (const char letter : QByteArrayLiteral("qzx")) {
            if (letter)
                press(Qt::Key(QChar::toUpper(char16_t(letter))), QString(QLatin1Char(letter)));
        }
        shownAfter.push_back(shown);
        box->selectAll();
        press(Qt::Key_Backspace, QString());
        shownAfter.push_back(shown);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("quick filter over %d items, %zu key presses in %d runs\n", count, times.size(), runs);
    std::printf("texts made in idle time after filling: %.0f ms\n", warmUpMs);
    std::printf("first key press %.1f ms, median %.1f ms, 90th percentile %.1f ms, worst %.1f ms\n", times.front(),
                sorted[sorted.size() / 2], sorted[sorted.size() * 9 / 10], worst);
    std::printf("of all the time, filtering took %.0f%%, layout and painting the rest\n",
                100 * filtering / std::accumulate(times.begin(), times.end(), 0.0));
    std::printf("rows shown after \"article 12\" / \"article 12qzx\" / cleared: %d / %d / %d\n", shownAfter[0],
                shownAfter[1], shownAfter[2]);
    return 0;
}
