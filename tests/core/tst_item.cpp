#include "Item.h"

#include <QTest>

class TestItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void textFieldsAreIndependent();
    void copyIsIndependent();
    void latin1TextsFromTheLoader();
    void xmlEscaping();
    void derivedValues_data();
    void derivedValues();
    void dateValue_data();
    void dateValue();
    void dump();
};

void TestItem::defaults()
{
    const Item item;
    QCOMPARE(item.type(), 0);
    QCOMPARE(item.location(), 0);
    QCOMPARE(item.number_of_items(), 0);
    QCOMPARE(item.price(), 0.0);
    QCOMPARE(item.priceToday(), 0.0);
    for (int f = 0; f < Item::TextFieldCount; ++f)
        QVERIFY(item.text(Item::TextField(f)).isEmpty());
    QCOMPARE(item.valueText(), QStringLiteral("0.00"));
}

void TestItem::textFieldsAreIndependent()
{
    // Every field lives in one shared buffer: setting, growing and shrinking one must leave
    // the others exactly as they were.
    Item item;
    QStringList expected;
    for (int f = 0; f < Item::TextFieldCount; ++f) {
        expected << QStringLiteral("field %1 ").arg(f).repeated(f % 3 + 1);
        item.setText(Item::TextField(f), expected.last());
    }
    item.setDescription(QStringLiteral("a much longer description than before, with ÆØÅ"));
    expected[Item::Description] = item.description();
    item.setName(QString());
    expected[Item::Name] = QString();
    item.setExtra4(QStringLiteral("x"));
    expected[Item::Extra4] = QStringLiteral("x");
    item.setExtra1(QStringLiteral("€ outside Latin-1"));
    expected[Item::Extra1] = QStringLiteral("€ outside Latin-1");
    for (int f = 0; f < Item::TextFieldCount; ++f)
        QCOMPARE(item.text(Item::TextField(f)), expected[f]);
    QCOMPARE(item.name(), QString());
    QCOMPARE(item.date(), expected[Item::Date]);
    QCOMPARE(item.productModel(), expected[Item::ProductModel]);
}

void TestItem::copyIsIndependent()
{
    Item original;
    original.setType(3);
    original.setName(QStringLiteral("Sofa"));
    original.setPrice(1200.5);
    original.setNumber_of_items(2);
    original.setLocation(4);
    original.setWww(QStringLiteral("https://example.org"));
    Item copy(original);
    QVERIFY(copy == original);
    copy.setName(QStringLiteral("Chair"));
    copy.setPrice(10);
    QCOMPARE(original.name(), QStringLiteral("Sofa"));
    QCOMPARE(original.price(), 1200.5);
    QVERIFY(copy != original);
}

void TestItem::latin1TextsFromTheLoader()
{
    std::array<std::string_view, Item::TextFieldCount> texts{};
    texts[Item::Name] = "K\xf8leskab";
    texts[Item::Extra4] = "7";
    Item item;
    item.setLatin1Texts(texts);
    QCOMPARE(item.name(), QStringLiteral("Køleskab"));
    QCOMPARE(item.extra4(), QStringLiteral("7"));
    QVERIFY(item.product().isEmpty());
    QVERIFY(item.extra3().isEmpty());
}

void TestItem::xmlEscaping()
{
    Item item;
    item.setName(QStringLiteral("<Tom's & Jerry's>"));
    QCOMPARE(item.name(Item::XmlEscaped), QStringLiteral("&lt;Tom&apos;s &amp; Jerry&apos;s&gt;"));
    QCOMPARE(item.name(), QStringLiteral("<Tom's & Jerry's>"));
    item.setDescription(QStringLiteral("already &amp; \"quoted\""));
    QCOMPARE(item.description(Item::XmlEscaped), QStringLiteral("already &amp;amp; &quot;quoted&quot;"));
    QCOMPARE(item.description(2), item.description());
}

void TestItem::derivedValues_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("price");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("priceNoDecimals");
    QTest::newRow("three at 12.5") << 3 << 12.5 << "37.50" << "12";
    QTest::newRow("rounding up") << 1 << 1499.5 << "1499.50" << "1500";
    QTest::newRow("negative") << 2 << -0.125 << "-0.25" << "-0";
    QTest::newRow("large") << 1 << 12345678.9 << "12345678.90" << "12345679";
}

void TestItem::derivedValues()
{
    QFETCH(int, count);
    QFETCH(double, price);
    QFETCH(QString, value);
    QFETCH(QString, priceNoDecimals);
    Item item;
    item.setNumber_of_items(count);
    item.setPrice(price);
    item.setPriceToday(price);
    QCOMPARE(item.valueText(), value);
    QCOMPARE(item.priceText(0), priceNoDecimals);
    QCOMPARE(item.priceTodayText(6), QString::asprintf("%.6f", price));
    QCOMPARE(item.numberOfItemsText(), QString::number(count));
}

void TestItem::dateValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("christmas") << "24.12.2009" << QDate(2009, 12, 24);
    QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29);
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("short form") << "1.1.2009" << QDate();
    QTest::newRow("not a day") << "31.02.2021" << QDate();
    QTest::newRow("letters") << "ab.cd.efgh" << QDate();
    QTest::newRow("two characters") << "12" << QDate();
}

void TestItem::dateValue()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    Item item;
    item.setDate(text);
    QCOMPARE(item.dateValue(), date);
    QCOMPARE(item.dateValue().isValid(), date.isValid());
}

void TestItem::dump()
{
    Item item;
    item.setType(2);
    item.setName(QStringLiteral("Lampe €"));
    item.setPrice(2500);
    item.setPriceToday(12.5);
    item.setNumber_of_items(3);
    item.setLocation(7);
    item.setDocument(QStringLiteral("not in the dump"));
    item.setProductModel(QStringLiteral("X-1"));
    item.setExtra4(QStringLiteral("last"));
    const QByteArray expected = "\nType: 2\nName: Lampe ?\nProduct: \nModel: X-1\nPrice: 2500.000000"
                                "\nPriceToday: 12.500000\nDate: \nSupplier: \nSerial_number: \nDesc: \nAddress: "
                                "\nPhoto: \nCount: 3\nRoom: 7\nWww: \nReceipt: \nExtra1: \nExtra2: \nExtra3: "
                                "\nExtra4: last";
    QCOMPARE(item.dump(), expected);
}

QTEST_GUILESS_MAIN(TestItem)
#include "tst_item.moc"
