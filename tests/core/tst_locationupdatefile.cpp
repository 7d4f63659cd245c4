// The location update file: its grammar, the ids, the copy kept of it, and what each kind of
// line does to a small stock database.

#include "DBItemCollection.h"
#include "LocationUpdateFile.h"
#include "TestSettings.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString OldDate = QStringLiteral("01.02.2020");

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

// The items as "group:serial:count", with "*" when the date is today's.
QString state(const DBItemCollection& collection)
{
    QStringList items;
    for (const auto& item : collection.items())
        items << QStringLiteral("%1:%2:%3%4")
                     .arg(QString::number(item->type()), item->serialno(), item->numberOfItemsText(),
                          item->date() == OldDate ? u"" : u"*");
    return items.join(u' ');
}

} // namespace

class TestLocationUpdateFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineForms_data();
    void lineForms();
    void readingAFile();
    void inventoryIds_data();
    void inventoryIds();
    void parseKeepsACopy();
    void applying_data();
    void applying();
    void movedAndCopiedItems();
    void laterLinesSeeEarlierOnes();
};

void TestLocationUpdateFile::lineForms_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("record"); // kind|location1|location2|id|count, empty for none
    // clang-format off
    QTest::newRow("I") << "I;3;4711;2" << "1|3||4711|2";
    QTest::newRow("empty parts dropped") << "I;;3;4711;2;" << "1|3||4711|2";
    QTest::newRow("parts not trimmed") << "I; 3;4711 ;2" << "1| 3||4711 |2";
    QTest::newRow("F") << "F;1;2;4711;5" << "3|1|2|4711|5";
    QTest::newRow("S, three parts") << "S;;2;;4711" << "2|2||4711|";
    QTest::newRow("S, four parts") << "S;2;4711;3" << "0|2||4711|3";
    // clang-format on
    for (const char* line : { "i;3;4711;2", "I;3;4711", "I;3;4711;2;9", "F;1;2;4711", "S;2", "S;2;4711;3;1", ";;",
                              "#2.5.6 (INV)- Format: type;name" })
        QTest::newRow(line) << QString::fromLatin1(line) << QString();
}

void TestLocationUpdateFile::lineForms()
{
    QFETCH(QString, line);
    const std::optional<LocationUpdateRecord> parsed = parseLocationUpdateLine(line);
    const QString record = parsed ? QStringList{ QString::number(int(parsed->kind)), parsed->locationId1,
                                                 parsed->location2, parsed->inventoryId, parsed->numberOfItems }
                                        .join(u'|')
                                  : QString();
    QTEST(record, "record");
}

void TestLocationUpdateFile::readingAFile()
{
    // CR LF and LF, empty lines, a line the scanner marked with "#", lines of no form, and a
    // last line without a line end.
    QByteArray bytes
        = "I;3;4711;-2\r\n\r\nF;1;2;4711;5\nI;3;#4711;1\r\nI;3;4711\r\nLager \xe6\xf8\xe5\r\n\nS;2;0004711;3";
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const LocationUpdateFile file = readLocationUpdates(buffer);
    QCOMPARE(int(file.records.size()), 3);
    QCOMPARE(file.records[0].numberOfItems, QStringLiteral("-2"));
    QCOMPARE(file.records[1].kind, UpdateKind::Move);
    QCOMPARE(file.records[2].numberOfItems, QStringLiteral("3"));
    QCOMPARE(file.discardedLines, 1);
    // Each line keeps its number in the file and its text, for telling the user which failed.
    QCOMPARE(file.records[1].source.number, 3);
    QCOMPARE(file.records[2].source.number, 8);
    QCOMPARE(file.records[2].source.text, QStringLiteral("S;2;0004711;3"));
    QCOMPARE(int(file.unknownLines.size()), 2);
    QCOMPARE(file.unknownLines[0].number, 5);
    QCOMPARE(file.unknownLines[1].text, QStringLiteral("Lager \u00e6\u00f8\u00e5"));
}

void TestLocationUpdateFile::inventoryIds_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("normalised"); // "-" when the id is no number
    // clang-format off
    QTest::newRow("plain") << "4711" << "4711";
    QTest::newRow("leading zeros") << "0004711" << "4711";
    // Zeros inside a number are part of it: a label's 001000 is serial number 1000, not 1.
    QTest::newRow("zeros inside stay") << "4000100002" << "4000100002";
    QTest::newRow("label of 1000") << "001000" << "1000";
    QTest::newRow("seven zeros") << "0000000" << "0";
    QTest::newRow("longer than any integer") << "123456789012345678901234" << "123456789012345678901234";
    QTest::newRow("letter") << "47a1" << "-";
    QTest::newRow("empty") << "" << "-";
    QTest::newRow("sign") << "+4711" << "-";
    QTest::newRow("blank") << " 4711" << "-";
    // clang-format on
}

void TestLocationUpdateFile::inventoryIds()
{
    QFETCH(QString, id);
    QTEST(normalisedInventoryId(id).value_or(QStringLiteral("-")), "normalised");
}

void TestLocationUpdateFile::parseKeepsACopy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Location.update.txt"));
    const QByteArray bytes = "I;3;4711;-2\r\nS;2;4711\r\n";
    QVERIFY(writeFile(path, bytes));
    QStringList warnings;
    const auto warn = [&warnings](const QString& text) { warnings << text; };
    LocationUpdateFile file;

    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5, 10));
    QVERIFY(ParseLocationFile(path, file, warn, when));
    QCOMPARE(int(file.records.size()), 2);
    const QString backup = path + QStringLiteral(".07.12.2026.14.05");
    QCOMPARE(file.backupPath, backup);
    QCOMPARE(readFile(backup), bytes);
    QCOMPARE(readFile(path), bytes);
    QVERIFY(warnings.isEmpty());

    // A second run in the same minute would need the same name: it stops before reading.
    QVERIFY(writeFile(path, "I;3;4711;-1\r\n"));
    QVERIFY(!ParseLocationFile(path, file, warn, when.addSecs(40)));
    QVERIFY(file.records.empty());
    QCOMPARE(readFile(backup), bytes);
    QVERIFY(ParseLocationFile(path, file, warn, when.addSecs(60)));

    QVERIFY(!ParseLocationFile(dir.filePath(QStringLiteral("none.txt")), file, warn));
    QVERIFY(!ParseLocationFile(dir.path(), file, warn)); // a folder cannot be read as a file
    QVERIFY(DeleteLocationFile(path, warn));
    QVERIFY(!DeleteLocationFile(path, warn));
    // A file that stays would be applied again by the next run: the user is told.
    QVERIFY(!DeleteLocationFile(dir.path(), warn));
    QCOMPARE(warnings,
             (QStringList{ QStringLiteral("Copy of file: %1 to %2 failed").arg(path, backup),
                           QStringLiteral("File: does not exist"),
                           QStringLiteral("Cannot open file %1 for reading").arg(dir.path()),
                           QStringLiteral("File: does not exist"),
                           QStringLiteral("LOCATION_FILE_NOT_DELETED %1").arg(dir.path()) }));
}

void TestLocationUpdateFile::applying_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("after"); // as state() writes it; "=" when unchanged
    QTest::addColumn<QString>("reason"); // why the line failed; empty when it was applied

    // Every row starts from groups 0 to 4 and the items 1:4711:5 2:4711:1 3:12:2.
    const auto text = [](const char* format, std::initializer_list<const char*> values) {
        QString result = QString::fromLatin1(format);
        for (const char* value : values)
            result = result.arg(QLatin1StringView(value));
        return result;
    };
    const auto where
        = [&](const char* l) { return text("Move failed, location1: %1 not found, max groups: 5", { l }); };
    const auto count = [&](const char* n) { return text("LOCATION_UPDATE_COUNT_NOT_A_NUMBER %1", { n }); };
    const auto fewF = [&](const char* n, const char* c) {
        return text("Move failed, to few items: %1 in record: 4711 - can not subtract (%2)", { n, c });
    };
    const QString unchanged = QStringLiteral("=");
    // clang-format off
    QTest::newRow("I takes off") << "I;1;4711;-2" << true << "1:4711:3* 2:4711:1 3:12:2" << "";
    QTest::newRow("I below zero") << "I;1;4711;-6" << false << unchanged
                                  << "Update (I) failed, to few items: 5 in record: 4711 - can not subtract (-6)";
    QTest::newRow("I, label number") << "I;3;000012;1" << true << "1:4711:5 2:4711:1 3:12:3*" << "";
    // A zero inside the id is no padding: 10002 is not serial number 12.
    QTest::newRow("I, zeros inside") << "I;3;10002;1" << false << unchanged << "LOCATION_UPDATE_NOT_FOUND 10002 3";
    QTest::newRow("I, id no number") << "I;1;47a1;1" << false << unchanged << "LOCATION_UPDATE_ID_NOT_A_NUMBER 47a1";
    QTest::newRow("I, no such item") << "I;4;4711;1" << false << unchanged << "LOCATION_UPDATE_NOT_FOUND 4711 4";
    QTest::newRow("I, location = groups") << "I;5;4711;1" << false << unchanged << where("5");
    QTest::newRow("I, location -1") << "I;-1;4711;1" << false << unchanged << where("-1");
    // Nothing that is not a number, or does not fit 32 bits, is read as 0 or wraps to a number.
    QTest::newRow("I, location x") << "I;x;4711;1" << false << unchanged << where("x");
    QTest::newRow("I, location 2^32 + 1") << "I;4294967297;4711;1" << false << unchanged << where("4294967297");
    QTest::newRow("I, count x") << "I;1;4711;x" << false << unchanged << count("x");
    QTest::newRow("I, count 2^32 - 2") << "I;1;4711;4294967294" << false << unchanged << count("4294967294");
    QTest::newRow("I, beyond any count") << "I;3;12;2147483647" << false << unchanged
                                         << "LOCATION_UPDATE_COUNT_TOO_LARGE 12 2147483647";

    QTest::newRow("F, part") << "F;1;2;4711;2" << true << "1:4711:3* 2:4711:3* 3:12:2" << "";
    QTest::newRow("F, all onto an item") << "F;1;2;4711;5" << true << "2:4711:6* 3:12:2" << "";
    QTest::newRow("F, all to a new place") << "F;1;4;0004711;5" << true << "2:4711:1 3:12:2 4:4711:5*" << "";
    QTest::newRow("F, part to a new place") << "F;1;4;4711;3" << true << "1:4711:2* 2:4711:1 3:12:2 4:4711:3*" << "";
    QTest::newRow("F, too few") << "F;1;2;4711;6" << false << unchanged << fewF("5", "6");
    QTest::newRow("F, too few at the target") << "F;1;2;4711;-2" << false << unchanged << fewF("1", "-2");
    QTest::newRow("F, not at location 1") << "F;3;2;4711;1" << false << unchanged
                                          << "Move failed, ItemId: 4711 - not found at location: 3";
    QTest::newRow("F, location 1") << "F;7;2;4711;1" << false << unchanged << where("7");
    QTest::newRow("F, location 2") << "F;1;9;4711;1" << false << unchanged
                                   << "Move failed, location2: 9 not found, max groups: 5";
    QTest::newRow("F, id no number") << "F;1;2;47a1;1" << false << unchanged << "LOCATION_UPDATE_ID_NOT_A_NUMBER 47a1";
    QTest::newRow("F, count x") << "F;1;4;4711;x" << false << unchanged << count("x");
    QTest::newRow("F, nothing to copy") << "F;1;4;4711;0" << false << unchanged << "LOCATION_UPDATE_COPY_NEEDS_COUNT 0";
    QTest::newRow("F, within one location") << "F;1;1;4711;5" << true << "1:4711:5* 2:4711:1 3:12:2" << "";

    QTest::newRow("S moves the first with the id") << "S;4;4711" << true << "4:4711:5 2:4711:1 3:12:2" << "";
    QTest::newRow("S, location") << "S;5;4711" << false << unchanged << where("5");
    QTest::newRow("S, no such id") << "S;4;999" << false << unchanged << "LOCATION_UPDATE_NOT_FOUND_ANYWHERE 999";
    QTest::newRow("S copy, next serial number") << "S;4;12;3" << true << "1:4711:5 2:4711:1 3:12:2 4:4712:3*" << "";
    QTest::newRow("S copy of nothing") << "S;4;12;0" << false << unchanged << "LOCATION_UPDATE_COPY_NEEDS_COUNT 0";
    QTest::newRow("S copy, count x") << "S;4;12;x" << false << unchanged << count("x");
    // A copy into a group the database lacks would be an item no list shows.
    QTest::newRow("S copy, location") << "S;5;12;3" << false << unchanged << where("5");
    QTest::newRow("S copy, location -1") << "S;-1;12;3" << false << unchanged << where("-1");
    // clang-format on
}

void TestLocationUpdateFile::applying()
{
    QFETCH(QString, line);
    TestSettings settings(ProgramVariant::Stockvane);
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Store"), QStringLiteral("A"), QStringLiteral("B"),
                                     QStringLiteral("C"), QStringLiteral("Van") });
    for (const auto& [type, serial, count] : { std::tuple{ 1, "4711", 5 }, { 2, "4711", 1 }, { 3, "12", 2 } }) {
        auto item = std::make_unique<Item>();
        item->setType(type);
        item->setSerialno(QLatin1StringView(serial));
        item->setNumber_of_items(count);
        item->setDate(OldDate);
        collection.addItem(std::move(item));
    }
    LocationUpdater updater(collection);

    const QString before = state(collection);
    LocationUpdateRecord record = *parseLocationUpdateLine(line);
    record.source = { 7, line };
    QTEST(updater.apply(record), "done");
    QFETCH(QString, after);
    QCOMPARE(state(collection), after == u"=" ? before : after);
    QCOMPARE(updater.succeeded() + updater.failed(), 1);
    QFETCH(QString, reason);
    if (reason.isEmpty()) {
        QVERIFY(updater.failures().empty());
    } else {
        QCOMPARE(updater.failures().size(), size_t(1));
        QCOMPARE(updater.failures()[0].reason, reason);
        QCOMPARE(updater.failures()[0].source.number, 7);
        QCOMPARE(updater.failures()[0].source.text, line);
    }
}

void TestLocationUpdateFile::movedAndCopiedItems()
{
    TestSettings settings(ProgramVariant::Stockvane);
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Store"), QStringLiteral("Van") });
    auto source = std::make_unique<Item>();
    source->setSerialno(QStringLiteral("4711"));
    source->setNumber_of_items(5);
    source->setName(QStringLiteral("Drill"));
    source->setPrice(12.5);
    source->setLocation(3);
    Item expected(*source);
    expected.setType(1);
    expected.setDate(QStringLiteral("07.12.2026"));
    Item* drill = collection.addItem(std::move(source));
    DBItemCollection::setModified(false);
    QList<Item*> added;
    LocationUpdater updater(collection, [&added](Item* item) { added << item; });
    updater.setToday(QDate(2026, 12, 7));

    // A copy carries every field but its place, count and date.
    QVERIFY(updater.apply(*parseLocationUpdateLine(u"F;0;1;4711;5")));
    QCOMPARE(collection.count(), 1);
    Item* moved = collection.at(0);
    QCOMPARE(added, QList<Item*>{ moved });
    QVERIFY(*moved == expected);
    QVERIFY(DBItemCollection::isModified());
    // The emptied item is out of the database, but alive until the updater goes.
    QCOMPARE(updater.removedItems().size(), size_t(1));
    QCOMPARE(updater.removedItems().front().get(), drill);
    QCOMPARE(drill->name(), QStringLiteral("Drill"));
}

void TestLocationUpdateFile::laterLinesSeeEarlierOnes()
{
    // Each line finds the items as the lines before it left them: copies they made, with the
    // serial numbers that follow one another, and not the item a move emptied.
    TestSettings settings(ProgramVariant::Stockvane);
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Store"), QStringLiteral("A"), QStringLiteral("B") });
    for (const auto& [type, serial, count] : { std::tuple{ 1, "4711", 5 }, { 1, "0012", 3 } }) {
        auto item = std::make_unique<Item>();
        item->setType(type);
        item->setSerialno(QLatin1StringView(serial));
        item->setNumber_of_items(count);
        item->setDate(OldDate);
        collection.addItem(std::move(item));
    }
    QByteArray bytes = "S;2;12;4\nS;0;4712;1\nF;1;2;4711;5\nI;2;4711;1\nI;1;4711;1\nS;0;004712;2\nF;2;0;4711;1\n";
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    LocationUpdater updater(collection);
    QCOMPARE(updater.applyAll(readLocationUpdates(buffer).records), 6);
    QCOMPARE(state(collection),
             QStringLiteral("1:0012:3 2:4712:4* 0:4713:1* 2:4711:5* 0:4714:2* 0:4711:1*"));
    QCOMPARE(updater.failures().size(), size_t(1));
    QCOMPARE(updater.failures()[0].source.number, 5);
}

QTEST_GUILESS_MAIN(TestLocationUpdateFile)
#include "tst_locationupdatefile.moc"
