// List printing: header and item lines (fields, widths, cutting, padding, separator, running
// number, group and location names, filters), page breaks, the sort the collection keeps, and
// whole print runs into PDF files with their status messages.

#include "DBItemCollection.h"
#include "ListPrinting.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "PrintSettings.h"
#include "TestSettings.h"

#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every field off: a test turns on what it looks at.
PrintSettings noFields()
{
    PrintSettings settings;
    for (int field = 0; field < PrintFieldCount; ++field)
        settings.*printFieldInfo(PrintField(field)).flag = false;
    return settings;
}

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

// The text of each page, when poppler's pdftotext is installed; empty otherwise.
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
    return pages;
}

} // namespace

class TestListPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void defaultHeaderAndLine();
    void cuttingAndPadding_data();
    void cuttingAndPadding();
    void printOrderAndHeader();
    void groupAndLocationNames();
    void filters_data();
    void filters();
    void pageBreaks();
    void sortKeptAfterCancel();
    void printToPdf();
    void printerThatCannotPaint();

private:
    Item* add(int type, const QString& name, int location = 0);
    QString line(const Item& item, const PrintSettings& settings, int number = 1) const
    {
        return ListPrinting::itemLine(item, number, settings, m_collection->groups(), m_collection->locations());
    }

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<std::pair<QString, int>> m_messages;
    StatusMessage m_message;
};

void TestListPrinting::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_messages.clear();
    m_message = [this](const QString& text, int milliseconds) { m_messages.append({ text, milliseconds }); };
}

void TestListPrinting::cleanup()
{
    PrintDialogs::setAnswerer({});
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

void TestListPrinting::defaultHeaderAndLine()
{
    Item* lamp = add(1, QStringLiteral("Desk lamp"));
    lamp->setProduct(QStringLiteral("Lumo"));
    lamp->setPrice(1234.4);
    lamp->setPriceToday(900);
    lamp->setDate(QStringLiteral("24.12.2009"));
    lamp->setDescription(QStringLiteral("not printed by default"));
    const ListLines lines = ListPrinting::buildLines(*m_collection, PrintSettings(), ListPrinting::columnCaptions());
    QCOMPARE(lines.header,
             QStringLiteral("Gruppe         |Navn           |Fabrikat       |Pris     |Vurd.    |Dato       |"));
    QCOMPARE(lines.lines,
             QStringList{ QStringLiteral(
                 " Hall            | Desk lamp       | Lumo            |      1234 |       900 |  24.12.2009 |") });
}

void TestListPrinting::cuttingAndPadding_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name: first characters") << int(PrintField::Name) << 4 << " Wing |";
    QTest::newRow("name: padded right") << int(PrintField::Name) << 10 << " Wingback   |";
    QTest::newRow("count: last digits") << int(PrintField::Count) << 3 << " 345 |";
    QTest::newRow("count: padded left") << int(PrintField::Count) << 7 << "   12345 |";
    QTest::newRow("price: rounded, never cut") << int(PrintField::Price) << 3 << " 1234568 |";
    QTest::newRow("price today: padded left") << int(PrintField::PriceToday) << 5 << "    10 |";
    QTest::newRow("picture: last characters") << int(PrintField::Picture) << 9 << " chair.jpg |";
    QTest::newRow("picture: padded left") << int(PrintField::Picture) << 22 << "   /home/pics/chair.jpg |";
    QTest::newRow("date: 11 wide, whatever L") << int(PrintField::Date) << 1 << "  01.02.2003 |";
    QTest::newRow("www: last characters") << int(PrintField::Www) << 6 << " le.com |";
    QTest::newRow("receipt: last characters") << int(PrintField::Receipt) << 7 << " ipt.pdf |";
    QTest::newRow("extra 2: last characters") << int(PrintField::Extra2) << 3 << " 789 |";
    QTest::newRow("supplier: first characters") << int(PrintField::Supplier) << 3 << " Fur |";
    QTest::newRow("negative length counts as 0") << int(PrintField::Document) << -4 << "  |";
    // Lengths beyond the print set-up's range come only from a settings file edited by hand.
    QTest::newRow("name: at most 200") << int(PrintField::Name) << 100000
                                       << QStringLiteral(" Wingback%1 |").arg(QString(192, u' '));
    QTest::newRow("count: at most 20") << int(PrintField::Count) << 30000000
                                       << QStringLiteral(" %1 |").arg(QStringLiteral("12345"), 20);
}

void TestListPrinting::cuttingAndPadding()
{
    QFETCH(int, field);
    QFETCH(int, length);
    QFETCH(QString, expected);
    Item* chair = add(0, QStringLiteral("Wingback"));
    chair->setNumber_of_items(12345);
    chair->setPrice(1234567.5);
    chair->setPriceToday(9.5);
    chair->setPhotolink(QStringLiteral("/home/pics/chair.jpg"));
    chair->setDate(QStringLiteral("01.02.2003"));
    chair->setWww(QStringLiteral("https://example.com"));
    chair->setReceipt(QStringLiteral("receipt.pdf"));
    chair->setDocument(QStringLiteral("manual.odt"));
    chair->setExtra2(QStringLiteral("123456789"));
    chair->setSupplier(QStringLiteral("Furniture Ltd"));
    PrintSettings settings = noFields();
    const PrintFieldInfo& info = printFieldInfo(PrintField(field));
    settings.*info.flag = true;
    if (info.length)
        settings.*info.length = length;
    QCOMPARE(line(*chair, settings), expected);
}

void TestListPrinting::printOrderAndHeader()
{
    Item* item = add(2, QStringLiteral("N"), 1);
    const Item::TextField texts[]
        = { Item::Product,  Item::ProductModel, Item::Photolink, Item::Date,   Item::Description,
            Item::Supplier, Item::Address,      Item::Serialno,  Item::Www,    Item::Receipt,
            Item::Document, Item::Extra1,       Item::Extra2,    Item::Extra3, Item::Extra4 };
    const QString letters = QStringLiteral("PTcdDSA#wro1234");
    for (int index = 0; index < letters.size(); ++index)
        item->setText(texts[index], QString(letters[index]));
    item->setNumber_of_items(4);
    PrintSettings settings;
    for (int field = 0; field < PrintFieldCount; ++field) {
        const PrintFieldInfo& info = printFieldInfo(PrintField(field));
        settings.*info.flag = true;
        if (info.length)
            settings.*info.length = 1;
    }
    settings.printGroupFieldLength = 5;
    settings.printLocationFieldLength = 4;
    settings.printSeparator = QStringLiteral(";");
    // Product type follows the model and the receipt follows the www field, unlike in the dialog.
    QCOMPARE(line(*item, settings, 7),
             QStringLiteral("  7; Attic ; N ; P ; T ; 4 ; 0 ; 0 ; c ;           d ; Loft ;"
                            " D ; S ; A ; # ; w ; r ; o ; 1 ; 2 ; 3 ; 4 ;"));
    // A running number wider than 3 is not cut; neither is the item count's caption.
    QVERIFY(line(*item, settings, 12345).startsWith(QStringLiteral("12345; Attic ;")));
    ListPrinting::Captions captions = ListPrinting::columnCaptions();
    captions[9] = QStringLiteral("Date of purchase");
    QCOMPARE(ListPrinting::headerLine(settings, captions),
             QStringLiteral("ITEM_COUNT;Grupp;N;F;P;A;P;V;B;Date of pur;Rum ;B;L;A;S;W;K;D;E;E;E;E;"));
    // Without fields: empty header and lines, and pages without lines.
    const ListLines none = ListPrinting::buildLines(*m_collection, noFields(), captions);
    QVERIFY(none.header.isEmpty());
    QCOMPARE(none.lines, QStringList{ QString() });
    QVERIFY(ListPrinting::layoutPages(none.lines, PageMetrics{ 1000, 10, 12, 10, 3 }).at(0).lines.empty());
}

void TestListPrinting::groupAndLocationNames()
{
    add(2, QStringLiteral("a"), 1);
    add(3, QStringLiteral("b"), 2);
    add(-1, QStringLiteral("c"), -5);
    PrintSettings settings = noFields();
    settings.printGroupField = settings.printLocationField = true;
    settings.printGroupFieldLength = 4;
    settings.printLocationFieldLength = 6;
    const ListLines lines = ListPrinting::buildLines(*m_collection, settings, ListPrinting::columnCaptions());
    // Numbers outside their lists print as empty columns of the same width.
    QCOMPARE(lines.lines,
             QStringList({ QStringLiteral(" Atti | Loft   |"), QStringLiteral("      |        |"),
                           QStringLiteral("      |        |") }));
}

void TestListPrinting::filters_data()
{
    QTest::addColumn<bool>("groupOnly");
    QTest::addColumn<bool>("locationOnly");
    QTest::addColumn<QString>("lines");
    // Items: a (group 0, location 0), b (1, 1), c (2, 1), d (1, 0); lines joined by "/". The number
    // counts every item, printed or not.
    QTest::newRow("no filter") << false << false << "  1| a |/  2| b |/  3| c |/  4| d |";
    QTest::newRow("group") << true << false << "/  2| b |//  4| d |";
    QTest::newRow("location") << false << true << "/  2| b |/  3| c |/";
    QTest::newRow("either matches") << true << true << "/  2| b |/  3| c |/  4| d |";
}

void TestListPrinting::filters()
{
    QFETCH(bool, groupOnly);
    QFETCH(bool, locationOnly);
    QFETCH(QString, lines);
    add(0, QStringLiteral("a"), 0);
    add(1, QStringLiteral("b"), 1);
    add(2, QStringLiteral("c"), 1);
    add(1, QStringLiteral("d"), 0);
    PrintSettings settings = noFields();
    settings.printItemCount = settings.printNameField = true;
    settings.printNameFieldLength = 1;
    settings.printGroupOnly = groupOnly;
    settings.groupToPrint = 1;
    settings.printLocationOnly = locationOnly;
    settings.locationToPrint = 1;
    QCOMPARE(ListPrinting::buildLines(*m_collection, settings, ListPrinting::columnCaptions()).lines.join(u'/'), lines);
}

void TestListPrinting::pageBreaks()
{
    // Height 200: a page is full once the running offset passes 100. The header takes 22, each
    // line 13, so seven lines fit on a page.
    const PageMetrics metrics{ 200, 10, 12, 10, 3 };
    QStringList lines(16, QStringLiteral("x"));
    std::vector<PrintedPage> pages = ListPrinting::layoutPages(lines, metrics);
    QCOMPARE(pages.size(), size_t(3));
    QCOMPARE(pages[2].headerBaseline, 60);
    QCOMPARE(pages[0].lines.size(), size_t(7));
    QCOMPARE(pages[0].lines[0].baseline, 50 + 22 + 10);
    QCOMPARE(pages[0].lines[6].baseline, 50 + 22 + 6 * 13 + 10);
    QCOMPARE(pages[1].lines[0].index, 7);
    QCOMPARE(pages[1].lines[0].baseline, 50 + 22 + 10);
    QCOMPARE(pages[2].lines.size(), size_t(2));

    // Filtered-out lines take no room, but after a full page they start one with the header only.
    lines = QStringList(7, QStringLiteral("x")) + QStringList(5, QString());
    pages = ListPrinting::layoutPages(lines, metrics);
    QCOMPARE(pages.size(), size_t(2));
    QVERIFY(pages[1].lines.empty());
    pages = ListPrinting::layoutPages({ QStringLiteral("a"), QString(), QString(), QStringLiteral("b") }, metrics);
    QCOMPARE(pages.size(), size_t(1));
    QCOMPARE(pages[0].lines[1].index, 3);
    QCOMPARE(pages[0].lines[1].baseline, pages[0].lines[0].baseline + 13);
}

void TestListPrinting::sortKeptAfterCancel()
{
    add(0, QStringLiteral("delta"));
    add(0, QStringLiteral("Zulu"));
    add(0, QStringLiteral("alpha"));
    m_settings->setValue("Print/sortMethod", 1);
    PrintDialogs::setAnswerer([](QPrinter*) { return false; });
    QVERIFY(!ListPrinting::Print(*m_collection, nullptr, m_message));
    QCOMPARE(m_collection->at(0)->name(), QStringLiteral("Zulu"));
    QCOMPARE(m_collection->at(2)->name(), QStringLiteral("delta"));
    QCOMPARE(m_messages, (QList<std::pair<QString, int>>{ { QStringLiteral("Print afbrudt"), 2000 } }));
}

void TestListPrinting::printToPdf()
{
    // Sorted by group, group 2 alone (or location 5, which no item has): numbers 301 to 450.
    for (int index = 1; index <= 450; ++index)
        add(index % 3, QStringLiteral("Thing %1").arg(index, 3, 10, QLatin1Char('0')));
    m_settings->setValue("Print/printItemCount", true);
    m_settings->setValue("Print/printGroupOnly", true);
    m_settings->setValue("Print/groupToPrint", 2);
    m_settings->setValue("Print/printLocationOnly", true);
    m_settings->setValue("Print/locationToPrint", 5);
    const QString pdf = m_dir->filePath(QStringLiteral("list.pdf"));
    PrintDialogs::setAnswerer([&pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
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
        QVERIFY(page.trimmed().startsWith(QStringLiteral("ITEM_COUNT|Gruppe")));
    // pdftotext does not keep every space of a fixed-pitch line, so runs of spaces count as one.
    const QString all = pages.join(u'\n').simplified();
    QVERIFY(all.contains(QStringLiteral("301| Attic | Thing 002 | | 0 | 0 |")));
    QVERIFY(all.contains(QStringLiteral("450| Attic | Thing 449 |")));
    QVERIFY(!all.contains(QStringLiteral("300|")));
    QCOMPARE(all.count(QStringLiteral("| Attic |")), 150);
}

void TestListPrinting::printerThatCannotPaint()
{
    add(0, QStringLiteral("a"));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir->filePath(QStringLiteral("missing/folder/list.pdf")));
    QList<MessageBoxes::Request> boxes;
    MessageBoxes::setAnswerer([&boxes](const MessageBoxes::Request& request) {
        boxes.append(request);
        return 0;
    });
    QVERIFY(!ListPrinting::printList(*m_collection, printer, m_message));
    MessageBoxes::setAnswerer({});
    QVERIFY(!QGuiApplication::overrideCursor());
    // Told in a box, and the status no longer says the list is being printed.
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("PRINT_FAILED_TEXT"));
    QCOMPARE(m_messages, (QList<std::pair<QString, int>>{ { QStringLiteral("Printing..."), 0 },
                                                          { QStringLiteral("Print afbrudt"), 2000 } }));
}

QTEST_MAIN(TestListPrinting)
#include "tst_listprinting.moc"
