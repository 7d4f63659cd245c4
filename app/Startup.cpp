#include "Startup.h"

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "MainWindow.h"
#include "MainWindowPrivate.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "QuitSignals.h"
#include "Settings.h"

#include <QApplication>
#include <QDebug>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// For checking an installation: with HESTIVA_QUIT_AFTER_START=1 the program ends as soon as it
// has started, after writing the product, the database it opened, its number of items and the
// window caption to standard output, separated by tabs.
void quitAfterStart(MainWindow& window)
{
    // The caption as the desktop shows it, without the place of the unsaved-changes mark.
    QString caption = window.windowTitle();
    caption.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    const QString line = GetVariantName() + u'\t' + window.currentFileName() + u'\t'
        + QString::number(window.collection() ? window.collection()->count() : 0) + u'\t' + caption + u'\n';
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    window.close();
}

} // namespace

int hestivaMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The built-in icons live in a static library: register them before any window uses them.
    Q_INIT_RESOURCE(icons);

    // The product is named by the path as started (a link named "stockvane" makes Stockvane),
    // not by the file the link points at.
    const auto variant = variantFromPath(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString());
    if (!variant)
        return 1;
    SetProgramVariant(*variant);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvane.dk"));
    QCoreApplication::setApplicationName(GetVariantName());
    QCoreApplication::setApplicationVersion(QStringLiteral(HESTIVA_VERSION));
    // The desktop matches the product's windows to its launcher and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.quorvane.") + GetVariantName().toLower());
    QApplication::setWindowIcon(MainWindowDetail::productIcon());

    const auto settings = openSettings();
    const QByteArray language = GetLanguage();
    qDebug().noquote() << QStringLiteral("Language is: qt_") + QString::fromLatin1(language);

    // Translations are looked for in the data folder; without them the keys show.
    QTranslator appTranslator;
    if (appTranslator.load(QStringLiteral("hestiva_") + QString::fromLatin1(language), dataDir()))
        QCoreApplication::installTranslator(&appTranslator);

    // The toolkit's own texts (the What's This button, the buttons of its dialogs, the edit
    // menus) are translated before the window that shows some of them is made. English needs
    // none, so only a missing Danish or Norwegian one is told.
    QTranslator qtTranslator;
    const QString qtName = QStringLiteral("qt_") + QString::fromLatin1(language);
    if (qtTranslator.load(qtName, dataDir()))
        QCoreApplication::installTranslator(&qtTranslator);
    else if (language != "en")
        MessageBoxes::critical(nullptr, QStringLiteral("Error loding"), qtName);

    // A signal that asks the program to end (a log-out, a shutdown, Ctrl+C) ends it as Quit
    // does, without questions; one that comes while the window is being made waits for it.
    QuitSignals quitSignals;
    // A start database that cannot be read has been reported; the window opens all the same.
    MainWindow window;
    QObject::connect(&quitSignals, &QuitSignals::received, &window, &MainWindow::quitWithoutQuestions);
    quitSignals.start();

    window.resize(settings->value(Setting::MainWinWidth, Setting::MainWinWidthDefault).toInt(),
                  settings->value(Setting::MainWinHeight, Setting::MainWinHeightDefault).toInt());
    window.move(settings->value(Setting::MainWinPosX, Setting::MainWinPosDefault).toInt(),
                settings->value(Setting::MainWinPosY, Setting::MainWinPosDefault).toInt());
    window.show();
    if (qEnvironmentVariable("HESTIVA_QUIT_AFTER_START") == u"1")
        QTimer::singleShot(0, &window, [&window] { quitAfterStart(window); });

    QApplication::exec();
    return 0;
}
