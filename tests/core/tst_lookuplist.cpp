#include "DBItemCollection.h"
#include "DataPaths.h"
#include "LogXML.h"
#include "RecordingReporter.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestLookupList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fileFormat();
    void lineCap();
    void fieldLabelRemovesAmpersands();
    void failedLoadKeepsEntries();
    void saveReplacesOnlyWhenWritten();
    void firstChoices();
    void danishFallback();
    void dataFolderFallback();
    void emptyDatabaseDirectory();
    void saveListsCreatesFolders();
    void saveListFailureIsReported();

private:
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_db;
    std::unique_ptr<QTemporaryDir> m_work;
    QString m_oldCurrent;
};

void TestLookupList::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_db = std::make_unique<QTemporaryDir>();
    m_work = std::make_unique<QTemporaryDir>();
    m_settings->setValue(Setting::LastDBDir, m_db->path());
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(m_work->path());
    setDataDir(m_work->path());
}

void TestLookupList::cleanup()
{
    QDir::setCurrent(m_oldCurrent);
    setDataDir(QString());
}

void TestLookupList::fileFormat()
{
    // LF and CR LF both end lines; an empty line is an entry, so later entries keep their
    // numbers; Latin-1 letters are read as such.
    const QString path = m_work->filePath(QStringLiteral("list.txt"));
    writeFile(path, "K\xf8kken\r\n\r\nStue\nLast");
    LookupList list(9999);
    QVERIFY(list.LoadFromFile(path));
    QCOMPARE(list.entries(), (QStringList{QStringLiteral("Køkken"), QString(), QStringLiteral("Stue"),
                                          QStringLiteral("Last")}));
    QCOMPARE(list.indexOf(QStringLiteral("Stue")), 2);
    QCOMPARE(list.indexOf(QStringLiteral("stue")), -1);
    QVERIFY(list.contains(QString()));

    QVERIFY(list.SaveToFile(path));
    QCOMPARE(readFile(path), QByteArray("K\xf8kken\r\n\r\nStue\r\nLast\r\n"));

    // A line break inside an entry would shift every later entry: it is stored as a blank.
    list.append(QStringLiteral("two\nlines"));
    list.append(QStringLiteral("after"));
    QVERIFY(list.SaveToFile(path));
    LookupList reread(9999);
    QVERIFY(reread.LoadFromFile(path));
    QCOMPARE(reread.size(), 6);
    QCOMPARE(reread.at(4), QStringLiteral("two lines"));
    QCOMPARE(reread.at(5), QStringLiteral("after"));
}

void TestLookupList::lineCap()
{
    QByteArray content;
    for (int i = 0; i < 10050; ++i)
        content += "entry " + QByteArray::number(i) + "\r\n";
    const QString path = m_work->filePath(QStringLiteral("big.txt"));
    writeFile(path, content);
    LookupList groups(9999);
    QVERIFY(groups.LoadFromFile(path));
    QCOMPARE(groups.size(), 10000);
    QCOMPARE(groups.at(9999), QStringLiteral("entry 9999"));
    LookupList labels(30);
    QVERIFY(labels.LoadFromFile(path));
    QCOMPARE(labels.size(), 31);
}

void TestLookupList::fieldLabelRemovesAmpersands()
{
    LookupList labels(30);
    labels.append(QStringLiteral("&Gruppe"));
    labels.append(QStringLiteral("Ty&pe && mere"));
    QCOMPARE(labels.fieldLabel(0), QStringLiteral("Gruppe"));
    QCOMPARE(labels.at(0), QStringLiteral("Gruppe"));
    QCOMPARE(labels.fieldLabel(1), QStringLiteral("Type  mere"));
    QCOMPARE(labels.fieldLabel(2), QString());
    QCOMPARE(labels.fieldLabel(-1), QString());
}

void TestLookupList::failedLoadKeepsEntries()
{
    LookupList list(10);
    list.append(QStringLiteral("kept"));
    QVERIFY(!list.LoadFromFile(m_work->filePath(QStringLiteral("missing.txt"))));
    QCOMPARE(list.entries(), QStringList{QStringLiteral("kept")});
}

void TestLookupList::saveReplacesOnlyWhenWritten()
{
    // A list file is replaced in one step; when the folder cannot take the new file, the old
    // one stays whole.
    const QString path = m_work->filePath(QStringLiteral("groups.txt"));
    writeFile(path, "old\r\n");
    LookupList list(9999);
    list.append(QStringLiteral("new"));
    QVERIFY(!list.SaveToFile(m_work->filePath(QStringLiteral("no/such/folder/groups.txt"))));
    QCOMPARE(readFile(path), QByteArray("old\r\n"));
    QVERIFY(list.SaveToFile(path));
    QCOMPARE(readFile(path), QByteArray("new\r\n"));
    QCOMPARE(QDir(m_work->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("groups.txt")});
}

void TestLookupList::firstChoices()
{
    m_settings->setValue(Setting::Language, QStringLiteral("en"));
    writeFile(m_db->filePath(QStringLiteral("groups/groups.en.txt")), "Kitchen\r\nGarden\r\n");
    writeFile(m_db->filePath(QStringLiteral("groups/groups.da.txt")), "K\xf8kken\r\n");
    writeFile(m_db->filePath(QStringLiteral("location/location.en.txt")), "Hall\r\n");
    writeFile(m_db->filePath(QStringLiteral("supplier/supplier.en.txt")), "Shop A\r\nShop B\r\nShop C\r\n");
    writeFile(m_db->filePath(QStringLiteral("fields/fields.en.txt")), "&Group\r\n&Name\r\n");
    DBItemCollection collection;
    QCOMPARE(collection.groups().entries(), (QStringList{QStringLiteral("Kitchen"), QStringLiteral("Garden")}));
    QCOMPARE(collection.locations().entries(), QStringList{QStringLiteral("Hall")});
    QCOMPARE(collection.suppliers().size(), 3);
    QCOMPARE(collection.fieldLabels().at(0), QStringLiteral("&Group"));
    QCOMPARE(collection.groups().maxEntries(), 9999);
    QCOMPARE(collection.fieldLabels().maxEntries(), 30);
}

void TestLookupList::danishFallback()
{
    // English is asked for, only the Danish groups exist: they are loaded after a warning.
    m_settings->setValue(Setting::Language, QStringLiteral("en"));
    writeFile(m_db->filePath(QStringLiteral("groups/groups.da.txt")), "K\xf8kken\r\n");
    writeFile(m_db->filePath(QStringLiteral("location/location.da.txt")), "Stue\r\n");
    QTemporaryDir logDir;
    qputenv("DEBUGQUORVANE", "1");
    LogXML log(logDir.filePath(QStringLiteral("log.xml")), QStringLiteral("/Domvara/"));
    qunsetenv("DEBUGQUORVANE");
    DBItemCollection collection(&log);
    QCOMPARE(collection.groups().entries(), QStringList{QStringLiteral("Køkken")});
    QCOMPARE(collection.locations().entries(), QStringList{QStringLiteral("Stue")});
    log.CloseLog();
    const QByteArray text = readFile(logDir.filePath(QStringLiteral("log.xml")));
    const QByteArray expected = "<Loading>" + m_db->path().toLatin1() + "/groups/groups.en.txt</Loading>\r\n"
                                "  <WARNING>Not found</WARNING>";
    QVERIFY2(text.contains(expected), text.constData());
}

void TestLookupList::dataFolderFallback()
{
    // Without groups in the database folder, the groups come from the program's folder; the
    // locations the database folder has stay the database's own (its items point into them,
    // and an edit writes them back). Suppliers and field labels fall back to the household
    // demo folder.
    writeFile(m_db->filePath(QStringLiteral("location/location.dk.txt")), "DB room\r\n");
    writeFile(m_work->filePath(QStringLiteral("group/group.dk.txt")), "G1\r\nG2\r\n");
    writeFile(m_work->filePath(QStringLiteral("location/location.dk.txt")), "L1\r\n");
    writeFile(m_work->filePath(QStringLiteral("db/DemoDBStd/supplier/supplier.dk.txt")), "S1\r\n");
    writeFile(m_work->filePath(QStringLiteral("db/DemoDBStd/fields/fields.dk.txt")), "F1\r\n");
    DBItemCollection collection;
    QCOMPARE(collection.groups().entries(), (QStringList{QStringLiteral("G1"), QStringLiteral("G2")}));
    QCOMPARE(collection.locations().entries(), QStringList{QStringLiteral("DB room")});
    QCOMPARE(collection.suppliers().entries(), QStringList{QStringLiteral("S1")});
    QCOMPARE(collection.fieldLabels().entries(), QStringList{QStringLiteral("F1")});

    // Groups present but no locations at all: the database's groups stay, the locations come
    // from the program's folder.
    QFile::remove(m_db->filePath(QStringLiteral("location/location.dk.txt")));
    writeFile(m_db->filePath(QStringLiteral("groups/groups.dk.txt")), "DB group\r\n");
    QVERIFY(collection.MakeDynamicLists());
    QCOMPARE(collection.groups().entries(), QStringList{QStringLiteral("DB group")});
    QCOMPARE(collection.locations().entries(), QStringList{QStringLiteral("L1")});

    // Nothing anywhere: the lists stay empty.
    setDataDir(m_db->path());
    QFile::remove(m_db->filePath(QStringLiteral("groups/groups.dk.txt")));
    QVERIFY(collection.MakeDynamicLists());
    QVERIFY(collection.groups().isEmpty());
    QVERIFY(collection.suppliers().isEmpty());
}

void TestLookupList::emptyDatabaseDirectory()
{
    m_settings->setValue(Setting::LastDBDir, QString());
    writeFile(m_work->filePath(QStringLiteral("group/group.dk.txt")), "G1\r\n");
    DBItemCollection collection;
    QVERIFY(collection.groups().isEmpty());
}

void TestLookupList::saveListsCreatesFolders()
{
    m_settings->setValue(Setting::Language, QStringLiteral("no"));
    DBItemCollection collection;
    collection.groups().append(QStringLiteral("Kjøkken"));
    collection.locations().append(QStringLiteral("Stue"));
    collection.suppliers().append(QStringLiteral("Butikk"));
    collection.fieldLabels().append(QStringLiteral("&Gruppe"));
    QVERIFY(collection.saveLookupLists());
    QCOMPARE(readFile(m_db->filePath(QStringLiteral("groups/groups.no.txt"))), QByteArray("Kj\xf8kken\r\n"));
    QCOMPARE(readFile(m_db->filePath(QStringLiteral("location/location.no.txt"))), QByteArray("Stue\r\n"));
    QCOMPARE(readFile(m_db->filePath(QStringLiteral("supplier/supplier.no.txt"))), QByteArray("Butikk\r\n"));
    QCOMPARE(readFile(m_db->filePath(QStringLiteral("fields/fields.no.txt"))), QByteArray("&Gruppe\r\n"));
}

void TestLookupList::saveListFailureIsReported()
{
    // "groups" and "supplier" are files where the folders should be: those lists fail, the
    // others are saved, and the user is told of both in one box.
    writeFile(m_db->filePath(QStringLiteral("groups")), "in the way");
    writeFile(m_db->filePath(QStringLiteral("supplier")), "in the way");
    RecordingReporter reporter;
    DBItemCollection collection(nullptr, &reporter);
    collection.groups().append(QStringLiteral("G"));
    collection.locations().append(QStringLiteral("L"));
    QVERIFY(!collection.saveLookupLists());
    QCOMPARE(reporter.messages.size(), 1);
    QCOMPARE(reporter.messages[0].title, QStringLiteral("Fil fejl"));
    QCOMPARE(reporter.messages[0].text,
             QStringLiteral("Kan ikke gemme gruppe fil:") + m_db->filePath(QStringLiteral("groups/groups.dk.txt"))
                 + QStringLiteral("\n\nKAN_IKKE_GEMME_LEVERAND_FIL:")
                 + m_db->filePath(QStringLiteral("supplier/supplier.dk.txt")));
    QCOMPARE(readFile(m_db->filePath(QStringLiteral("location/location.dk.txt"))), QByteArray("L\r\n"));
    QCOMPARE(readFile(m_db->filePath(QStringLiteral("groups"))), QByteArray("in the way"));
}

QTEST_GUILESS_MAIN(TestLookupList)
#include "tst_lookuplist.moc"
