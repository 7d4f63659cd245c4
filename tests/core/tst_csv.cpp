// Spreadsheet files out and in: an export read back into an empty database of each product
// gives every item back, and files as spreadsheet programs write them are read with their
// delimiter, decimal mark, encoding and quoted line breaks, naming the rows that cannot be read.

#include "CsvExport.h"
#include "CsvFields.h"
#include "CsvImport.h"
#include "DBItemCollection.h"
#include "DataPaths.h"
#include "TestSettings.h"

#include <QTest>

namespace {

void fillLists(DBItemCollection& collection)
{
    collection.setDatabaseDir(QString());
    collection.groups().setEntries(
        { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder, loft") });
    collection.locations().setEntries({ QStringLiteral("Hus"), QStringLiteral("Garage \"A\"") });
}

// Items with every field set, and texts that need quoting or are easily changed on the way.
void fillItems(DBItemCollection& collection)
{
    const double prices[] = { 0.0, 1499.5, 2500.0, 0.1, 12.345678, 1e9 + 0.25 };
    for (int i = 0; i < 6; ++i) {
        auto item = std::make_unique<Item>();
        item->setType(i % 3);
        item->setLocation(i % 2);
        item->setPrice(prices[i]);
        item->setPriceToday(prices[5 - i]);
        item->setNumber_of_items(i == 4 ? 0 : i + 1);
        item->setDate(i == 3 ? QString() : QStringLiteral("%1.0%2.20%3").arg(10 + i).arg(i + 1).arg(10 + i));
        for (int field = 0; field < Item::TextFieldCount; ++field) {
            if (field != Item::Date)
                item->setText(Item::TextField(field), QStringLiteral("T%1-%2 æøå").arg(field).arg(i));
        }
        item->setSerialno(QStringLiteral("%1").arg(100 + i));
        item->setName(i == 1 ? QStringLiteral("Sofa, \"Ølby\"") : QStringLiteral("Bord\t%1").arg(i));
        item->setDescription(QStringLiteral("Første linje\nanden, linje"));
        item->setProduct(i == 2 ? QString() : QStringLiteral("  spaced  "));
        collection.addItem(std::move(item));
    }
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void spreadsheetFiles_data();
    void spreadsheetFiles();
};

void TestCsv::initTestCase()
{
    setDataDir(sourceFile(QStringLiteral("data")));
}

void TestCsv::roundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("Domvara, Danish") << int(ProgramVariant::Domvara) << QByteArray("dk");
    QTest::newRow("Stockvane, English") << int(ProgramVariant::Stockvane) << QByteArray("en");
    QTest::newRow("Mintora, Norwegian") << int(ProgramVariant::Mintora) << QByteArray("no");
    QTest::newRow("Pictova, English") << int(ProgramVariant::Pictova) << QByteArray("en");
}

void TestCsv::roundTrip()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, language);
    TestSettings settings{ ProgramVariant(variant) };
    settings.setValue("Language", QString::fromLatin1(language));

    DBItemCollection source;
    fillLists(source);
    fillItems(source);
    std::vector<const Item*> items;
    for (const auto& item : source.items())
        items.push_back(item.get());
    const QList<QStringList> labels = CsvFields::labelListsFor(QString(), ProgramVariant(variant));
    QVERIFY(!labels.isEmpty());
    // The product's own labels of the language head the columns.
    const QStringList header = CsvFields::header(labels.value(language == "dk"       ? 0
                                                                  : language == "no" ? 1
                                                                                     : 2),
                                                 language);
    const QByteArray bytes
        = CsvExport::write(items, source.groups(), source.locations(), header, CsvStyle::forLanguage(language));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));

    DBItemCollection target;
    fillLists(target);
    const CsvImport::File file = CsvImport::read(bytes);
    QCOMPARE(file.delimiter, CsvStyle::forLanguage(language).delimiter);
    const auto mapping = CsvImport::recognise(file, labels);
    QVERIFY2(mapping, qPrintable(header.join(u'|')));
    QCOMPARE(mapping->decimalMark, CsvStyle::forLanguage(language).decimalMark);
    CsvImport::Plan plan = CsvImport::prepare(file, *mapping, target);
    QVERIFY(plan.problems.isEmpty());
    QVERIFY(plan.unknownGroups.isEmpty() && plan.unknownLocations.isEmpty());
    QCOMPARE(CsvImport::apply(plan, target, {}, nullptr), source.count());
    for (int i = 0; i < source.count(); ++i) {
        if (*target.at(i) != *source.at(i))
            QFAIL(qPrintable(
                QStringLiteral("item %1:\n%2\n-- came back as --\n%3")
                    .arg(i)
                    .arg(QString::fromLatin1(source.at(i)->dump()), QString::fromLatin1(target.at(i)->dump()))));
    }
}

void TestCsv::spreadsheetFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("problemLines");

    // Danish style with a byte-order mark: ";" and decimal comma with grouping points.
    QTest::newRow("semicolon, decimal comma, UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBFNavn;Pris;K\xC3\xB8"
                      "bsdato;Beskrivelse;Gruppe;Noget andet\r\n"
                      "Sofa;1.499,50;24.12.2009;\"To\r\nlinjer, med \"\"citat\"\"\";Stue;x\r\n"
                      "Lampe;abc;01.01.2010;;Stue;x\r\n"
                      ";;;;;\r\n"
                      "Stol;12,5;5-6-2011;;K\xC3\xB8kken;y\r\n")
        << QStringLiteral("Sofa|1499.5|24.12.2009|To\nlinjer, med \"citat\"|0#Stol|12.5|05.06.2011||1")
        << QStringLiteral("4");
    // English style in Latin-1: "," and a decimal point, ISO dates, a row cut short.
    QTest::newRow("comma, decimal point, Latin-1")
        << QByteArray("Name,Price,Date,Description,Group\n"
                      "\"Sofa, big\",\"1,499.50\",2009-12-24,\"Two\nlines\",K\xE6lder\n"
                      "Lamp,3.25,31/12/2010\n"
                      "Chair,7,1/2/2011,ok,Stue\n")
        << QStringLiteral("Sofa, big|1499.5|24.12.2009|Two\nlines|2#Chair|7|01.02.2011|ok|0") << QStringLiteral("4");
    // Tab-separated, UTF-8 without a mark, a date that is none and a quote never closed.
    QTest::newRow("tab, decimal comma, UTF-8") << QByteArray("Navn\tPris\tDato\tBeskrivelse\tGruppe\n"
                                                             "Ur\t0,75\t1.2.2003\t\"\xC3\xA6\xC3\xB8\xC3\xA5\"\tStue\n"
                                                             "Ring\t2\t30.02.2003\t\tStue\n"
                                                             "Kop\t1\t\t\"never closed\tStue\n")
                                               << QStringLiteral("Ur|0.75|01.02.2003|æøå|0") << QStringLiteral("3,4");
}

void TestCsv::spreadsheetFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(QString, problemLines);
    TestSettings settings;
    DBItemCollection collection;
    collection.setDatabaseDir(QString());
    collection.groups().setEntries({ QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") });

    const CsvImport::File file = CsvImport::read(bytes);
    const QList<QStringList> labels = CsvFields::labelListsFor(QString(), ProgramVariant::Domvara);
    QVERIFY(!CsvImport::recognise(file, labels));
    const CsvImport::Mapping mapping = CsvImport::guess(file, labels);
    QVERIFY(mapping.hasHeader);
    CsvImport::Plan plan = CsvImport::prepare(file, mapping, collection);
    QStringList lines;
    for (const CsvImport::Problem& problem : plan.problems)
        lines.append(QString::number(problem.line));
    QCOMPARE(lines.join(u','), problemLines);
    QVERIFY(plan.unknownGroups.isEmpty());
    QCOMPARE(CsvImport::apply(plan, collection, {}, nullptr), int(expected.count(u'#') + 1));
    QStringList got;
    for (const auto& item : collection.items()) {
        QString row = QStringList{ item->name(), QString::number(item->price()), item->date(), item->description(),
                                   QString::number(item->type()) }
                          .join(u'|');
        got.append(row);
    }
    QCOMPARE(got.join(u'#'), expected);
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
