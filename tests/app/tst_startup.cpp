// Starts the program's real entry point in child processes, under the names the products are
// started by, and looks at what it did: exit status, product, settings scope, translations,
// window geometry and the log.

#include "DataPaths.h"
#include "DBItemCollection.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "Startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include <csignal>
#include <cstdio>

namespace {

constexpr char ChildVariable[] = "HESTIVA_STARTUP_CHILD";
// The child is this test's executable, which has no data folder beside it: it is told one.
constexpr char DataVariable[] = "HESTIVA_STARTUP_DATA";

void report(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// In a child: answer message boxes by reporting them, and close the main window as soon as
// the event loop runs. A child told to stay adds an item instead and waits to be ended.
void childStartup()
{
    if (qEnvironmentVariableIsEmpty(ChildVariable))
        return;
    setDataDir(qEnvironmentVariable(DataVariable));
    MessageBoxes::setAnswerer([](const MessageBoxes::Request& request) {
        report(QStringLiteral("box\t") + request.title + u'\t' + request.text);
        return 0;
    });
    if (qgetenv(ChildVariable) == "stay") {
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* window = qobject_cast<MainWindow*>(widget)) {
                    auto item = std::make_unique<Item>();
                    item->setName(QStringLiteral("Recovered"));
                    window->collection()->addItem(std::move(item));
                    report(QStringLiteral("ready"));
                }
            }
        });
        return;
    }
    QTimer::singleShot(0, [] {
        report(QStringLiteral("app\t") + QCoreApplication::organizationName() + u'\t'
               + QCoreApplication::applicationName());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != u"main window")
                continue;
            report(QStringLiteral("window\t%1\t%2\t%3\t%4\t%5")
                       .arg(widget->x())
                       .arg(widget->y())
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(widget->windowTitle().replace(QStringLiteral("[*]"),
                                                          widget->isWindowModified() ? QStringLiteral("*")
                                                                                     : QString())));
            if (auto* window = qobject_cast<QMainWindow*>(widget))
                report(QStringLiteral("status\t") + window->statusBar()->currentMessage());
            // The toolkit's own What's This button, made with the window.
            if (auto* tools = widget->findChild<QToolBar*>(QStringLiteral("fileToolBar")))
                report(QStringLiteral("whatsthis\t") + tools->actions().constLast()->text());
            widget->close();
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(childStartup)

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void pathWithoutProductEndsAtOnce();
    void householdWithEmptySettings();
    void storedLanguageAndGeometry();
    void missingToolkitTranslation();
    void logWhenSwitchedOn();
    void unreadableStartDatabase();
    void endedBySignalWithUnsavedChanges();

private:
    struct Run
    {
        int exitCode = -1;
        QStringList lines;
    };
    Run start(const QString& name, const QProcessEnvironment& extra = {});
    void launch(QProcess& process, const QString& name, const QProcessEnvironment& extra);
    void writeSettings(const QString& product, const QVariantMap& values);

    // The user's copy of the demo database a product opens at first start.
    QString demoCopy(const QString& product, const QString& relativePath) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_work;
    QString m_config;
    QString m_data;
};

void TestStartup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_work = m_dir->filePath(QStringLiteral("work"));
    m_config = m_dir->filePath(QStringLiteral("config"));
    m_data = m_dir->filePath(QStringLiteral("data"));
    QDir().mkpath(m_work + QStringLiteral("/db/DemoDBStd"));
    QDir().mkpath(m_config);
    QDir().mkpath(m_dir->filePath(QStringLiteral("bin")));
    QDir().mkpath(m_dir->filePath(QStringLiteral("elsewhere")));
    // The program's data folder holds the translations and the demo databases, as the runtime
    // folder does.
    const QString stage = qEnvironmentVariable("HESTIVA_STAGE_DIR");
    for (const QString& name : QDir(stage).entryList({QStringLiteral("*.qm")}, QDir::Files))
        QVERIFY(QFile::copy(stage + u'/' + name, m_work + u'/' + name));
    QDirIterator data(stage + QStringLiteral("/db"), QDir::Files, QDirIterator::Subdirectories);
    while (data.hasNext()) {
        const QString file = data.next();
        // What an earlier run of the program left there is not installation data.
        if (data.fileName() == u"LockFile.txt" || data.fileName() == u"log.xml")
            continue;
        const QString target = m_work + file.mid(stage.size());
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(QFile::copy(file, target));
    }
    QVERIFY(QFile::exists(m_work + QStringLiteral("/hestiva_dk.qm")));
}

TestStartup::Run TestStartup::start(const QString& name, const QProcessEnvironment& extra)
{
    QProcess process;
    launch(process, name, extra);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

void TestStartup::launch(QProcess& process, const QString& name, const QProcessEnvironment& extra)
{
    // The product comes from the name the program is started under: a link to this test.
    const QString link = m_dir->filePath(QStringLiteral("bin/") + name);
    QFile::link(QCoreApplication::applicationFilePath(), link);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildVariable), QStringLiteral("1"));
    environment.insert(QString::fromLatin1(DataVariable), m_work);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_data);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("DEBUGQUORVANE"));
    for (const QString& key : extra.keys())
        environment.insert(key, extra.value(key));
    process.setProcessEnvironment(environment);
    // Started from a folder that holds nothing of the program's.
    process.setWorkingDirectory(m_dir->filePath(QStringLiteral("elsewhere")));
    process.start(link, {});
}

QString TestStartup::demoCopy(const QString& product, const QString& relativePath) const
{
    return m_data + QStringLiteral("/Quorvane/") + product + u'/' + relativePath;
}

void TestStartup::writeSettings(const QString& product, const QVariantMap& values)
{
    QSettings settings(m_config + QStringLiteral("/Quorvane/") + product + QStringLiteral(".conf"),
                       QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
}

void TestStartup::pathWithoutProductEndsAtOnce()
{
    const Run run = start(QStringLiteral("inventory"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.lines.isEmpty());
}

void TestStartup::householdWithEmptySettings()
{
    const Run run = start(QStringLiteral("domvara"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.lines.contains(QStringLiteral("app\tQuorvane\tDomvara")));
    // 800 x 600 at (0, 0), and the caption from the Danish translation, with the user's copy of
    // the demo database.
    const QString demo = demoCopy(QStringLiteral("Domvara"), QStringLiteral("DemoDBStd/DomvaraStdDemoDatabase.dk.db"));
    QVERIFY2(run.lines.contains(QStringLiteral("window\t0\t0\t800\t600\tDomvara indboregistrering - ") + demo),
             qPrintable(run.lines.join(u'\n')));
    QVERIFY(!run.lines.join(u'\n').contains(QStringLiteral("box\t")));
    QVERIFY(run.lines.contains(QStringLiteral("whatsthis\tHvad er det?")));
    // The demo database is open and the status bar says how much was read.
    const QString status = run.lines.filter(QStringLiteral("status\t")).value(0);
    const QRegularExpression loaded(QStringLiteral("^status\t") + QRegularExpression::escape(demo)
                                    + QStringLiteral(" indlæst: \\d+ genstande på +\\d+\\.\\d\\d sek.$"));
    QVERIFY2(loaded.match(status).hasMatch(), qPrintable(status));
    // The log file is created beside it, empty while logging is off.
    QFile log(demoCopy(QStringLiteral("Domvara"), QStringLiteral("DemoDBStd/log.xml")));
    QVERIFY(log.exists());
    QCOMPARE(log.size(), 0);
}

void TestStartup::storedLanguageAndGeometry()
{
    writeSettings(QStringLiteral("Stockvane"), {{QStringLiteral("Language"), QStringLiteral("en")},
                                                {QStringLiteral("geometri/mainWinWidth"), 1000},
                                                {QStringLiteral("geometri/mainWinHeight"), 700},
                                                {QStringLiteral("geometri/mainWinPosX"), 40},
                                                {QStringLiteral("geometri/mainWinPosY"), 30}});
    // No toolkit translation is wanted for English, so none is missed.
    QFile::remove(m_work + QStringLiteral("/qt_dk.qm"));
    const Run run = start(QStringLiteral("stockvane"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.lines.contains(QStringLiteral("app\tQuorvane\tStockvane")));
    QVERIFY2(run.lines.contains(QStringLiteral("window\t40\t30\t1000\t700\tStockvane stock control - ")
                                + demoCopy(QStringLiteral("Stockvane"), QStringLiteral("DemoStockvane/DemoStockvane.en.db"))),
             qPrintable(run.lines.join(u'\n')));
    QVERIFY(!run.lines.join(u'\n').contains(QStringLiteral("box\t")));
}

void TestStartup::missingToolkitTranslation()
{
    writeSettings(QStringLiteral("Mintora"), {{QStringLiteral("Language"), QStringLiteral("no")}});
    QFile::remove(m_work + QStringLiteral("/qt_no.qm"));
    const Run run = start(QStringLiteral("mintora"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.lines.contains(QStringLiteral("box\tError loding\tqt_no")), qPrintable(run.lines.join(u'\n')));
    QVERIFY(run.lines.contains(QStringLiteral("window\t0\t0\t800\t600\tMintora myntsamling - ")
                               + demoCopy(QStringLiteral("Mintora"), QStringLiteral("DemoDBMintora/DemoDBMintora.no.txt"))));
}

void TestStartup::logWhenSwitchedOn()
{
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("DEBUGQUORVANE"), QStringLiteral("1"));
    // The log goes beside the database opened at start, not into the folder the file dialogs
    // last showed.
    writeSettings(QStringLiteral("Pictova"), {{QStringLiteral("LastDBDir"), m_work + QStringLiteral("/db/DemoDBStd")}});
    const Run run = start(QStringLiteral("pictova"), extra);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(!QFile::exists(m_work + QStringLiteral("/db/DemoDBStd/log.xml")));
    QFile log(demoCopy(QStringLiteral("Pictova"), QStringLiteral("DemoDBReelix/log.xml")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY(text.contains("<AppName>/Pictova/</AppName>"));
    QVERIFY(text.contains("<Filename>hestivawindow</Filename>\r\n    <Function>Language</Function>\r\n    "
                          "<Entry>dk</Entry>"));
    QVERIFY(text.endsWith("<Entry>Log File closed</Entry>\r\n  </LogItem>\r\n</LogFile>"));
}

void TestStartup::unreadableStartDatabase()
{
    // An unreadable start database (a share not mounted yet) does not end the program: one
    // error box names the file, the window opens empty, and the file stays the one to open at
    // the next start.
    const QString gone = m_dir->filePath(QStringLiteral("share/gone.db"));
    writeSettings(QStringLiteral("Domvara"), {{QStringLiteral("LastSavedDBFile"), gone}});
    const Run run = start(QStringLiteral("domvara"));
    QCOMPARE(run.exitCode, 0);
    const QString output = run.lines.join(u'\n');
    QCOMPARE(run.lines.filter(QStringLiteral("box\t")).size(), 1);
    QVERIFY2(output.contains(QStringLiteral("box\tFilfejl\tDatabasefilen kunne ikke åbnes eller læses.")), qPrintable(output));
    QVERIFY(run.lines.contains(gone));
    QVERIFY2(run.lines.contains(QStringLiteral("window\t0\t0\t800\t600\tDomvara indboregistrering - ")), qPrintable(output));
    QSettings settings(m_config + QStringLiteral("/Quorvane/Domvara.conf"), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("LastSavedDBFile")).toString(), gone);
}

void TestStartup::endedBySignalWithUnsavedChanges()
{
    // A stock program with an unsaved item is asked to end: it ends without questions, gives
    // its lock back, closes its log and keeps the item in a recovery copy, not in the database.
    const QString database = demoCopy(QStringLiteral("Stockvane"), QStringLiteral("DemoStockvane/DemoStockvane.dk.db"));
    const QString lock = demoCopy(QStringLiteral("Stockvane"), QStringLiteral("DemoStockvane/LockFile.txt"));
    auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QProcessEnvironment extra;
    extra.insert(QString::fromLatin1(ChildVariable), QStringLiteral("stay"));
    extra.insert(QStringLiteral("DEBUGQUORVANE"), QStringLiteral("1"));
    QProcess process;
    launch(process, QStringLiteral("stockvane"), extra);
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += process.readAllStandardOutput()).contains("ready\n"), 30000);
    QVERIFY(QFile::exists(lock));
    // The first start made the user's copy of the demo database, and the item is not in it.
    const QByteArray before = contents(database);
    QVERIFY(!before.isEmpty());
    QVERIFY(::kill(pid_t(process.processId()), SIGTERM) == 0);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFile::exists(lock));
    QCOMPARE(contents(database), before);
    QVERIFY(contents(demoCopy(QStringLiteral("Stockvane"), QStringLiteral("DemoStockvane/log.xml"))).endsWith("</LogFile>"));
    const QDir recovery(m_data + QStringLiteral("/Quorvane/Stockvane/recovery"));
    QCOMPARE(recovery.entryList({QStringLiteral("*.db")}).size(), 1);

    // The next start offers it; the child opens it (every first button) and, closing, saves it
    // into the database under its own name.
    const Run run = start(QStringLiteral("stockvane"));
    QCOMPARE(run.exitCode, 0);
    const QString boxes = run.lines.filter(QStringLiteral("box\t")).join(u'\n');
    QVERIFY2(boxes.startsWith(QStringLiteral("box\t/Stockvane/\t")) && boxes.contains(database), qPrintable(boxes));
    QVERIFY(contents(database).contains(";Recovered;"));
    QVERIFY(recovery.entryList({QStringLiteral("*.db")}).isEmpty());
    QVERIFY(!QFile::exists(lock));
}

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty(ChildVariable))
        return hestivaMain(argc, argv);
    QCoreApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
