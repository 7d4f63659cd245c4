// Writing database and list files into a folder where no new file can be made: written in
// place, with a copy of the former file in the user's data folder while it is at risk.

#include "DBItemCollection.h"
#include "LockedFolder.h"
#include "LookupList.h"
#include "RecordingReporter.h"
#include "SafeFileWrite.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestSafeFileWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void lockedFolderIsWrittenInPlace();
    void failedWriteInPlacePutsTheFileBack();
    void saveKeepsThePreviousVersion();

private:
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_database;
    QString m_groups;
    QString m_data;
};

void TestSafeFileWrite::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(QStringLiteral("share"));
    QVERIFY(QDir().mkpath(m_folder));
    m_database = m_folder + QStringLiteral("/home.db");
    m_groups = m_folder + QStringLiteral("/groups.dk.txt");
    writeFile(m_database, "#2.5.5 (INB)- Format: old\r\n");
    writeFile(m_groups, "Old\r\n");
    qputenv("XDG_DATA_HOME", m_dir->filePath(QStringLiteral("data")).toLocal8Bit());
    m_data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(m_data.startsWith(m_dir->path()));
}

void TestSafeFileWrite::cleanup()
{
    qunsetenv("XDG_DATA_HOME");
    m_dir.reset();
    m_settings.reset();
}

void TestSafeFileWrite::lockedFolderIsWrittenInPlace()
{
    RecordingReporter reporter;
    DBItemCollection collection(nullptr, &reporter);
    for (const char* name : {"Sofa", "Lamp", "Rug"}) {
        auto item = std::make_unique<Item>();
        item->setName(QString::fromLatin1(name));
        collection.addItem(std::move(item));
    }
    LookupList groups(DBItemCollection::MaxListEntries);
    groups.setEntries({QStringLiteral("Attic"), QStringLiteral("Hall")});
    {
        const LockedFolder locked(m_folder);
        QVERIFY(collection.SaveToFileAsAscii(m_database));
        QVERIFY(groups.SaveToFile(m_groups));
        // A new file cannot be made there at all.
        QVERIFY(!groups.SaveToFile(m_folder + QStringLiteral("/location.dk.txt")));
    }
    QVERIFY(reporter.messages.isEmpty());
    DBItemCollection reread;
    QVERIFY(reread.LoadFromAsciiFile(m_database));
    QCOMPARE(reread.count(), 3);
    QCOMPARE(readFile(m_groups), QByteArray("Attic\r\nHall\r\n"));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // The copies were needed only while the files were at risk; the database's former contents
    // stay as its kept version in the data folder, since none could be made beside it.
    QVERIFY(QDir(m_data).entryList(QDir::Files).isEmpty());
    QCOMPARE(readFile(keptVersionFallbackPath(m_database)), QByteArray("#2.5.5 (INB)- Format: old\r\n"));
}

void TestSafeFileWrite::failedWriteInPlacePutsTheFileBack()
{
    FileWriteOutcome outcome;
    {
        const LockedFolder locked(m_folder);
        outcome = writeFileSafely(m_groups, [](QIODevice& device) {
            device.write("Half a li");
            return false;
        });
    }
    QVERIFY(!outcome.written);
    QVERIFY(outcome.restored);
    QCOMPARE(readFile(m_groups), QByteArray("Old\r\n"));
    // The copy stays where the message says it is.
    QCOMPARE(QFileInfo(outcome.copy).path(), m_data);
    QCOMPARE(readFile(outcome.copy), QByteArray("Old\r\n"));
    QVERIFY(outcome.note().contains(QDir::toNativeSeparators(outcome.copy)));
}

void TestSafeFileWrite::saveKeepsThePreviousVersion()
{
    RecordingReporter reporter;
    DBItemCollection collection(nullptr, &reporter);
    collection.addItem(std::make_unique<Item>());
    const QString kept = m_database + u'~';
    QVERIFY(collection.SaveToFileAsAscii(m_database));
    QCOMPARE(readFile(kept), QByteArray("#2.5.5 (INB)- Format: old\r\n"));
    const QByteArray firstSave = readFile(m_database);

    // A save that fails leaves both the file and its kept version alone.
    const FileWriteOutcome failed = writeFileSafely(
        m_database, [](QIODevice& device) { return device.write("Half") < 0; }, true);
    QVERIFY(!failed.written);
    QCOMPARE(readFile(kept), QByteArray("#2.5.5 (INB)- Format: old\r\n"));
    QCOMPARE(readFile(m_database), firstSave);

    collection.addItem(std::make_unique<Item>());
    QVERIFY(collection.SaveToFileAsAscii(m_database));
    QCOMPARE(readFile(kept), firstSave);

    // Switched off in the common set-up, the kept version stays as the last save left it.
    openSettings()->setValue(QLatin1StringView(Setting::KeepPreviousVersion), false);
    QVERIFY(collection.SaveToFileAsAscii(m_database));
    QCOMPARE(readFile(kept), firstSave);
    QVERIFY(reporter.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestSafeFileWrite)
#include "tst_safefilewrite.moc"
