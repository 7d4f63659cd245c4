// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its data when installed or staged, how a relative link is found, and
// the user's own copy of the demo database made at first start.

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "DemoDatabase.h"
#include "RecordingReporter.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestDataPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void dataFolderFromExecutable();
    void relativeLinkRule();
    void firstStartCopiesDemo();
};

void TestDataPaths::cleanup()
{
    setDataDir(QString());
}

void TestDataPaths::dataFolderFromExecutable()
{
    QTemporaryDir root;
    // Installed: <prefix>/bin/hestiva with <prefix>/share/hestiva, even when the bin folder holds
    // folders of the same names as the staged tree's.
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/share/hestiva"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/bin/help"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/bin/db"))));
    QCOMPARE(dataDirFor(root.filePath(QStringLiteral("usr/bin"))), root.filePath(QStringLiteral("usr/share/hestiva")));
    // Staged: the executable's folder holds the tree.
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("build/stage/help"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("build/stage/db"))));
    QCOMPARE(dataDirFor(root.filePath(QStringLiteral("build/stage"))), root.filePath(QStringLiteral("build/stage")));
    // Neither: the installed place, so that a message names where the data was looked for.
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("opt/bin"))));
    QCOMPARE(dataDirFor(root.filePath(QStringLiteral("opt/bin"))), root.filePath(QStringLiteral("opt/share/hestiva")));

    setDataDir(root.filePath(QStringLiteral("usr/share/hestiva")));
    QCOMPARE(dataPath(QStringLiteral("help/index.dk.htm")), root.filePath(QStringLiteral("usr/share/hestiva/help/index.dk.htm")));
    QVERIFY(isInDataDir(root.filePath(QStringLiteral("usr/bin/../share/hestiva/db/x.db"))));
    QVERIFY(!isInDataDir(root.filePath(QStringLiteral("usr/share/hestiva-old/x.db"))));
}

void TestDataPaths::relativeLinkRule()
{
    QTemporaryDir root;
    const QString work = root.filePath(QStringLiteral("work"));
    const QString database = root.filePath(QStringLiteral("database"));
    QVERIFY(writeFile(work + QStringLiteral("/pictures/both.jpg"), "w"));
    QVERIFY(writeFile(database + QStringLiteral("/pictures/both.jpg"), "d"));
    QVERIFY(writeFile(database + QStringLiteral("/pictures/own.jpg"), "d"));
    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work));

    // The working directory first, then the database's folder; neither: the link as it is.
    const QString both = resolveLink(QStringLiteral("pictures/both.jpg"), database);
    const QString own = resolveLink(QStringLiteral("pictures/own.jpg"), database);
    const QString missing = resolveLink(QStringLiteral("pictures/none.jpg"), database);
    const QString withoutDatabase = resolveLink(QStringLiteral("pictures/own.jpg"), QString());
    QDir::setCurrent(oldCurrent);
    QCOMPARE(both, work + QStringLiteral("/pictures/both.jpg"));
    QCOMPARE(own, database + QStringLiteral("/pictures/own.jpg"));
    QCOMPARE(missing, QStringLiteral("pictures/none.jpg"));
    QCOMPARE(withoutDatabase, QStringLiteral("pictures/own.jpg"));
    // Web addresses and absolute paths are used as they are.
    for (const QString& link : {QStringLiteral("https://example.org/a.jpg"), QStringLiteral("/srv/a.jpg"), QString()})
        QCOMPARE(resolveLink(link, database), link);
}

void TestDataPaths::firstStartCopiesDemo()
{
    // The program's data folder is only read: at first start the demo of the language is copied
    // into the user's data folder, its links pointing into the copy.
    const QString data = sourceFile(QStringLiteral("data"));
    setDataDir(data);
    TestSettings settings(ProgramVariant::Domvara);
    settings.setValue(Setting::Language, QStringLiteral("no"));
    QVERIFY(prepareStartDatabase());
    const QString copy = userDemoDatabaseFile(ProgramVariant::Domvara, "no");
    const QString folder = settings.path() + QStringLiteral("/data/Quorvane/Domvara/DemoDBStd");
    QCOMPARE(copy, folder + QStringLiteral("/DomvaraStdDemoDatabase.no.db"));
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), copy);
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), folder);
    // Only the database of the language, with every list, picture and receipt beside it.
    QVERIFY(!QFile::exists(folder + QStringLiteral("/DomvaraStdDemoDatabase.dk.db")));
    QCOMPARE(readFile(folder + QStringLiteral("/groups/groups.no.txt")),
             readFile(data + QStringLiteral("/db/DemoDBStd/groups/groups.no.txt")));

    // Links relative to the copy's folder, every other byte as installed.
    const QByteArray installed = readFile(data + QStringLiteral("/db/DemoDBStd/DomvaraStdDemoDatabase.no.db"));
    const QByteArray copied = readFile(copy);
    QVERIFY(installed.contains(";db/DemoDBStd/pictures/"));
    QVERIFY(!copied.contains("db/DemoDBStd/"));
    QCOMPARE(copied, QByteArray(installed).replace(";db/DemoDBStd/", ";"));
    RecordingReporter reporter;
    DBItemCollection collection(nullptr, &reporter);
    QVERIFY(collection.LoadFromAsciiFile(copy));
    int links = 0;
    for (const auto& item : collection.items()) {
        for (const QString& link : {item->photolink(), item->receipt(), item->document()}) {
            if (link.isEmpty())
                continue;
            ++links;
            QVERIFY2(QFile::exists(resolveLink(link, folder)), qPrintable(link));
        }
    }
    QVERIFY(links >= 15);

    // The copy is the user's: a later start that is told the installed demo (as an unreadable
    // start database leaves it, or an old setting) opens the copy with the user's changes.
    QVERIFY(writeFile(copy, "changed by the user"));
    for (const QString& stored : {data + QStringLiteral("/db/DemoDBStd/DomvaraStdDemoDatabase.no.db"),
                                  QStringLiteral("db/DemoDBStd/DomvaraStdDemoDatabase.no.db"), copy}) {
        settings.setValue(Setting::LastSavedDBFile, stored);
        QVERIFY(prepareStartDatabase());
        QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), copy);
        QCOMPARE(readFile(copy), QByteArray("changed by the user"));
    }
    // A database of the user's own is left alone.
    settings.setValue(Setting::LastSavedDBFile, QStringLiteral("/home/someone/things.db"));
    QVERIFY(prepareStartDatabase());
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), QStringLiteral("/home/someone/things.db"));
    // An installed demo chosen in the open dialog is opened as the user's copy too.
    QCOMPARE(userDatabaseFor(data + QStringLiteral("/db/DemoDBStd/DomvaraStdDemoDatabase.en.db")),
             userDemoDatabaseFile(ProgramVariant::Domvara, "en"));
    QVERIFY(!readFile(userDemoDatabaseFile(ProgramVariant::Domvara, "en")).contains("db/DemoDBStd/"));
    QCOMPARE(userDatabaseFor(QStringLiteral("/home/someone/things.db")), QStringLiteral("/home/someone/things.db"));

    // Without the installed demo nothing can be copied, and the reason is told.
    setDataDir(settings.path() + QStringLiteral("/nowhere"));
    settings.clear();
    QString error;
    QVERIFY(!prepareStartDatabase(&error));
    QVERIFY2(error.contains(QStringLiteral("nowhere/db/DemoDBStd/DomvaraStdDemoDatabase.dk.db")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestDataPaths)
#include "tst_datapaths.moc"
