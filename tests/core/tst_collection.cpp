#include "DBItemCollection.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QTest>

namespace {

Item* add(DBItemCollection& collection, int type, const QString& name, int count = 1, double price = 0.0)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setNumber_of_items(count);
    item->setPrice(price);
    return collection.addItem(std::move(item));
}

QString names(const DBItemCollection& collection)
{
    QStringList out;
    for (const auto& item : collection.items())
        out << item->name();
    return out.join(u',');
}

} // namespace

class TestCollection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void addRemoveAndOwnership();
    void stepping();
    void figures();
    void serialNumbers();
    void sorting_data();
    void sorting();
    void findNextKeys_data();
    void findNextKeys();
    void sharedSearchCursor();
    void searchByExample();
    void findByGroupAndSerial();

private:
    std::unique_ptr<TestSettings> m_settings;
};

void TestCollection::init()
{
    m_settings = std::make_unique<TestSettings>();
    DBItemCollection::setModified(false);
}

void TestCollection::addRemoveAndOwnership()
{
    DBItemCollection collection;
    Item* a = add(collection, 1, QStringLiteral("a"));
    QVERIFY(DBItemCollection::isModified());
    DBItemCollection::setModified(false);
    Item* b = add(collection, 1, QStringLiteral("b"));
    add(collection, 1, QStringLiteral("c"));
    QCOMPARE(collection.count(), 3);

    // Removing hands the item to the caller and does not touch the modified flag.
    DBItemCollection::setModified(false);
    std::unique_ptr<Item> removed = collection.removeItem(b);
    QCOMPARE(removed.get(), b);
    QCOMPARE(names(collection), QStringLiteral("a,c"));
    QVERIFY(!DBItemCollection::isModified());
    QVERIFY(!collection.removeItem(b));

    // An item taken out and added again is held once, at the end.
    collection.addItem(std::move(removed));
    QCOMPARE(collection.count(), 3);
    QCOMPARE(collection.indexOf(a), 0);

    // The modified flag belongs to the process and survives clear().
    collection.clear();
    QCOMPARE(collection.count(), 0);
    QVERIFY(DBItemCollection::isModified());
}

void TestCollection::stepping()
{
    DBItemCollection collection;
    Item* a = add(collection, 0, QStringLiteral("a"));
    Item* b = add(collection, 0, QStringLiteral("b"));
    Item* c = add(collection, 0, QStringLiteral("c"));
    bool edge = false;
    QCOMPARE(collection.previousItem(a, edge), a);
    QVERIFY(edge);
    QCOMPARE(collection.previousItem(c, edge), b);
    QVERIFY(!edge);
    QCOMPARE(collection.nextItem(a, edge), b);
    QVERIFY(!edge);
    QCOMPARE(collection.nextItem(c, edge), c);
    QVERIFY(edge);
    QCOMPARE(collection.first(), 0);
    QCOMPARE(collection.last(), 3);
    Item stranger;
    QCOMPARE(collection.nextItem(&stranger, edge), &stranger);
    QVERIFY(edge);
}

void TestCollection::figures()
{
    DBItemCollection collection;
    QCOMPARE(collection.maxGroup(), 0);
    QCOMPARE(collection.maxLocation(), 0);
    add(collection, 3, QStringLiteral("a"), 2, 10.0)->setPriceToday(4.0);
    add(collection, 3, QStringLiteral("b"), 1, 5.5)->setPriceToday(1.0);
    add(collection, 7, QStringLiteral("c"), 4, 1.0)->setLocation(12);
    QCOMPARE(collection.itemCount(DBItemCollection::AllGroups, false), qint64(collection.count()));
    QCOMPARE(collection.itemCount(3, false), 2);
    QCOMPARE(collection.itemCount(3, true), 3);
    QCOMPARE(collection.itemCount(DBItemCollection::AllGroups, true), 7);
    QCOMPARE(collection.itemCount(10001, false), 0);
    QCOMPARE(collection.itemCount(-1, true), 0);
    // Units beyond what an int holds are still counted.
    add(collection, 7, QStringLiteral("d"), 2000000000);
    add(collection, 7, QStringLiteral("e"), 2000000000);
    QCOMPARE(collection.itemCount(7, true), qint64(4000000004));
    // Prices are per unit: only the plain total multiplies by the number of units.
    QCOMPARE(collection.total(3, false, false), 25.5);
    QCOMPARE(collection.total(3, false, true), 15.5);
    QCOMPARE(collection.total(3, true, true), 5.0);
    QCOMPARE(collection.total(DBItemCollection::AllGroups, false, false), 29.5);
    QCOMPARE(collection.total(10001, false, false), 0.0);
    QCOMPARE(collection.maxGroup(), 7);
    QCOMPARE(collection.maxLocation(), 12);
}

void TestCollection::serialNumbers()
{
    DBItemCollection collection;
    QCOMPARE(collection.highestSerialNumber(), QStringLiteral("0"));
    m_settings->setValue(Setting::StartSerialNumber, 5000);
    QCOMPARE(collection.highestSerialNumber(), QStringLiteral("5000"));
    add(collection, 0, QStringLiteral("a"))->setSerialno(QStringLiteral("12"));
    add(collection, 0, QStringLiteral("b"))->setSerialno(QStringLiteral("abc"));
    add(collection, 0, QStringLiteral("c"))->setSerialno(QStringLiteral("-70"));
    QCOMPARE(collection.highestSerialNumber(), QStringLiteral("12"));
    QCOMPARE(DBItemCollection::nextSerialNumber(QStringLiteral("12")), QStringLiteral("13"));
    QCOMPARE(DBItemCollection::nextSerialNumber(QStringLiteral("-3")), QStringLiteral("-2"));
    // Numbers past what 64 bits hold count too, and the next one is still one higher: never
    // wrapped round to a negative number or back to one already given.
    add(collection, 0, QStringLiteral("d"))->setSerialno(QStringLiteral("9223372036854775807"));
    QCOMPARE(DBItemCollection::nextSerialNumber(collection.highestSerialNumber()), QStringLiteral("9223372036854775808"));
    add(collection, 0, QStringLiteral("e"))->setSerialno(QStringLiteral(" 0099999999999999999999"));
    QCOMPARE(DBItemCollection::nextSerialNumber(collection.highestSerialNumber()), QStringLiteral("100000000000000000000"));
}

void TestCollection::sorting_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("order");
    QTest::newRow("group") << 0 << "d,b,a,c,e";
    QTest::newRow("name by character codes") << 1 << "Zebra,apple,banan,Æble,Øl";
    QTest::newRow("value") << 5 << "e,c,a,d,b";
    QTest::newRow("date, invalid first") << 9 << "d,e,b,c,a";
    QTest::newRow("location") << 10 << "c,a,d,b,e";
    QTest::newRow("unknown key keeps order") << 3 << "a,b,c,d,e";
}

void TestCollection::sorting()
{
    QFETCH(int, key);
    QFETCH(QString, order);
    DBItemCollection collection;
    struct
    {
        const char* id;
        QString name;
        int type;
        double value;
        const char* date;
        int location;
    } rows[] = {
        {"a", QStringLiteral("banan"), 2, 30, "02.01.2001", 1},
        {"b", QStringLiteral("Æble"), 1, 100, "31.12.2000", 5},
        {"c", QStringLiteral("Zebra"), 3, 20, "01.01.2001", 0},
        {"d", QStringLiteral("apple"), 0, 40, "", 2},
        {"e", QStringLiteral("Øl"), 4, 10, "1.1.2001", 9},
    };
    for (const auto& row : rows) {
        Item* item = add(collection, row.type, key == 1 ? row.name : QString::fromLatin1(row.id), 1, row.value);
        item->setDate(QString::fromLatin1(row.date));
        item->setLocation(row.location);
    }
    collection.sort(key);
    QCOMPARE(names(collection), order);
}

void TestCollection::findNextKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("group") << 0 << "2" << "Desk Lamp";
    QTest::newRow("name ignores case") << 1 << "LAMP" << "Desk Lamp";
    QTest::newRow("product") << 2 << "ikea" << "Sofa";
    QTest::newRow("count") << 3 << "3" << "Chair";
    QTest::newRow("price rounded") << 4 << "1500" << "Sofa";
    QTest::newRow("price needs whole text") << 4 << "150" << "";
    QTest::newRow("value today") << 5 << "20" << "Desk Lamp";
    QTest::newRow("picture") << 6 << ".JPG" << "Chair";
    QTest::newRow("date exact") << 7 << "24.12.2009" << "Sofa";
    QTest::newRow("date partial") << 7 << "2009" << "";
    QTest::newRow("location") << 8 << "1" << "Sofa";
    QTest::newRow("description") << 9 << "brass" << "Desk Lamp";
    QTest::newRow("supplier") << 10 << "møbl" << "Sofa";
    QTest::newRow("address") << 11 << "garanti" << "Chair";
    QTest::newRow("serial exact") << 12 << "A-17" << "Chair";
    QTest::newRow("serial case") << 12 << "a-17" << "";
    QTest::newRow("www") << 13 << "EXAMPLE" << "Desk Lamp";
    QTest::newRow("receipt") << 14 << "kvit" << "Sofa";
    QTest::newRow("document") << 15 << "manual" << "Chair";
    QTest::newRow("model") << 16 << "ektorp" << "Sofa";
    QTest::newRow("extra1") << 17 << "one" << "Chair";
    QTest::newRow("extra4") << 20 << "four" << "Desk Lamp";
    QTest::newRow("unknown key") << 21 << "Sofa" << "";
    QTest::newRow("empty text") << 1 << "" << "";
}

void TestCollection::findNextKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, found);
    DBItemCollection collection;
    Item* sofa = add(collection, 1, QStringLiteral("Sofa"), 1, 1499.5);
    sofa->setProduct(QStringLiteral("IKEA"));
    sofa->setDate(QStringLiteral("24.12.2009"));
    sofa->setLocation(11);
    sofa->setSupplier(QStringLiteral("Jensens Møbler"));
    sofa->setReceipt(QStringLiteral("kvittering.png"));
    sofa->setProductModel(QStringLiteral("Ektorp"));
    Item* chair = add(collection, 0, QStringLiteral("Chair"), 3, 20.4);
    chair->setPhotolink(QStringLiteral("chair.jpg"));
    chair->setAddress(QStringLiteral("Garanti til 2025"));
    chair->setSerialno(QStringLiteral("A-17"));
    chair->setDocument(QStringLiteral("manual.pdf"));
    chair->setExtra1(QStringLiteral("number one"));
    Item* lamp = add(collection, 2, QStringLiteral("Desk Lamp"), 1, 99);
    lamp->setPriceToday(19.5);
    lamp->setDescription(QStringLiteral("Brass"));
    lamp->setWww(QStringLiteral("https://example.org/lamp"));
    lamp->setExtra4(QStringLiteral("Four"));
    lamp->setLocation(3);

    bool wasFound = true;
    Item* item = collection.findNext(key, text, false, wasFound);
    QCOMPARE(wasFound, !found.isEmpty());
    QCOMPARE(item ? item->name() : QString(), found);
}

void TestCollection::sharedSearchCursor()
{
    DBItemCollection collection;
    add(collection, 0, QStringLiteral("Desk Lamp"));
    add(collection, 0, QStringLiteral("Sofa"));
    add(collection, 0, QStringLiteral("Floor lamp"));
    bool found = false;
    QCOMPARE(collection.findNext(1, QStringLiteral("lamp"), false, found)->name(), QStringLiteral("Desk Lamp"));
    QCOMPARE(collection.findNext(1, QStringLiteral("lamp"), true, found)->name(), QStringLiteral("Floor lamp"));
    QVERIFY(!collection.findNext(1, QStringLiteral("lamp"), true, found));
    QVERIFY(!found);
    // After the last hit the cursor is back at the first item.
    QCOMPARE(collection.findNext(1, QStringLiteral("lamp"), true, found)->name(), QStringLiteral("Desk Lamp"));
    // The cursor is one for the whole process: another collection continues from it.
    DBItemCollection other;
    add(other, 0, QStringLiteral("lamp 0"));
    add(other, 0, QStringLiteral("lamp 1"));
    QCOMPARE(other.findNext(1, QStringLiteral("lamp"), true, found)->name(), QStringLiteral("lamp 1"));
    // A cursor beyond the end of a shorter collection finds nothing and starts again.
    collection.findNext(1, QStringLiteral("Floor"), false, found);
    DBItemCollection shorter;
    add(shorter, 0, QStringLiteral("lamp"));
    QVERIFY(!shorter.findNext(1, QStringLiteral("lamp"), true, found));
    QVERIFY(shorter.findNext(1, QStringLiteral("lamp"), true, found));
}

void TestCollection::searchByExample()
{
    DBItemCollection collection;
    SearchQuery query;
    QVERIFY(!collection.findByExample(query, false));
    add(collection, 0, QStringLiteral("Desk Lamp"))->setDate(QStringLiteral("01.01.1900"));
    add(collection, 0, QStringLiteral("Sofa"))->setDescription(QStringLiteral("green lamp shade"));
    add(collection, 0, QStringLiteral("Floor lamp"))->setLocation(4);

    // An unset date finds nothing.
    query.date = QStringLiteral("01.01.1900");
    QVERIFY(!collection.findByExample(query, false));

    // Name hits first; once they run out, the next field of the query is searched from the
    // first item.
    query.name = QStringLiteral("lamp");
    query.description = QStringLiteral("lamp");
    QCOMPARE(collection.findByExample(query, false)->name(), QStringLiteral("Desk Lamp"));
    QCOMPARE(collection.findByExample(query, true)->name(), QStringLiteral("Floor lamp"));
    QCOMPARE(collection.findByExample(query, true)->name(), QStringLiteral("Sofa"));

    SearchQuery byLocation;
    byLocation.location = 4;
    QCOMPARE(collection.findByExample(byLocation, false)->name(), QStringLiteral("Floor lamp"));
    byLocation.location = -1;
    QVERIFY(!collection.findByExample(byLocation, false));
}

void TestCollection::findByGroupAndSerial()
{
    DBItemCollection collection;
    QVERIFY(!collection.findByGroupAndSerial(0, QStringLiteral("1")));
    add(collection, 1, QStringLiteral("a"))->setSerialno(QStringLiteral("1001"));
    add(collection, 2, QStringLiteral("b"))->setSerialno(QStringLiteral("1001"));
    QCOMPARE(collection.findByGroupAndSerial(2, QStringLiteral("1001"))->name(), QStringLiteral("b"));
    QVERIFY(!collection.findByGroupAndSerial(1, QStringLiteral("100")));
    QVERIFY(!collection.findByGroupAndSerial(-1, QStringLiteral("1001")));
    QVERIFY(!collection.findByGroupAndSerial(1, QString()));
}

QTEST_GUILESS_MAIN(TestCollection)
#include "tst_collection.moc"
