#include "DBItemCollection.h"
#include "FailDevice.h"
#include "RecordingReporter.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>

#include <sys/resource.h>

namespace {

const QByteArray DomvaraHeader = "#2.5.5 (INB)- Format: group;name;product;price;priceToday;date;supplier;serialno;"
                                 "description;address;photolink;number_of_items;location;www;receipt;document;"
                                 "producttype;";

// A base-layout line: the twelve fields of the first format.
QByteArray baseLine(int type, const QByteArray& name, const QByteArray& rest = QByteArray())
{
    return QByteArray::number(type) + ';' + name + ";Make;100.500000;90.000000;01.02.2003;Shop;SN1;Desc;Addr;pic.jpg;2;"
        + rest;
}

Item fullItem(int type, const QString& name)
{
    Item item;
    item.setType(type);
    item.setName(name);
    item.setProduct(QStringLiteral("Ikea"));
    item.setPrice(2500);
    item.setPriceToday(1200.5);
    item.setDate(QStringLiteral("24.12.2009"));
    item.setSupplier(QStringLiteral("Shop"));
    item.setSerialno(QStringLiteral("SN-1"));
    item.setDescription(QStringLiteral("Grey"));
    item.setAddress(QStringLiteral("Warranty 2012"));
    item.setPhotolink(QStringLiteral("pics/sofa.jpg"));
    item.setNumber_of_items(2);
    item.setLocation(3);
    item.setWww(QStringLiteral("https://example.org"));
    item.setReceipt(QStringLiteral("r.png"));
    item.setDocument(QStringLiteral("d.pdf"));
    item.setProductModel(QStringLiteral("Ektorp"));
    item.setExtra1(QStringLiteral("e1"));
    item.setExtra2(QStringLiteral("e2"));
    item.setExtra3(QStringLiteral("e3"));
    item.setExtra4(QStringLiteral("e4"));
    return item;
}

QByteArray saveToBytes(DBItemCollection& collection)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!collection.writeDatabase(buffer))
        return "write failed";
    return buffer.data();
}

} // namespace

class TestDatabaseFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void formatVersions_data();
    void formatVersions();
    void repeatedHeadersExtendTheLayout();
    void emptyAndHeaderOnly();
    void productTag_data();
    void productTag();
    void parseErrors_data();
    void parseErrors();
    void longHeaderIsAnError();
    void unreadableNumbersOfItemsAndLocations();
    void textsAcrossLineEnds();
    void lastLineWithoutLineEnd();
    void lastLineCutShort();
    void missingFile();
    void newerFormatIsNeverSavedOver();
    void exactBytes_data();
    void exactBytes();
    void everyByteReadBackUnchanged();
    void saveOrdersByGroupAndKeepsModified();
    void failedWriteChangesNothing();
    void saveToMissingFolderIsReported();
    void fullDiskLeavesFileAsItWas();
    void randomRoundTrip_data();
    void randomRoundTrip();

private:
    std::unique_ptr<TestSettings> m_settings;
    RecordingReporter m_reporter;
};

void TestDatabaseFile::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_reporter = RecordingReporter();
}

void TestDatabaseFile::formatVersions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("location");
    QTest::addColumn<QString>("www");
    QTest::addColumn<QString>("receipt");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("productModel");
    QTest::addColumn<QString>("extra4");

    const QByteArray later = "7;w;r;d;m;e1;e2;e3;e4;\r\n";
    QTest::newRow("no header") << baseLine(1, "A", later) << 100 << 0 << "" << "" << "" << "" << "";
    // 2.4.0 files carry one character after the count and three more that are dropped.
    QTest::newRow("2.4.0") << "#2.4.0 old\r\n" + baseLine(1, "A", "x;y;\r\n") << 240 << 0 << "" << "" << "" << ""
                           << "";
    QTest::newRow("2.4.1") << "#2.4.1\n" + baseLine(1, "A", "7;abc\n") << 241 << 7 << "" << "" << "" << "" << "";
    QTest::newRow("2.5.0") << "#2.5.0\r\n" + baseLine(1, "A", "x;y;\r\n") << 240 << 0 << "" << "" << "" << "" << "";
    QTest::newRow("2.5.1") << "#2.5.1\r\n" + baseLine(1, "A", "7;abc\r\n") << 241 << 7 << "" << "" << "" << ""
                           << "";
    QTest::newRow("2.5.2") << "#2.5.2\r\n" + baseLine(1, "A", later) << 252 << 7 << "w" << "r" << "" << "" << "";
    QTest::newRow("2.5.3") << "#2.5.3\r\n" + baseLine(1, "A", later) << 253 << 7 << "w" << "r" << "d" << "" << "";
    QTest::newRow("2.5.4") << "#2.5.4 (INB)\r\n" + baseLine(1, "A", later) << 254 << 7 << "w" << "r" << "d" << ""
                           << "";
    QTest::newRow("2.5.5") << DomvaraHeader + "\r\n" + baseLine(1, "A", later) << 255 << 7 << "w" << "r" << "d" << "m"
                           << "";
    QTest::newRow("2.5.6") << "#2.5.6 (INB)\r\n" + baseLine(1, "A", later) << 256 << 7 << "w" << "r" << "d" << "m"
                           << "e4";
    // A later patch is read with the newest layout, and no product tag is looked for.
    QTest::newRow("2.5.7") << "#2.5.7 (XYZ)\r\n" + baseLine(1, "A", later) << 256 << 7 << "w" << "r" << "d" << "m"
                           << "e4";
    // A header of version 3 is not understood: the lines are read as the first format.
    QTest::newRow("3.0.0") << "#3.0.0 (IMA)\r\n" + baseLine(1, "A", later) << 100 << 0 << "" << "" << "" << "" << "";
    QTest::newRow("2.6.0") << "#2.6.0 (INB)\r\n" + baseLine(1, "A", "x;y;\r\n") << 240 << 0 << "" << "" << "" << ""
                           << "";
}

void TestDatabaseFile::formatVersions()
{
    QFETCH(QByteArray, file);
    QFETCH(int, version);
    QFETCH(int, location);
    QFETCH(QString, www);
    QFETCH(QString, receipt);
    QFETCH(QString, document);
    QFETCH(QString, productModel);
    QFETCH(QString, extra4);

    // Two lines, so that the second shows the first was consumed exactly to its end.
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(file + baseLine(2, "B", "0;;;;;;;;;\r\n")));
    // A format newer than 2.5.6 may hold fields that are not read: the user is told once.
    const QString newer = QString::fromLatin1(file.mid(1, 5));
    if (newer > QStringLiteral("2.5.6") && file.startsWith('#')) {
        QCOMPARE(m_reporter.messages.size(), 1);
        QCOMPARE(m_reporter.messages[0].text, QStringLiteral("DB_NEWER_FORMAT_READ %1 ").arg(newer));
    } else {
        QVERIFY2(m_reporter.messages.isEmpty(), qPrintable(m_reporter.messages.value(0).text));
    }
    QCOMPARE(fileVersion(), version);
    QCOMPARE(collection.count(), 2);
    const Item* item = collection.at(0);
    QCOMPARE(item->type(), 1);
    QCOMPARE(item->name(), QStringLiteral("A"));
    QCOMPARE(item->product(), QStringLiteral("Make"));
    QCOMPARE(item->price(), 100.5);
    QCOMPARE(item->priceToday(), 90.0);
    QCOMPARE(item->date(), QStringLiteral("01.02.2003"));
    QCOMPARE(item->photolink(), QStringLiteral("pic.jpg"));
    QCOMPARE(item->number_of_items(), 2);
    QCOMPARE(item->location(), location);
    QCOMPARE(item->www(), www);
    QCOMPARE(item->receipt(), receipt);
    QCOMPARE(item->document(), document);
    QCOMPARE(item->productModel(), productModel);
    QCOMPARE(item->extra4(), extra4);
    QCOMPARE(collection.at(1)->type(), 2);
    QCOMPARE(collection.at(1)->name(), QStringLiteral("B"));
    QVERIFY(!DBItemCollection::isModified());
}

void TestDatabaseFile::repeatedHeadersExtendTheLayout()
{
    // Each header line adds its fields to the layout in use: two 2.4.1 headers read the
    // location twice, and the second reading is the one kept.
    const QByteArray file = "#2.4.1\r\n#2.4.1\r\n" + baseLine(1, "A", "7;abc9;def\r\n") + baseLine(2, "B", "3;xyz4;uvw\r\n");
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(file));
    QCOMPARE(collection.count(), 2);
    QCOMPARE(collection.at(0)->location(), 9);
    QCOMPARE(collection.at(1)->location(), 4);
    QCOMPARE(fileVersion(), 241);
}

void TestDatabaseFile::emptyAndHeaderOnly()
{
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(QByteArray()));
    QCOMPARE(collection.count(), 0);
    QVERIFY(collection.loadFromData(DomvaraHeader + "\r\n"));
    QCOMPARE(collection.count(), 0);
    QVERIFY(collection.loadFromData(DomvaraHeader));
    QCOMPARE(collection.count(), 0);
    QVERIFY(m_reporter.messages.isEmpty());
    QCOMPARE(m_reporter.busyDepth, 0);
}

void TestDatabaseFile::productTag_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Domvara file in Domvara") << int(ProgramVariant::Domvara) << QByteArray("#2.5.5 (INB)") << true;
    QTest::newRow("Domvara file in Stockvane") << int(ProgramVariant::Stockvane) << QByteArray("#2.5.5 (INB)")
                                               << false;
    QTest::newRow("Stockvane file in Stockvane") << int(ProgramVariant::Stockvane) << QByteArray("#2.5.6 (INV)")
                                                 << true;
    QTest::newRow("coins in Pictova") << int(ProgramVariant::Pictova) << QByteArray("#2.5.4 (COI)") << false;
    QTest::newRow("tag is case-sensitive") << int(ProgramVariant::Mintora) << QByteArray("#2.5.5 (coi)") << false;
    QTest::newRow("2.5.3 has no tag") << int(ProgramVariant::Mintora) << QByteArray("#2.5.3 (INB)") << true;
    QTest::newRow("2.5.7 is not checked") << int(ProgramVariant::Pictova) << QByteArray("#2.5.7 (INB)") << true;
}

void TestDatabaseFile::productTag()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, header);
    QFETCH(bool, accepted);
    m_settings = std::make_unique<TestSettings>(ProgramVariant(variant));
    m_settings->setValue(Setting::LastDBDir, m_settings->path());

    // Written by another product: refused without a message; what came before the header stays.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("db.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(baseLine(1, "before", "\r\n") + header + "\r\n" + baseLine(2, "after", "0;;;;;;;;;;\r\n"));
    file.close();

    DBItemCollection collection(nullptr, &m_reporter);
    QCOMPARE(collection.LoadFromAsciiFile(path), accepted);
    // Nothing is said about the product; a newer format than the program knows is told as always.
    for (const RecordingReporter::Message& message : std::as_const(m_reporter.messages))
        QCOMPARE(message.title, QStringLiteral("DB_NEWER_FORMAT_TITLE"));
    QCOMPARE(collection.count(), accepted ? 2 : 1);
    QCOMPARE(collection.at(0)->name(), QStringLiteral("before"));
    QCOMPARE(m_reporter.busyDepth, 0);
    // A refused stock database gives its lock back at once.
    if (ProgramVariant(variant) == ProgramVariant::Stockvane)
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("LockFile.txt"))), accepted);
}

void TestDatabaseFile::parseErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("itemsKept");
    QTest::addColumn<int>("fileLine");
    QTest::newRow("letters in the group")
        << QByteArray(DomvaraHeader + "\r\n" + baseLine(1, "A", "0;;;;;;;;;;\r\n") + baseLine(2, "B", "0;;;;;;;;;;\r\n")
                      + "\r\nSofa;x;\r\n")
        << "An error occured while reading line 2, parameter (Type)!" << 2 << 5;
    QTest::newRow("first data line") << QByteArray("abc;\r\n")
                                     << "An error occured while reading line 0, parameter (Type)!" << 0 << 1;
    QTest::newRow("letters in the price") << QByteArray("1;Name;Make;cheap;1;\r\n")
                                          << "An error occured while reading line 0, parameter (Price)!" << 0 << 1;
    // A line that ends inside its fields is damage too: its item would be lost unseen.
    QTest::newRow("last line cut short")
        << QByteArray(DomvaraHeader + "\r\n" + baseLine(1, "Whole", "0;;;;;;;;;\r\n") + "2;Cut;Ma")
        << "An error occured while reading line 1, parameter (Model)!" << 1 << 3;
}

void TestDatabaseFile::parseErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(int, itemsKept);
    QFETCH(int, fileLine);
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(!collection.loadFromData(file));
    QVERIFY(collection.loadStoppedEarly());
    // One message: what failed, how many items were read and at which line of the file.
    QCOMPARE(m_reporter.messages.size(), 1);
    QCOMPARE(m_reporter.messages[0].kind, QStringLiteral("critical"));
    QCOMPARE(m_reporter.messages[0].title, QStringLiteral("Database error"));
    QCOMPARE(m_reporter.messages[0].text,
             message + QStringLiteral("\n\nDB_LOAD_STOPPED_AT_LINE %1 %2").arg(itemsKept).arg(fileLine));
    QCOMPARE(collection.count(), itemsKept);
    QCOMPARE(m_reporter.busyDepth, 0);
}

void TestDatabaseFile::longHeaderIsAnError()
{
    DBItemCollection collection(nullptr, &m_reporter);
    const QByteArray header = "#2.5.5 (INB)" + QByteArray(400, 'x');
    QVERIFY(!collection.loadFromData(header + "\r\n" + baseLine(1, "A", "0;;;;;\r\n")));
    QCOMPARE(m_reporter.messages.size(), 1);
    QVERIFY(m_reporter.messages[0].text.startsWith(QStringLiteral("An error occured while reading line 0, parameter (Type)!")));
}

void TestDatabaseFile::unreadableNumbersOfItemsAndLocations()
{
    const QByteArray file = "#2.4.1\r\n1;A;M;1;1;d;s;n;d;a;p;;;xyz\r\n1;B;M;1;1;d;s;n;d;a;p;many;here;xyz\r\n";
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(file));
    QCOMPARE(collection.count(), 2);
    for (const auto& item : collection.items()) {
        QCOMPARE(item->number_of_items(), 1);
        QCOMPARE(item->location(), 0);
    }
}

void TestDatabaseFile::textsAcrossLineEnds()
{
    // Only ";" ends a text, so a description of several lines is read back whole. Each CR LF
    // is read as a line feed; a CR without a line feed after it stays.
    const QByteArray file = "1;A;M;1;1;d;s;n;first line\r\nsecond\rline\r\r\n\r;a;p;1;\r\n2;B;M;1;1;d;s;n;x;a;p;1;\r\n";
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(file));
    QCOMPARE(collection.count(), 2);
    QCOMPARE(collection.at(0)->description(), QStringLiteral("first line\nsecond\rline\r\n\r"));
    QCOMPARE(collection.at(1)->name(), QStringLiteral("B"));
}

void TestDatabaseFile::lastLineWithoutLineEnd()
{
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(DomvaraHeader + "\n" + baseLine(4, "Last", "1;;;;;;;;;")));
    QCOMPARE(collection.count(), 1);
    QCOMPARE(collection.at(0)->type(), 4);
}

void TestDatabaseFile::lastLineCutShort()
{
    // White space after the last line is the normal end of the file, not a line cut short.
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(DomvaraHeader + "\r\n" + baseLine(1, "Whole", "0;;;;;;;;;\r\n") + " \r\n\t"));
    QCOMPARE(collection.count(), 1);
    QVERIFY(!collection.loadStoppedEarly());
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestDatabaseFile::missingFile()
{
    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(!collection.LoadFromAsciiFile(QStringLiteral("/nonexistent/folder/db.txt")));
    QVERIFY(m_reporter.messages.isEmpty());
    QCOMPARE(collection.count(), 0);
}

void TestDatabaseFile::newerFormatIsNeverSavedOver()
{
    // Saving would write the file in this program's format, without the fields the newer one
    // added: the file is kept as it is, and a new name is fine.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("newer.db"));
    const QByteArray bytes = "#2.6.0 (INB) more fields\r\n" + baseLine(1, "A", "x;y;later;\r\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.LoadFromAsciiFile(path));
    QCOMPARE(collection.count(), 1);
    QCOMPARE(m_reporter.messages.size(), 1);
    QCOMPARE(m_reporter.messages[0].kind, QStringLiteral("warning"));
    QCOMPARE(m_reporter.messages[0].text, QStringLiteral("DB_NEWER_FORMAT_READ 2.6.0 ") + path);
    QCOMPARE(collection.newerFormatVersion(path), QStringLiteral("2.6.0"));

    QVERIFY(!collection.SaveToFileAsAscii(path));
    QCOMPARE(m_reporter.messages.size(), 2);
    QCOMPARE(m_reporter.messages[1].text, QStringLiteral("DB_NEWER_FORMAT_NO_SAVE 2.6.0 ") + path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    file.close();

    const QString copy = dir.filePath(QStringLiteral("copy.db"));
    QVERIFY(collection.SaveToFileAsAscii(copy));
    QVERIFY(collection.newerFormatVersion(copy).isEmpty());
    collection.clear();
    QVERIFY(collection.newerFormatVersion(path).isEmpty());
}

void TestDatabaseFile::exactBytes_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("Domvara") << int(ProgramVariant::Domvara) << DomvaraHeader;
    QTest::newRow("Stockvane") << int(ProgramVariant::Stockvane)
                               << QByteArray("#2.5.6 (INV)- Format: type;name;product;price;priceToday;date;supplier;"
                                             "serialno;description;address;photolink;number_of_items;location;www;"
                                             "receipt;document;producttype;serialno;remarks;quality;www2;");
    QTest::newRow("Mintora") << int(ProgramVariant::Mintora)
                             << QByteArray("#2.5.5 (COI)- Format: type;year;mat;price;priceToday;date;catalog;"
                                           "catalogNo;description;quality;picture1;count;crown;www;picture2;"
                                           "document;producttype;");
    QTest::newRow("Pictova") << int(ProgramVariant::Pictova)
                             << QByteArray("#2.5.6 (IMA)- Format: type;name;model;price;priceToday;date;supplier;"
                                           "serialno;description;address;photolink;number_of_items;location;www;"
                                           "picture2;document;about;serialNo;remarks;quality;votes;");
}

void TestDatabaseFile::exactBytes()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, header);
    m_settings = std::make_unique<TestSettings>(ProgramVariant(variant));
    DBItemCollection collection(nullptr, &m_reporter);
    collection.addItem(std::make_unique<Item>(fullItem(1, QStringLiteral("Sofa"))));
    Item plain;
    plain.setPrice(12.5);
    plain.setName(QStringLiteral("Kåbe"));
    collection.addItem(std::make_unique<Item>(plain));

    const QByteArray expected = header + "\r\n" + "0;K\xe5" "be;;12.500000;0.000000;;;;;;;0;0;;;;;;;;;\r\n"
        + "1;Sofa;Ikea;2500.000000;1200.500000;24.12.2009;Shop;SN-1;Grey;Warranty 2012;pics/sofa.jpg;2;3;"
          "https://example.org;r.png;d.pdf;Ektorp;e1;e2;e3;e4;\r\n";
    QCOMPARE(saveToBytes(collection), expected);
}

void TestDatabaseFile::everyByteReadBackUnchanged()
{
    // Every byte a text of the file can hold (all but the separator and the line ends) is
    // written back exactly as it was read, control characters and all.
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    QByteArray bytes;
    for (int b = 1; b <= 0xff; ++b) {
        if (b != ';' && b != '\r' && b != '\n')
            bytes += char(b);
    }
    const QByteArray first = bytes.left(199), second = bytes.mid(199);
    QByteArrayList fields{ "0", first, "", "0.000000", "0.000000" };
    fields << "" << "" << "" << second << "" << "" << "1" << "0";
    for (int i = 0; i < 8; ++i)
        fields << (i == 7 ? first : QByteArray());
    const QByteArray file = DBItemCollection::headerLine(ProgramVariant::Stockvane) + "\r\n" + fields.join(';') + ";\r\n";

    DBItemCollection collection(nullptr, &m_reporter);
    QVERIFY(collection.loadFromData(file));
    QCOMPARE(collection.count(), 1);
    QCOMPARE(collection.at(0)->name().toLatin1(), first);
    QCOMPARE(saveToBytes(collection), file);
}

void TestDatabaseFile::saveOrdersByGroupAndKeepsModified()
{
    DBItemCollection collection(nullptr, &m_reporter);
    const int groups[] = {3, 1, 2, 1, 0, 3};
    for (int i = 0; i < 6; ++i)
        collection.addItem(std::make_unique<Item>(fullItem(groups[i], QString::number(i))));
    QVERIFY(DBItemCollection::isModified());

    QTemporaryDir dir;
    QVERIFY(collection.SaveToFileAsAscii(dir.filePath(QStringLiteral("db.inb"))));
    QVERIFY(DBItemCollection::isModified());
    QStringList order;
    for (const auto& item : collection.items())
        order << QString::number(item->type()) + u':' + item->name();
    QCOMPARE(order.join(u' '), QStringLiteral("0:4 1:1 1:3 2:2 3:0 3:5"));
    QVERIFY(m_reporter.busyCount > 0);
    QCOMPARE(m_reporter.busyDepth, 0);
}

void TestDatabaseFile::failedWriteChangesNothing()
{
    DBItemCollection collection(nullptr, &m_reporter);
    for (int i = 0; i < 2000; ++i)
        collection.addItem(std::make_unique<Item>(fullItem(2000 - i, QString::number(i))));
    // The device fails in the middle of the items; the collection keeps its order.
    FailDevice device(100 * 1024);
    device.open(QIODevice::WriteOnly);
    QVERIFY(!collection.writeDatabase(device));
    QCOMPARE(collection.at(0)->type(), 2000);
    QCOMPARE(collection.at(1999)->type(), 1);
}

void TestDatabaseFile::saveToMissingFolderIsReported()
{
    DBItemCollection collection(nullptr, &m_reporter);
    collection.addItem(std::make_unique<Item>(fullItem(1, QStringLiteral("x"))));
    QVERIFY(!collection.SaveToFileAsAscii(QStringLiteral("/nonexistent/folder/db.inb")));
    QCOMPARE(m_reporter.messages.size(), 1);
    QCOMPARE(m_reporter.messages[0].kind, QStringLiteral("critical"));
    QVERIFY(m_reporter.messages[0].text.contains(QStringLiteral("/nonexistent/folder/db.inb")));
}

void TestDatabaseFile::fullDiskLeavesFileAsItWas()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("db.inb"));
    const QByteArray original = DomvaraHeader + "\r\n" + baseLine(1, "Original", "0;;;;;;;;;\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    DBItemCollection collection(nullptr, &m_reporter);
    for (int i = 0; i < 5000; ++i)
        collection.addItem(std::make_unique<Item>(fullItem(i % 7, QString::number(i))));

    // A file size limit makes every write beyond 64 KiB fail, as a full disk does, even for
    // a test running as root.
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = collection.SaveToFileAsAscii(path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    QVERIFY(!saved);
    QCOMPARE(m_reporter.messages.size(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), original);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("db.inb")});
}

void TestDatabaseFile::randomRoundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("Domvara") << int(ProgramVariant::Domvara);
    QTest::newRow("Stockvane") << int(ProgramVariant::Stockvane);
    QTest::newRow("Mintora") << int(ProgramVariant::Mintora);
    QTest::newRow("Pictova") << int(ProgramVariant::Pictova);
}

void TestDatabaseFile::randomRoundTrip()
{
    // Whatever text reaches the collection, a saved database loads back with every item and
    // every field in its place. What the file cannot hold comes back changed as little as
    // possible: ";" as ",", characters outside Latin-1 as "?", texts cut at 199 characters.
    QFETCH(int, variant);
    m_settings = std::make_unique<TestSettings>(ProgramVariant(variant));
    m_settings->setValue(Setting::LastDBDir, m_settings->path());
    const bool extrasStored = variant == int(ProgramVariant::Stockvane) || variant == int(ProgramVariant::Pictova);

    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    const QString alphabet = QStringLiteral("abcXYZ 019;;\n\r\t#&<>\"'æøåÆØÅé€→\u00ff\u0100,.-");
    auto randomText = [&]() {
        QString text;
        const int kind = random.bounded(10);
        const int length = kind == 0 ? 0 : kind == 1 ? 190 + random.bounded(30) : kind == 2 ? 400 : random.bounded(25);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        return text;
    };
    auto expectedText = [](const QString& text) {
        QString out = text.left(199);
        for (QChar& c : out) {
            if (c == u';')
                c = u',';
            else if (c.unicode() > 0xff)
                c = u'?';
        }
        return out;
    };

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.db"));
    for (int round = 0; round < 3; ++round) {
        DBItemCollection original(nullptr, &m_reporter);
        for (int i = 0; i < 300; ++i) {
            auto item = std::make_unique<Item>();
            item->setType(random.bounded(-5, 40));
            item->setNumber_of_items(random.bounded(-1000, 1000000));
            item->setLocation(random.bounded(0, 10000));
            item->setPrice(random.bounded(10000000) / 100.0);
            item->setPriceToday(random.bounded(2) ? random.generateDouble() * 1e9 : -random.generateDouble());
            for (int f = 0; f < Item::TextFieldCount; ++f)
                item->setText(Item::TextField(f), randomText());
            original.addItem(std::move(item));
        }
        QVERIFY(original.SaveToFileAsAscii(path));
        QVERIFY(m_reporter.messages.isEmpty());

        DBItemCollection loaded(nullptr, &m_reporter);
        QVERIFY(loaded.LoadFromAsciiFile(path));
        QVERIFY2(m_reporter.messages.isEmpty(), qPrintable(m_reporter.messages.value(0).text));
        QCOMPARE(loaded.count(), original.count());
        for (int i = 0; i < original.count(); ++i) {
            const Item& saved = *original.at(i);
            const Item& back = *loaded.at(i);
            QCOMPARE(back.type(), saved.type());
            QCOMPARE(back.number_of_items(), saved.number_of_items());
            QCOMPARE(back.location(), saved.location());
            QCOMPARE(back.price(), QByteArray::number(saved.price(), 'f', 6).toDouble());
            QCOMPARE(back.priceToday(), QByteArray::number(saved.priceToday(), 'f', 6).toDouble());
            for (int f = 0; f < Item::TextFieldCount; ++f) {
                const auto field = Item::TextField(f);
                const bool stored = f < Item::Extra1 || extrasStored;
                QCOMPARE(back.text(field), stored ? expectedText(saved.text(field)) : QString());
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_databasefile.moc"
