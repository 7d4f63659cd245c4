// The update-locations command as the user runs it: the file chooser, the boxes, the copy kept
// of the file, the database changed and saved, and the item list rebuilt.

#include "DBItemCollection.h"
#include "DemoDatabase.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "LocationUpdate.h"
#include "MessageBoxes.h"
#include "MessageListDialog.h"
#include "RecordingReporter.h"
#include "TestSettings.h"
#include "funiQListViewItem.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

const QString OldDate = QStringLiteral("01.02.2020");

// Shows the numbers the status message is made of.
class SummaryTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "UpdateLocations") == 0 && qstrcmp(source, "LOCATION_UPDATE_SUMMARY") == 0)
            return QStringLiteral("%1 %2 %3 %4");
        return {};
    }
    bool isEmpty() const override
    {
        return false;
    }
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestLocationUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void wholeRun();
    void nothingApplied();
    void unsavedChangesKeepTheFile();
    void readOnlyDatabaseIsLeftAlone();
    void startPathByProduct();
    void failureListCanBeCopied();

private:
    Item* add(int type, const QString& serial, int count, const QString& name);
    void fillList();
    LocationUpdateOutcome run();
    // The items as "group:serial:count", with "*" when the date is today's.
    QString state() const;
    // What the list shows: each group row with the names of its items.
    QString shown() const;
    QStringList boxTexts() const;

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
    RecordingReporter m_reporter;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    QList<MessageBoxes::Request> m_boxes;
    QList<FileDialogs::Request> m_dialogs;
    QString m_chosen;
    int m_saves = 0;
    bool m_saveSucceeds = true;
    QList<QPair<QString, int>> m_messages;
    SummaryTranslator m_translator;
};

void TestLocationUpdate::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestLocationUpdate::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings->setValue("LastDBDir", m_dir->path());
    m_file = m_dir->filePath(QStringLiteral("Location.update.txt"));
    m_chosen = m_file;
    m_boxes.clear();
    m_dialogs.clear();
    m_messages.clear();
    m_saves = 0;
    m_saveSucceeds = true;
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
    FileDialogs::setAnswerer([this](const FileDialogs::Request& request) {
        m_dialogs.append(request);
        return FileDialogs::Answer{ m_chosen, m_dir->path() };
    });

    m_collection = std::make_unique<DBItemCollection>(nullptr, &m_reporter);
    m_collection->groups().setEntries(
        { QStringLiteral("A Store"), QStringLiteral("B Shelf"), QStringLiteral("C Shelf"), QStringLiteral("D Van") });
    m_list = std::make_unique<ItemListView>(nullptr);
    DBItemCollection::setModified(false);
}

void TestLocationUpdate::cleanup()
{
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    FileDialogs::setAnswerer({});
    m_dir.reset();
    m_settings.reset();
}

Item* TestLocationUpdate::add(int type, const QString& serial, int count, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setSerialno(serial);
    item->setNumber_of_items(count);
    item->setName(name);
    item->setDate(OldDate);
    return m_collection->addItem(std::move(item));
}

void TestLocationUpdate::fillList()
{
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    DBItemCollection::setModified(false);
}

LocationUpdateOutcome TestLocationUpdate::run()
{
    return runLocationUpdate(
        nullptr, *m_collection, *m_list,
        [this] {
            ++m_saves;
            return m_saveSucceeds;
        },
        [this](const QString& text, int milliseconds) {
            m_messages.append({ text, milliseconds });
        });
}

QString TestLocationUpdate::state() const
{
    QStringList items;
    for (const auto& item : m_collection->items())
        items << QStringLiteral("%1:%2:%3%4")
                     .arg(QString::number(item->type()), item->serialno(), item->numberOfItemsText(),
                          item->date() == OldDate ? u"" : u"*");
    return items.join(u' ');
}

QString TestLocationUpdate::shown() const
{
    QStringList groups;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = m_list->topLevelItem(i);
        QStringList names;
        for (int j = 0; j < group->childCount(); ++j)
            names << funiQListViewItem::itemOf(group->child(j))->name();
        names.sort();
        groups << group->text(0) + u':' + names.join(u',');
    }
    return groups.join(u' ');
}

QStringList TestLocationUpdate::boxTexts() const
{
    QStringList texts;
    for (const MessageBoxes::Request& box : m_boxes) {
        // Every box of the update is a warning with the same caption and one button.
        if (box.icon != QMessageBox::Warning || box.title != QStringLiteral("Stockvane") || !box.buttons.isEmpty())
            texts << QStringLiteral("<unexpected box>");
        texts << box.text;
    }
    return texts;
}

void TestLocationUpdate::wholeRun()
{
    Item* drill = add(1, QStringLiteral("4711"), 5, QStringLiteral("Drill"));
    add(2, QStringLiteral("12"), 2, QStringLiteral("Saw"));
    add(0, QStringLiteral("30"), 1, QStringLiteral("Plane"));
    fillList();
    const QByteArray update = "I;2;12;+3\r\n" // the saw: 5
                              "F;1;3;0004711;5\r\n" // all drills into the van
                              "S;0;30;2\r\n" // two more planes in the store, numbered 4712
                              "I;2;12;-9\r\n" // too few saws
                              "I;1;#4711;1\r\n" // left alone
                              "Stock count 2026\r\n" // not understood
                              "S;2;30\r\n"; // the first plane onto shelf C
    QVERIFY(writeFile(m_file, update));
    const QDateTime started = QDateTime::currentDateTime();

    const LocationUpdateOutcome outcome = run();

    QVERIFY(outcome.applied);
    QCOMPARE(outcome.succeeded, 4);
    QCOMPARE(outcome.failed, 1);
    QCOMPARE(outcome.unknownLines, 1);
    QVERIFY(outcome.saved);
    QCOMPARE(m_saves, 1);

    // The chooser offers the update file beside the last database.
    QCOMPARE(m_dialogs.size(), 1);
    QCOMPARE(m_dialogs[0].mode, FileDialogs::Mode::Open);
    QCOMPARE(m_dialogs[0].caption, QStringLiteral("Open_Location_File"));
    QCOMPARE(m_dialogs[0].filter, QStringLiteral("location file (*.txt *.loc)"));
    QCOMPARE(m_dialogs[0].directory, m_dir->path() + QStringLiteral("/Location.update.txt"));

    // The lines that were not applied, in one box, each with its number, its text and why.
    QCOMPARE(boxTexts().size(), 1);
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("LOCATION_UPDATE_FAILED_LINES 2 6 %1\n").arg(m_file)));
    QCOMPARE(m_boxes[0].details,
             (QStringList{ QStringLiteral("LOCATION_UPDATE_FAILED_LINE 4 I;2;12;-9 Update (I) failed, to few items: 5 "
                                          "in record: 12 - can not subtract (-9)"),
                           QStringLiteral("LOCATION_UPDATE_FAILED_LINE 6 Stock count 2026 "
                                          "LOCATION_UPDATE_LINE_NOT_UNDERSTOOD") }));

    // The database, and the list showing it as it is now, without the drill that was moved.
    QCOMPARE(state(), QStringLiteral("2:12:5* 2:30:1 3:4711:5* 0:4712:2*"));
    QCOMPARE(m_collection->indexOf(drill), -1);
    QVERIFY(DBItemCollection::isModified());
    QCOMPARE(shown(), QStringLiteral("A Store:Plane B Shelf: C Shelf:Plane,Saw D Van:Drill"));

    // The update file is gone; its copy, named after the minute it was read, holds it all.
    QVERIFY(!QFile::exists(m_file));
    const QStringList copies = QDir(m_dir->path()).entryList({ QStringLiteral("Location.update.txt.*") }, QDir::Files);
    QCOMPARE(copies.size(), 1);
    const QDateTime copied = QDateTime::fromString(copies[0].mid(20), QStringLiteral("dd.MM.yyyy.hh.mm"));
    QVERIFY2(copied.isValid(), qPrintable(copies[0]));
    QVERIFY(copied.secsTo(started) < 60 && copied <= QDateTime::currentDateTime());
    QCOMPARE(readFile(m_dir->filePath(copies[0])), update);

    // The box names the copy, which the file chooser does not show, as the place of the file.
    QCOMPARE(m_boxes[0].text.section(u'\n', 1),
             QStringLiteral("LOCATION_UPDATE_COPY_KEPT ") + m_dir->filePath(copies[0]));

    QCOMPARE(m_messages,
             (QList<QPair<QString, int>>{ { QStringLiteral("Location.update.txt 4 1 1 "
                                                           "LOCATION_UPDATE_DATABASE_SAVED "
                                                           "LOCATION_UPDATE_FILE_REMOVED"),
                                            10000 } }));
}

void TestLocationUpdate::nothingApplied()
{
    Item* drill = add(1, QStringLiteral("4711"), 5, QStringLiteral("Drill"));
    fillList();

    // A cancelled chooser does nothing at all: no box, no save, no status message.
    m_chosen.clear();
    QVERIFY(!run().applied);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_saves, 0);
    QVERIFY(m_messages.isEmpty());

    // A copy of that name exists already (copies for this minute and the next, so the run
    // stops at the copy whenever it happens): nothing applied, the file kept for a later run.
    m_chosen = m_file;
    m_boxes.clear();
    QVERIFY(writeFile(m_file, "I;1;4711;-1\r\n"));
    const QDateTime now = QDateTime::currentDateTime();
    for (const QDateTime& when : { now, now.addSecs(60) })
        QVERIFY(writeFile(m_file + u'.' + when.toString(QStringLiteral("dd.MM.yyyy.hh.mm")), "first run"));
    QVERIFY(!run().applied);
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("Copy of file: %1 to %1.").arg(m_file)));
    QCOMPARE(readFile(m_file), QByteArray("I;1;4711;-1\r\n"));
    QCOMPARE(m_saves, 1);
    QCOMPARE(drill->number_of_items(), 5);
    QVERIFY(!DBItemCollection::isModified());

    // A file none of whose lines could be applied stays where the chooser finds it, and its
    // many failed lines come in one box.
    QDir(m_dir->path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir->path()));
    QByteArray bad;
    for (int i = 0; i < 40; ++i)
        bad += "I;1;4711;x\r\n";
    QVERIFY(writeFile(m_file, bad));
    m_boxes.clear();
    m_messages.clear();
    const LocationUpdateOutcome outcome = run();
    QVERIFY(outcome.applied && outcome.saved && !outcome.fileRemoved);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].details.size(), 40);
    QCOMPARE(m_boxes[0].details[39],
             QStringLiteral("LOCATION_UPDATE_FAILED_LINE 40 I;1;4711;x LOCATION_UPDATE_COUNT_NOT_A_NUMBER x"));
    QVERIFY(m_boxes[0].text.endsWith(QStringLiteral("LOCATION_UPDATE_FILE_KEPT ") + m_file));
    QCOMPARE(readFile(m_file), bad);
    QCOMPARE(drill->number_of_items(), 5);
    QCOMPARE(m_messages.value(0).first,
             QStringLiteral("Location.update.txt 0 40 0 LOCATION_UPDATE_DATABASE_SAVED "
                            "LOCATION_UPDATE_FILE_STAYS"));
}

void TestLocationUpdate::unsavedChangesKeepTheFile()
{
    // The database cannot be saved: the changes are in the open database only, so the file
    // stays where the chooser finds it, and the user is told not to run it again blindly.
    Item* drill = add(1, QStringLiteral("4711"), 5, QStringLiteral("Drill"));
    fillList();
    QVERIFY(writeFile(m_file, "I;1;4711;-1\r\n"));
    m_saveSucceeds = false;

    const LocationUpdateOutcome outcome = run();
    QVERIFY(outcome.applied && !outcome.saved && !outcome.fileRemoved);
    QCOMPARE(drill->number_of_items(), 4);
    QVERIFY(DBItemCollection::isModified());
    QCOMPARE(readFile(m_file), QByteArray("I;1;4711;-1\r\n"));
    QCOMPARE(boxTexts(), QStringList{ QStringLiteral("LOCATION_UPDATE_NOT_SAVED ") + m_file });
    QCOMPARE(m_messages.value(0).first,
             QStringLiteral("Location.update.txt 1 0 0 LOCATION_UPDATE_DATABASE_NOT_SAVED "
                            "LOCATION_UPDATE_FILE_STAYS"));
}

void TestLocationUpdate::readOnlyDatabaseIsLeftAlone()
{
    // Another program holds the database: it opens read-only here.
    const QString database = m_dir->filePath(QStringLiteral("stock.db"));
    QVERIFY(writeFile(database,
                      "#2.5.6 (INV)- Format: x;\r\n"
                      "1;Drill;Acme;10.000000;12.000000;01.01.2020;S;4711;;;;5;0;;;;;;;;;\r\n"));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("LockFile.txt")), "stock.db Locked by PC: other, User: someone"));
    QVERIFY(m_collection->LoadFromAsciiFile(database));
    QVERIFY(m_collection->isReadOnly());
    fillList();
    QVERIFY(writeFile(m_file, "I;1;4711;-1\r\n"));

    const LocationUpdateOutcome outcome = run();
    QVERIFY(!outcome.applied);
    QVERIFY(!outcome.saved);
    QCOMPARE(boxTexts(), QStringList{ QStringLiteral("LOCATION_UPDATE_READ_ONLY") });
    QVERIFY(m_dialogs.isEmpty());
    QCOMPARE(m_saves, 0);
    QCOMPARE(m_collection->at(0)->number_of_items(), 5);
    QCOMPARE(readFile(m_file), QByteArray("I;1;4711;-1\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList({ QStringLiteral("Location.update.txt.*") }).size(), 0);
}

void TestLocationUpdate::startPathByProduct()
{
    QCOMPARE(locationUpdateStartPath(), m_dir->path() + QStringLiteral("/Location.update.txt"));
    m_settings->clear();
    QCOMPARE(locationUpdateStartPath(), userDemoDatabaseDir(ProgramVariant::Stockvane) + QStringLiteral("/Location.update.txt"));
    SetProgramVariant(ProgramVariant::Domvara);
    QCOMPARE(locationUpdateStartPath(), QStringLiteral("/Location.update.txt"));
}

void TestLocationUpdate::failureListCanBeCopied()
{
    // The box of failed lines shows them one a line, to be read and copied, not edited.
    const QStringList lines{ QStringLiteral("Line 4: I;2;12;x"), QStringLiteral("Line 9: S;7;12") };
    MessageListDialog dialog(QMessageBox::Warning, QStringLiteral("Stockvane"), QStringLiteral("2 lines"), lines);
    auto* list = dialog.findChild<QPlainTextEdit*>(QStringLiteral("linesPlainTextEdit"));
    QVERIFY(list->isReadOnly());
    QCOMPARE(list->toPlainText(), lines.join(u'\n'));
    dialog.findChild<QPushButton*>(QStringLiteral("copyPushButton"))->click();
    QCOMPARE(QApplication::clipboard()->text(), lines.join(u'\n'));
}

QTEST_MAIN(TestLocationUpdate)
#include "tst_locationupdate.moc"
