// Starts the program's real entry point in child processes, under the names the products are
// started by, and looks at what it did: exit status, product, settings scope, translations,
// window geometry and the log.

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
#include <QWidget>

#include <csignal>
#include <cstdio>

namespace {

constexpr char ChildVariable[] = "HESTIVA_STARTUP_CHILD";

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
                       .arg(widget->windowTitle()));
            if (auto* window = qobject_cast<QMainWindow*>(widget))
                report(QStringLiteral("status\t") + window->statusBar()->currentMessage());
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

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_work;
    QString m_config;
};

void TestStartup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_work = m_dir->filePath(QStringLiteral("work"));
    m_config = m_dir->filePath(QStringLiteral("config"));
    QDir().mkpath(m_work + QStringLiteral("/db/DemoDBStd"));
    QDir().mkpath(m_config);
    QDir().mkpath(m_dir->filePath(QStringLiteral("bin")));
    // The working directory holds the translations and the demo databases, as the runtime
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
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir->filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("DEBUGQUORVANE"));
    for (const QString& key : extra.keys())
        environment.insert(key, extra.value(key));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_work);
    process.start(link, {});
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
    // 800 x 600 at (0, 0), and the caption from the Danish translation.
    QVERIFY2(run.lines.contains(QStringLiteral("window\t0\t0\t800\t600\tDomvara indboregistrering - db/DemoDBStd/DomvaraStdDemoDatabase.dk.db")),
             qPrintable(run.lines.join(u'\n')));
    QVERIFY(!run.lines.join(u'\n').contains(QStringLiteral("box\t")));
    // The demo database is open and the status bar says how much was read.
    const QString status = run.lines.filter(QStringLiteral("status\t")).value(0);
    static const QRegularExpression loaded(
        QStringLiteral("^status\tdb/DemoDBStd/DomvaraStdDemoDatabase.dk.db indlæst: \\d+ genstande på +\\d+\\.\\d\\d sek.$"));
    QVERIFY2(loaded.match(status).hasMatch(), qPrintable(status));
    // The log file is created, empty while logging is off.
    QFile log(m_work + QStringLiteral("/db/DemoDBStd/log.xml"));
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
    QVERIFY2(run.lines.contains(QStringLiteral("window\t40\t30\t1000\t700\tStockvane stock control - db/DemoStockvane/DemoStockvane.en.db")),
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
    QVERIFY(run.lines.contains(QStringLiteral("window\t0\t0\t800\t600\tMintora myntsamling - db/DemoDBMintora/DemoDBMintora.no.txt")));
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
    QFile log(m_work + QStringLiteral("/db/DemoDBReelix/log.xml"));
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
    const QString gone = m_work + QStringLiteral("/share/gone.db");
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
    const QString database = m_work + QStringLiteral("/db/DemoStockvane/DemoStockvane.dk.db");
    const QString lock = m_work + QStringLiteral("/db/DemoStockvane/LockFile.txt");
    auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = contents(database);
    QProcessEnvironment extra;
    extra.insert(QString::fromLatin1(ChildVariable), QStringLiteral("stay"));
    extra.insert(QStringLiteral("DEBUGQUORVANE"), QStringLiteral("1"));
    QProcess process;
    launch(process, QStringLiteral("stockvane"), extra);
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += process.readAllStandardOutput()).contains("ready\n"), 30000);
    QVERIFY(QFile::exists(lock));
    QVERIFY(::kill(pid_t(process.processId()), SIGTERM) == 0);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFile::exists(lock));
    QCOMPARE(contents(database), before);
    QVERIFY(contents(m_work + QStringLiteral("/db/DemoStockvane/log.xml")).endsWith("</LogFile>"));
    const QDir recovery(m_dir->filePath(QStringLiteral("data/Quorvane/Stockvane/recovery")));
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
