// List printing: the cells of a printed list (fields, figures as the item list shows them, the
// running number, group and location names, filters, sums and count), its order, and whole
// print runs and previews into PDF files: page breaks with the header on every page, columns
// fitted to the page, status messages and failures.

#include "DBItemCollection.h"
#include "ListPrinting.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "PrintSettings.h"
#include "TestSettings.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Every field off: a test turns on what it looks at.
PrintSettings noFields()
{
    PrintSettings settings;
    for (int field = 0; field < PrintFieldCount; ++field)
        settings.*printFieldInfo(PrintField(field)).flag = false;
    return settings;
}

void storeNoFields()
{
    PrintSettings settings = noFields();
    settings.write();
}

// Texts with their placeholders, so that the tests see the count and the word for the sums.
class ListTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const QHash<QByteArray, QString> texts{
            { "LIST_SUM_TEXT", QStringLiteral("Sum") },
            { "LIST_COUNT_TEXT", QStringLiteral("Printed items: %1") },
            { "PRINT_FAILED_TEXT", QStringLiteral("Cannot print on %1") },
        };
        const bool ours = qstrcmp(context, "ListPrinting") == 0 || qstrcmp(context, "PrintJob") == 0;
        return ours ? texts.value(source) : QString();
    }
};

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

// The text of each page, with runs of spaces as one; empty when poppler's pdftotext is missing.
QStringList pdfPages(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, { QStringLiteral("-layout"), path, QStringLiteral("-") });
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages) {
        QStringList lines = page.split(u'\n');
        for (QString& line : lines)
            line = line.simplified();
        lines.removeAll(QString());
        page = lines.join(u'\n');
    }
    return pages;
}

QStringList column(const ListTable& table, int index)
{
    QStringList cells;
    for (const QStringList& row : table.rows)
        cells.append(row.value(index));
    return cells;
}

} // namespace

class TestListPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void defaultTable();
    void figuresAsTheList_data();
    void figuresAsTheList();
    void textsWholeAndNamesOfNumbers();
    void filters_data();
    void filters();
    void orderAsTheList_data();
    void orderAsTheList();
    void cancelledKeepsTheDatabase();
    void printToPdf();
    void wideListFitsThePage();
    void previewPrintsFromThePages();
    void failuresAreReported();

private:
    Item* add(int type, const QString& name, int location = 0);
    void printInto(const QString& pdf);

    ListTranslator m_translator;
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<std::pair<QString, int>> m_messages;
    QList<MessageBoxes::Request> m_boxes;
    StatusMessage m_message;
};

void TestListPrinting::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestListPrinting::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_messages.clear();
    m_boxes.clear();
    m_message = [this](const QString& text, int milliseconds) { m_messages.append({ text, milliseconds }); };
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
}

void TestListPrinting::cleanup()
{
    PrintDialogs::setAnswerer({});
    PrintDialogs::setPreviewAnswerer({});
    MessageBoxes::setAnswerer({});
    m_collection.reset();
    m_settings.reset();
}

Item* TestListPrinting::add(int type, const QString& name, int location)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setLocation(location);
    return m_collection->addItem(std::move(item));
}

void TestListPrinting::printInto(const QString& pdf)
{
    PrintDialogs::setAnswerer([pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
}

void TestListPrinting::defaultTable()
{
    Item* lamp = add(1, QStringLiteral("Desk lamp"));
    lamp->setProduct(QStringLiteral("Lumo"));
    lamp->setPrice(1234.4);
    lamp->setNumber_of_items(2);
    lamp->setPriceToday(900);
    lamp->setDate(QStringLiteral("24.12.2009"));
    lamp->setDescription(QStringLiteral("not printed by default"));
    const ListTable table = ListPrinting::buildTable(*m_collection, PrintSettings(), ListPrinting::columnCaptions());
    QStringList captions;
    for (const ListTable::Column& column : table.columns)
        captions << column.caption;
    QCOMPARE(captions, QStringList({ u"Gruppe"_s, u"Navn"_s, u"Fabrikat"_s, u"Pris"_s, u"Vurd."_s, u"Dato"_s }));
    QCOMPARE(table.rows.size(), size_t(1));
    QCOMPARE(table.rows[0],
             QStringList({ u"Hall"_s, u"Desk lamp"_s, u"Lumo"_s, u"2468.80"_s, u"900.00"_s, u"24.12.2009"_s }));
    QCOMPARE(table.sums, QStringList({ u"Sum"_s, u""_s, u""_s, u"2468.80"_s, u"900.00"_s, u""_s }));
    QCOMPARE(table.countLine, QStringLiteral("Printed items: 1"));
}

void TestListPrinting::figuresAsTheList_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QStringList>("prices");
    QTest::addColumn<QString>("priceSum");
    // The list's price column shows the value (items × price), in Pictova the price itself.
    QTest::newRow("Domvara") << ProgramVariant::Domvara << QStringList{ u"3703.50"_s, u"0.25"_s } << u"3703.75"_s;
    QTest::newRow("Stockvane") << ProgramVariant::Stockvane << QStringList{ u"3703.50"_s, u"0.25"_s } << u"3703.75"_s;
    QTest::newRow("Pictova") << ProgramVariant::Pictova << QStringList{ u"1234.50"_s, u"0.25"_s } << u"1234.75"_s;
}

void TestListPrinting::figuresAsTheList()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QStringList, prices);
    QFETCH(QString, priceSum);
    m_settings = std::make_unique<TestSettings>(variant);
    Item* chair = add(0, QStringLiteral("Chair"));
    chair->setNumber_of_items(3);
    chair->setPrice(1234.5);
    chair->setPriceToday(9.5);
    Item* pin = add(0, QStringLiteral("Pin"));
    pin->setNumber_of_items(1);
    pin->setPrice(0.25);
    pin->setPriceToday(100000000.126);
    PrintSettings settings = noFields();
    settings.printCountField = settings.printPriceField = settings.printPriceTodayField = true;
    const ListTable table = ListPrinting::buildTable(*m_collection, settings, ListPrinting::columnCaptions());
    QCOMPARE(column(table, 0), QStringList({ u"3"_s, u"1"_s }));
    QCOMPARE(column(table, 1), prices);
    QCOMPARE(column(table, 2), QStringList({ u"9.50"_s, u"100000000.13"_s }));
    // No text column for the word: the sums alone.
    QCOMPARE(table.sums, QStringList({ u"4"_s, priceSum, u"100000009.63"_s }));
}

void TestListPrinting::textsWholeAndNamesOfNumbers()
{
    add(2, QStringLiteral("a"), 1)->setPhotolink(QStringLiteral("/home/pics/a very long folder name/chair.jpg"));
    add(3, QStringLiteral("b"), 2);
    add(-1, QStringLiteral("c"), -5);
    PrintSettings settings = noFields();
    settings.printGroupField = settings.printLocationField = settings.printPictureField = true;
    settings.printGroupFieldLength = 2;
    settings.printPictureFieldLength = 5;
    settings.sortMethod = 1;
    const ListTable table = ListPrinting::buildTable(*m_collection, settings, ListPrinting::columnCaptions());
    // Texts longer than their columns are kept whole (they go on more lines when printed);
    // numbers outside their lists have no name.
    QCOMPARE(column(table, 0), QStringList({ u"Attic"_s, u""_s, u""_s }));
    QCOMPARE(column(table, 1).first(), QStringLiteral("/home/pics/a very long folder name/chair.jpg"));
    QCOMPARE(column(table, 2), QStringList({ u"Loft"_s, u""_s, u""_s }));
    QCOMPARE(table.columns[0].maxCharacters, 2);
    QCOMPARE(table.columns[1].maxCharacters, 5);
    QVERIFY(table.sums.isEmpty());
}

void TestListPrinting::filters_data()
{
    QTest::addColumn<bool>("groupOnly");
    QTest::addColumn<bool>("locationOnly");
    QTest::addColumn<QString>("rows");
    // Items: a (group 0, location 0), b (1, 1), c (2, 1), d (1, 0), in this order (sorted by
    // name). The number counts every item, printed or not.
    QTest::newRow("no filter") << false << false << "1 a/2 b/3 c/4 d";
    QTest::newRow("group") << true << false << "2 b/4 d";
    QTest::newRow("location") << false << true << "2 b/3 c";
    QTest::newRow("either matches") << true << true << "2 b/3 c/4 d";
}

void TestListPrinting::filters()
{
    QFETCH(bool, groupOnly);
    QFETCH(bool, locationOnly);
    QFETCH(QString, rows);
    add(1, QStringLiteral("d"), 0);
    add(0, QStringLiteral("a"), 0);
    add(2, QStringLiteral("c"), 1);
    add(1, QStringLiteral("b"), 1);
    PrintSettings settings = noFields();
    settings.printItemCount = settings.printNameField = true;
    settings.sortMethod = 1;
    settings.printGroupOnly = groupOnly;
    settings.groupToPrint = 1;
    settings.printLocationOnly = locationOnly;
    settings.locationToPrint = 1;
    const ListTable table = ListPrinting::buildTable(*m_collection, settings, ListPrinting::columnCaptions());
    QStringList printed;
    for (const QStringList& row : table.rows)
        printed << row.join(u' ');
    QCOMPARE(printed.join(u'/'), rows);
    QCOMPARE(table.count, int(printed.size()));
}

void TestListPrinting::orderAsTheList_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("sortMethod");
    QTest::addColumn<QString>("order");
    // Items: name, group, value, date, location (see the test).
    QTest::newRow("names, Danish") << "dk" << 1 << "apple,delta,Zulu,æble,Øl,Åse";
    QTest::newRow("names, Norwegian") << "no" << 1 << "apple,delta,Zulu,æble,Øl,Åse";
    QTest::newRow("names, English") << "en" << 1 << "æble,apple,Åse,delta,Øl,Zulu";
    QTest::newRow("groups by name") << "dk" << 0 << "delta,Øl,Åse,Zulu,apple,æble";
    QTest::newRow("value by figure") << "dk" << 5 << "Åse,Øl,apple,Zulu,delta,æble";
    QTest::newRow("date by calendar, no date first") << "dk" << 9 << "æble,Åse,Zulu,apple,delta,Øl";
    QTest::newRow("location by name") << "en" << 10 << "Zulu,delta,apple,Øl,æble,Åse";
    QTest::newRow("other keeps the order") << "dk" << 3 << "Zulu,delta,apple,æble,Øl,Åse";
}

void TestListPrinting::orderAsTheList()
{
    QFETCH(QString, language);
    QFETCH(int, sortMethod);
    QFETCH(QString, order);
    m_settings->setValue("Language", language);
    m_collection->groups().setEntries(
        { QStringLiteral("bath"), QStringLiteral("Attic"), QStringLiteral("cellar"), QStringLiteral("Zoo") });
    m_collection->locations().setEntries({ QStringLiteral("loft"), QStringLiteral("Hall"), QStringLiteral("attic") });
    const struct
    {
        const char* name;
        int group;
        double value;
        const char* date;
        int location;
    } rows[] = {
        { "Zulu", 0, 100, "31.12.2000", 2 }, { "delta", 1, 250, "02.01.2001", 2 }, { "apple", 2, 20, "01.01.2001", 1 },
        { "æble", 3, 1000, "1.1.2001", 0 },  { "Øl", 1, 9.5, "03.01.2001", 1 },    { "Åse", 1, 3, "", 0 },
    };
    for (const auto& row : rows) {
        Item* item = add(row.group, QString::fromUtf8(row.name), row.location);
        item->setNumber_of_items(1);
        item->setPrice(row.value);
        item->setDate(QString::fromLatin1(row.date));
    }
    QStringList names;
    for (const Item* item : ListPrinting::printOrder(*m_collection, sortMethod))
        names << item->name();
    QCOMPARE(names.join(u','), order);
}

void TestListPrinting::cancelledKeepsTheDatabase()
{
    add(0, QStringLiteral("delta"));
    add(0, QStringLiteral("Zulu"));
    add(0, QStringLiteral("alpha"));
    m_settings->setValue("Print/sortMethod", 1);
    PrintDialogs::setAnswerer([](QPrinter*) { return false; });
    QVERIFY(!ListPrinting::Print(*m_collection, nullptr, m_message));
    // Printing reads the database and never reorders it.
    QCOMPARE(m_collection->at(0)->name(), QStringLiteral("delta"));
    QCOMPARE(m_collection->at(2)->name(), QStringLiteral("alpha"));
    QCOMPARE(m_messages, (QList<std::pair<QString, int>>{ { QStringLiteral("Print afbrudt"), 2000 } }));
    QVERIFY(m_boxes.isEmpty());
}

void TestListPrinting::printToPdf()
{
    // Sorted by group name ("Attic" first), group 2 alone (or location 5, which no item has):
    // numbers 1 to 150, every third item.
    for (int index = 1; index <= 450; ++index) {
        Item* item = add(index % 3, QStringLiteral("Thing %1").arg(index, 3, 10, QLatin1Char('0')));
        item->setNumber_of_items(2);
        item->setPrice(index);
    }
    m_settings->setValue("Print/printItemCount", true);
    m_settings->setValue("Print/printGroupOnly", true);
    m_settings->setValue("Print/groupToPrint", 2);
    m_settings->setValue("Print/printLocationOnly", true);
    m_settings->setValue("Print/locationToPrint", 5);
    const QString pdf = m_dir->filePath(QStringLiteral("list.pdf"));
    printInto(pdf);
    QVERIFY(ListPrinting::Print(*m_collection, nullptr, m_message));
    QVERIFY(!QGuiApplication::overrideCursor());

    const int pageBreaks = int(m_messages.size()) - 2;
    QVERIFY2(pageBreaks >= 1, "150 printed lines fit on one page");
    QCOMPARE(m_messages.first(), std::make_pair(QStringLiteral("Printing..."), 0));
    for (int page = 2; page <= pageBreaks + 1; ++page)
        QCOMPARE(m_messages[page - 1], std::make_pair(QStringLiteral("Printing (page %1)...").arg(page), 0));
    QCOMPARE(m_messages.last(), std::make_pair(QStringLiteral("Print færdig"), 2000));
    QCOMPARE(pdfPageCount(pdf), pageBreaks + 1);

    const QStringList pages = pdfPages(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; the printed text was not read back");
    QCOMPARE(pages.size(), pageBreaks + 1);
    for (const QString& page : pages)
        QVERIFY2(page.startsWith(QStringLiteral("ITEM_COUNT | Gruppe | Navn | Fabrikat | Pris | Vurd. | Dato |")),
                 qPrintable(page.left(200)));
    const QString all = pages.join(u'\n');
    QVERIFY(all.contains(QStringLiteral("\n1 | Attic | Thing 002 | | 4.00 | 0.00 | |\n")));
    QVERIFY(all.contains(QStringLiteral("\n150 | Attic | Thing 449 | | 898.00 | 0.00 | |\n")));
    QVERIFY(!all.contains(QStringLiteral("151 |")));
    QCOMPARE(all.count(QStringLiteral("| Attic |")), 150);
    // The list ends with the sums of what was printed (2 × (2 + 5 + ... + 449)) and the count.
    QVERIFY(pages.last().endsWith(QStringLiteral("Sum | | | 67650.00 | 0.00 | |\nPrinted items: 150")));
}

void TestListPrinting::wideListFitsThePage()
{
    const QString longest = QStringLiteral("A description of forty-five characters, whole");
    Item* item = add(0, QStringLiteral("Wingback chair"), 1);
    item->setDescription(longest);
    item->setProduct(QStringLiteral("Carl Hansen & Søn"));
    item->setWww(QStringLiteral("https://example.com/chair"));
    item->setNumber_of_items(100000);
    item->setPrice(99999.99);
    item->setPriceToday(1234567.5);
    add(1, QStringLiteral("Lamp"));
    for (const char* key : { "Print/printCountField", "Print/printDescribeField", "Print/printWwwField" })
        m_settings->setValue(key, true);
    for (const char* key :
         { "Print/printDescribeFieldLength", "Print/printWwwFieldLength", "Print/printModelFieldLength" })
        m_settings->setValue(key, 50);
    const ListTable table = ListPrinting::buildTable(*m_collection, PrintSettings(), ListPrinting::columnCaptions());

    // Too wide for portrait paper: it turns to landscape and says so.
    const QString pdf = m_dir->filePath(QStringLiteral("wide.pdf"));
    printInto(pdf);
    QVERIFY(ListPrinting::Print(*m_collection, nullptr, m_message));
    QCOMPARE(m_messages.last(), std::make_pair(QStringLiteral("LIST_PRINTED_LANDSCAPE"), 10000));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir->filePath(QStringLiteral("layout.pdf")));
        ListLayout layout;
        QVERIFY(ListPrinting::render(printer, table, QStringLiteral("|"), &layout));
        QVERIFY(layout.turnedToLandscape);
        QVERIFY(!layout.narrowed);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        // The columns fit inside the page.
        qreal width = 0.0;
        for (const qreal column : layout.widths)
            width += column;
        QVERIFY(width < printer.pageLayout().paintRectPixels(printer.resolution()).width());
    }

    QStringList pages = pdfPages(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; the printed text was not read back");
    QCOMPARE(pages.size(), 1);
    // The captions head their columns; the longest text and the largest figures are there whole;
    // the list ends with the sums and the count.
    QCOMPARE(pages[0].section(u'\n', 0, 0),
             QStringLiteral("Gruppe | Navn | Fabrikat | Antal | Pris | Vurd. | Dato | Beskrivelse | Www |"));
    QVERIFY2(pages[0].contains(QStringLiteral("\nKitchen | Wingback chair | Carl Hansen & Søn | 100000 | 9999999000.00 "
                                              "| 1234567.50 | | ")
                               + longest + QStringLiteral(" | https://example.com/chair |")),
             qPrintable(pages[0]));
    QVERIFY(
        pages[0].endsWith(QStringLiteral("Sum | | | 100000 | 9999999000.00 | 1234567.50 | | | |\nPrinted items: 2")));

    // A text wider than the page even in the smallest font goes on more lines, and nothing is lost.
    storeNoFields();
    m_settings->setValue("Print/printDescribeField", true);
    m_settings->setValue("Print/printDescribeFieldLength", 200);
    QStringList words;
    for (int word = 1; word <= 30; ++word)
        words << QStringLiteral("word%1").arg(word);
    item->setDescription(words.join(u' ') + QStringLiteral(" ") + QString(40, u'x'));
    const QString tight = m_dir->filePath(QStringLiteral("tight.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tight);
    ListLayout layout;
    QVERIFY(
        ListPrinting::render(printer, ListPrinting::buildTable(*m_collection, PrintSettings(), {}), u"|"_s, &layout));
    QVERIFY(layout.narrowed);
    pages = pdfPages(tight);
    QVERIFY2(pages.value(0).count(u'\n') >= 4, qPrintable(pages.value(0)));
    // The lines of the cell, one below the other, read as the text.
    // Below the header and the lamp's row (Hall comes before Kitchen), above the count.
    QString cell = pages.value(0).section(u'\n', 2, -2);
    cell.remove(u'|');
    QCOMPARE(cell.simplified(), item->description());
}

void TestListPrinting::previewPrintsFromThePages()
{
    add(0, QStringLiteral("Kettle"));
    const QString pdf = m_dir->filePath(QStringLiteral("preview.pdf"));
    int paintings = 0;
    // The preview shows the pages; going back prints nothing.
    PrintDialogs::setPreviewAnswerer([&](QPrinter* printer, const PrintDialogs::PaintPages& paint) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        paint(printer);
        ++paintings;
        return paintings > 1;
    });
    QVERIFY(!ListPrinting::Preview(*m_collection, nullptr, m_message));
    QCOMPARE(m_messages.last().first, QStringLiteral("Print afbrudt"));
    QVERIFY(ListPrinting::Preview(*m_collection, nullptr, m_message));
    QCOMPARE(m_messages.last().first, QStringLiteral("Print færdig"));
    const QStringList pages = pdfPages(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; the printed text was not read back");
    QVERIFY(pages.value(0).contains(QStringLiteral("\nKitchen | Kettle |")));
}

void TestListPrinting::failuresAreReported()
{
    add(0, QStringLiteral("a"));
    // A printer that cannot be painted on is reported, and printing is not said to be done.
    printInto(m_dir->filePath(QStringLiteral("missing/folder/list.pdf")));
    QVERIFY(!ListPrinting::Print(*m_collection, nullptr, m_message));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QVERIFY(m_boxes[0].text.contains(QStringLiteral("missing/folder/list.pdf")));
    for (const auto& message : std::as_const(m_messages))
        QVERIFY(message.first != QStringLiteral("Print færdig"));

    // The same when the printer is lost on the way from the preview.
    m_boxes.clear();
    PrintDialogs::setPreviewAnswerer([this](QPrinter* printer, const PrintDialogs::PaintPages& paint) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_dir->filePath(QStringLiteral("missing/preview.pdf")));
        paint(printer);
        return true;
    });
    storeNoFields();
    QVERIFY(!ListPrinting::Preview(*m_collection, nullptr, m_message));
    QCOMPARE(m_boxes.size(), 1);
}

QTEST_MAIN(TestListPrinting)
#include "tst_listprinting.moc"
