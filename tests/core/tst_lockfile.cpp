#include "DBItemCollection.h"
#include "LogXML.h"
#include "ProcessIdentity.h"
#include "RecordingReporter.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <unistd.h>

namespace {

// The placeholders of the real translation, so that the test sees what the message names.
class PlaceholderTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "DBItemCollection") == 0 && qstrcmp(source, "FOLDER_LOCKED_BY_ANOTHER") == 0)
            return QStringLiteral("%1 held by %2");
        return {};
    }
};

} // namespace

class TestLockFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void secondInstanceWorksReadOnly();
    void onlyTheHolderRemovesTheLock();
    void otherProductsUseNoLock();
    void lockLiesBesideTheDatabase();
    void lockThatCannotBeCreated();
    void danglingLinkAndUnreadableDatabase();
    void leftLocks_data();
    void leftLocks();
    void newDatabaseAfterALockedOne();

private:
    QString lockPath() const;
    void writeDatabase(const QString& path);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_db;
};

void TestLockFile::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings->setValue(Setting::LastDBDir, m_dir->path());
    m_db = m_dir->filePath(QStringLiteral("stock.db"));
    writeDatabase(m_db);
}

void TestLockFile::cleanup()
{
    m_dir.reset();
    m_settings.reset();
}

QString TestLockFile::lockPath() const
{
    return m_dir->filePath(QStringLiteral("LockFile.txt"));
}

void TestLockFile::writeDatabase(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#2.5.6 (INV)- Format: x;\r\n"
               "1;Hammer;Acme;10.000000;12.000000;01.01.2020;S;1001;;;;5;0;;;;;;;;;\r\n");
}

void TestLockFile::secondInstanceWorksReadOnly()
{
    RecordingReporter first;
    auto holder = std::make_unique<DBItemCollection>(nullptr, &first);
    QVERIFY(holder->LoadFromAsciiFile(m_db));
    QVERIFY(first.messages.isEmpty());
    QVERIFY(!holder->isReadOnly());
    QVERIFY(QFile::exists(lockPath()));

    QFile lock(lockPath());
    QVERIFY(lock.open(QIODevice::ReadOnly));
    const QByteArray content = lock.readAll();
    lock.close();
    QVERIFY(content.startsWith(m_db.toLatin1() + " Locked by PC: " + QSysInfo::machineHostName().toLatin1() + ", User: "));
    QVERIFY(!content.contains('\n'));

    // The second program is told who holds the database, loads it all the same, and refuses
    // to save.
    RecordingReporter second;
    DBItemCollection reader(nullptr, &second);
    QVERIFY(reader.LoadFromAsciiFile(m_db));
    QCOMPARE(reader.count(), 1);
    QVERIFY(reader.isReadOnly());
    QCOMPARE(reader.lockInfo(), QString::fromLatin1(content));
    QCOMPARE(second.messages.size(), 1);
    QCOMPARE(second.messages[0].title, QStringLiteral("FILE_ALLREADY_OPEN_WARNING"));
    QCOMPARE(second.messages[0].text, QStringLiteral("DB_OPEN_BY_ANOTHER_USER") + QString::fromLatin1(content));

    const QByteArray before = [this] {
        QFile f(m_db);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QVERIFY(!reader.SaveToFileAsAscii(m_db));
    QCOMPARE(second.messages.size(), 2);
    QCOMPARE(second.messages[1].kind, QStringLiteral("warning"));
    QCOMPARE(second.messages[1].title, QStringLiteral("READ ONLY"));
    QCOMPARE(second.messages[1].text, QStringLiteral("READ ONLY MODE - No Save"));
    QFile db(m_db);
    QVERIFY(db.open(QIODevice::ReadOnly));
    QCOMPARE(db.readAll(), before);

    // Closing the read-only program leaves the holder's lock in place.
    reader.clear();
    QVERIFY(QFile::exists(lockPath()));

    // The holder gives it up when it closes its database.
    holder.reset();
    QVERIFY(!QFile::exists(lockPath()));

    // Now a new load takes the lock and may save again.
    QVERIFY(reader.LoadFromAsciiFile(m_db));
    QVERIFY(!reader.isReadOnly());
    QVERIFY(reader.SaveToFileAsAscii(m_db));
}

void TestLockFile::onlyTheHolderRemovesTheLock()
{
    // Another user's lock appears while this program holds none: clearing or destroying the
    // collection must not remove it.
    {
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("elsewhere Locked by PC: other, User: someone");
    }
    {
        DBItemCollection fresh;
        fresh.clear();
    }
    QVERIFY(QFile::exists(lockPath()));

    // A collection that released its own lock does not remove one taken by someone after it.
    QFile::remove(lockPath());
    DBItemCollection collection;
    QVERIFY(collection.LoadFromAsciiFile(m_db));
    collection.clear();
    QVERIFY(!QFile::exists(lockPath()));
    {
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("someone else");
    }
    collection.clear();
    collection.deleteLockFile();
    QVERIFY(QFile::exists(lockPath()));
}

void TestLockFile::otherProductsUseNoLock()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_settings->setValue(Setting::LastDBDir, m_dir->path());
    QFile lock(lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("someone");
    lock.close();
    DBItemCollection collection;
    QVERIFY(!collection.LockDB(m_db));
    QVERIFY(!collection.isReadOnly());
    collection.deleteLockFile();
    QVERIFY(QFile::exists(lockPath()));
}

void TestLockFile::lockLiesBesideTheDatabase()
{
    // The folder the file dialogs last showed (another window's, say) is not the database's:
    // the lock goes beside the database, and the one taken is the one released.
    QTemporaryDir other;
    m_settings->setValue(Setting::LastDBDir, other.path());
    DBItemCollection collection;
    QVERIFY(collection.LoadFromAsciiFile(m_db));
    QVERIFY(QFile::exists(lockPath()));
    QVERIFY(!QFile::exists(other.filePath(QStringLiteral("LockFile.txt"))));
    QFile foreign(other.filePath(QStringLiteral("LockFile.txt")));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("another user");
    foreign.close();
    collection.clear();
    QVERIFY(!QFile::exists(lockPath()));
    QVERIFY(QFile::exists(foreign.fileName()));
}

void TestLockFile::lockThatCannotBeCreated()
{
    // The database is reached through /proc/self/fd, a folder where nobody can create a file:
    // the loader warns, loads, and the database stays writable.
    QFile open(m_db);
    QVERIFY(open.open(QIODevice::ReadOnly));
    const QString reached = QStringLiteral("/proc/self/fd/%1").arg(open.handle());
    QTemporaryDir logDir;
    qputenv("DEBUGQUORVANE", "1");
    LogXML log(logDir.filePath(QStringLiteral("log.xml")), QStringLiteral("/Stockvane/"));
    qunsetenv("DEBUGQUORVANE");
    RecordingReporter reporter;
    DBItemCollection collection(&log, &reporter);
    QVERIFY(collection.LoadFromAsciiFile(reached));
    QCOMPARE(collection.count(), 1);
    // The warning says what happened, not that another user holds the database.
    QCOMPARE(reporter.messages.size(), 1);
    QCOMPARE(reporter.messages[0].title, QStringLiteral("LOCK_NOT_CREATED_TITLE"));
    QVERIFY(reporter.messages[0].text.startsWith(QStringLiteral("LOCK_NOT_CREATED /proc/self/fd/LockFile.txt ")));
    QVERIFY(!collection.isReadOnly());
    log.CloseLog();
    QFile file(logDir.filePath(QStringLiteral("log.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("/proc/self/fd/LockFile.txt ErrorCreate</Entry>"));
}

void TestLockFile::danglingLinkAndUnreadableDatabase()
{
    // A lock file that is a link to nowhere holds nobody's lock.
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone.txt")), lockPath()));
    RecordingReporter reporter;
    auto collection = std::make_unique<DBItemCollection>(nullptr, &reporter);
    QVERIFY(collection->LoadFromAsciiFile(m_db));
    QVERIFY(!collection->isReadOnly());
    QVERIFY(reporter.messages.isEmpty());
    QVERIFY(!QFileInfo(lockPath()).isSymLink());
    collection.reset();
    QVERIFY(!QFileInfo(lockPath()).exists());

    // A database that cannot be read takes no lock.
    DBItemCollection missing;
    QVERIFY(!missing.LoadFromAsciiFile(m_dir->filePath(QStringLiteral("missing.db"))));
    QVERIFY(!QFileInfo(lockPath()).exists());
}

void TestLockFile::leftLocks_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<bool>("otherComputer");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("taken");

    const QString stale = QStringLiteral("STALE_LOCK_TITLE");
    const QString held = QStringLiteral("FILE_ALLREADY_OPEN_WARNING");
    const QString confirm = QStringLiteral("TAKE_OVER_LOCK_TITLE");
    // Left by this program, killed: one question.
    QTest::newRow("ended") << "ended" << false << QList<int>{0} << QStringList{stale} << true;
    QTest::newRow("ended, kept read-only") << "ended" << false << QList<int>{1} << QStringList{stale} << false;
    QTest::newRow("id now another program's") << "sleep" << false << QList<int>{0} << QStringList{stale} << true;
    // This program still runs there: nothing to take over.
    QTest::newRow("running") << "running" << false << QList<int>{0, 0} << QStringList{} << false;
    // Another computer's, or without a process id: taken only when the user confirms.
    QTest::newRow("other computer") << "ended" << true << QList<int>{1, 0} << QStringList{held, confirm} << true;
    QTest::newRow("other computer, read-only") << "ended" << true << QList<int>{0} << QStringList{held} << false;
    QTest::newRow("no process id, not confirmed") << "" << false << QList<int>{1, 1} << QStringList{held, confirm}
                                                  << false;
}

void TestLockFile::leftLocks()
{
    QFETCH(QString, holder);
    QFETCH(bool, otherComputer);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, taken);

    // The holder is a real process: one that has ended, one of another program, or a copy of
    // this program that waits.
    QProcess process;
    if (holder == u"running") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LOCKTEST_HOLD"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationFilePath(), {});
    } else if (holder == u"sleep") {
        process.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    } else if (holder == u"ended") {
        process.start(QStringLiteral("true"), {});
    }
    qint64 pid = 0;
    if (!holder.isEmpty()) {
        QVERIFY(process.waitForStarted());
        pid = process.processId();
    }
    if (holder == u"ended")
        QVERIFY(process.waitForFinished());

    const QByteArray line = (m_db + QStringLiteral(" Locked by PC: ")
                             + (otherComputer ? QStringLiteral("elsewhere") : ProcessIdentity::computerName())
                             + QStringLiteral(", User: ") + ProcessIdentity::userName()
                             + (pid ? QStringLiteral(", PID: %1").arg(pid) : QString()))
                                .toLatin1();
    {
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(line);
    }
    RecordingReporter reporter;
    reporter.answers = answers;
    {
        DBItemCollection collection(nullptr, &reporter);
        QVERIFY(collection.LoadFromAsciiFile(m_db));
        QCOMPARE(collection.isReadOnly(), !taken);
        QStringList asked;
        for (const auto& message : reporter.messages) {
            if (message.kind == u"question")
                asked << message.title;
        }
        QCOMPARE(asked, questions);
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::ReadOnly));
        const QByteArray now = lock.readAll();
        if (taken)
            QVERIFY(now.endsWith(", PID: " + QByteArray::number(ProcessIdentity::processId())));
        else
            QCOMPARE(now, line);
    }
    // A lock taken over is given back like any other; another's stays.
    QCOMPARE(QFile::exists(lockPath()), !taken);
    if (holder == u"running")
        QVERIFY(reporter.messages.value(0).text.endsWith(QString::fromLatin1(line)));
    process.kill();
    process.waitForFinished();
}

void TestLockFile::newDatabaseAfterALockedOne()
{
    // Another user holds the database; this program opened it read-only, then starts a new
    // database. That one can be saved elsewhere, but never over a database in the locked folder.
    {
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("stock.db Locked by PC: other, User: colleague");
    }
    PlaceholderTranslator translator;
    QCoreApplication::installTranslator(&translator);
    RecordingReporter reporter;
    DBItemCollection collection(nullptr, &reporter);
    QVERIFY(collection.LoadFromAsciiFile(m_db));
    QVERIFY(collection.isReadOnly());
    collection.clear();
    QVERIFY(!collection.isReadOnly());
    collection.addItem(std::make_unique<Item>());

    const QByteArray before = [this] {
        QFile f(m_db);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    reporter.messages.clear();
    QVERIFY(!collection.SaveToFileAsAscii(m_db));
    QVERIFY(!collection.SaveToFileAsAscii(m_dir->filePath(QStringLiteral("other.db"))));
    // Nor do its lookup lists go there.
    QVERIFY(!collection.saveLookupLists(m_dir->path()));
    collection.setDatabaseDir(m_dir->path());
    const QStringList groups = collection.groups().entries();
    QVERIFY(!collection.saveLookupList(DBItemCollection::ListKind::Groups, {QStringLiteral("Shelf 1")}));
    QCOMPARE(collection.groups().entries(), groups);
    // The message names the folder and its holder; this collection is not read-only.
    QCOMPARE(reporter.messages.size(), 4);
    for (const auto& message : reporter.messages) {
        QCOMPARE(message.title, QStringLiteral("FOLDER_LOCKED"));
        QCOMPARE(message.text,
                 m_dir->path() + QStringLiteral(" held by stock.db Locked by PC: other, User: colleague"));
    }
    QFile db(m_db);
    QVERIFY(db.open(QIODevice::ReadOnly));
    QCOMPARE(db.readAll(), before);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("other.db"))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("groups"))));

    QTemporaryDir elsewhere;
    QVERIFY(collection.SaveToFileAsAscii(elsewhere.filePath(QStringLiteral("new.db"))));
    QVERIFY(QFile::exists(lockPath()));
}

int main(int argc, char** argv)
{
    // A copy of this program that holds a database for a while: a live process of it.
    if (qEnvironmentVariableIsSet("LOCKTEST_HOLD")) {
        ::sleep(30);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestLockFile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lockfile.moc"
