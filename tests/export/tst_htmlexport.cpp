// The HTML pages byte for byte (list, table, special list, single item), their well-formedness,
// the table's columns and filters from the print settings, and the view commands.

#include "ExportTestSupport.h"
#include "FailDevice.h"
#include "HtmlExport.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

QByteArray frame(const QByteArray& title, const QByteArray& body)
{
    return "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">\r\n<head><title>" + title
        + "</title></head>\r\n<body>\r\n" + body + "</body>\r\n</html>\r\n";
}

QByteArray cell(const QByteArray& value, bool right = false)
{
    return (right ? "\t<td align=\"right\">\r\n\t\t" : "\t<td>\r\n\t\t") + value + "\r\n\t</td>\r\n";
}

QByteArray html(DBItemCollection& collection, const HtmlPage& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return writeHtml(collection, buffer, page) ? buffer.data() : QByteArray("failed");
}

// The working directory as the start of a file URL, where relative picture links are found.
QByteArray currentFolderUrl()
{
    return QUrl::fromLocalFile(QDir::currentPath()).toEncoded();
}

void groups(DBItemCollection& collection)
{
    collection.groups().setEntries({ QStringLiteral("G0"), QStringLiteral("G1"), QStringLiteral("G2") });
    collection.locations().setEntries({ QStringLiteral("Attic"), QStringLiteral("Cellar"), QStringLiteral("Hall") });
}

} // namespace

class TestHtmlExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_rec = std::make_unique<ExportRecorder>();
    }
    void cleanup()
    {
        m_rec.reset();
    }
    void listLayout();
    void emptyListAndFailingDevice();
    void table();
    void tableFilters_data();
    void tableFilters();
    void specialCases();
    void singleItem();
    void wellFormed();
    void commands();

private:
    std::unique_ptr<ExportRecorder> m_rec;
};

void TestHtmlExport::listLayout()
{
    DBItemCollection collection;
    groups(collection);
    addItem(collection, 1, QStringLiteral("A&B"), 5)->setPrice(2500);
    addItem(collection, 0, QStringLiteral("Lamp"), 1, 12.5)->setNumber_of_items(1);
    QByteArray heading = "<h2>/out/list.htm</h2>\r\n<h3>ITEM_COUNT";
    for (const int column : { 0, 1, 2, 3, 5, 6, 9, 12, 14, 11, 13, 4, 10, 15, 16, 7, 8, 17, 18, 19, 20 })
        heading += caption(column) + ';';
    const QByteArray body = heading + "</h3>\r\n<Items>\r\n<p>\r\n1; "
        + block("Group=G0|Name=Lamp|Price=0.00|PriceToday=12.50|NumberOfItems=1|Location=Cellar", "; ")
        + "</p>\r\n<p>\r\n2; "
        + block("Group=G1|Name=A&amp;B|Price=2500.00|PriceToday=0.00|NumberOfItems=0|Location=5", "; ")
        + "</p>\r\n</Items>\r\n";
    QCOMPARE(html(collection, { QStringLiteral("/out/list.htm"), true, nullptr, false, false }),
             frame("Domvara", body));
}

void TestHtmlExport::emptyListAndFailingDevice()
{
    DBItemCollection collection;
    const QByteArray page = html(collection, { QStringLiteral("/x.htm"), true, nullptr, false, false });
    QVERIFY(page.contains("</h3>\r\n<Items>\r\n</Items>\r\n</body>"));
    QVERIFY(!page.contains("<p>"));
    FailDevice device(50);
    device.open(QIODevice::WriteOnly);
    QVERIFY(!writeHtml(collection, device, { QString(), true, nullptr, false, true }));
}

void TestHtmlExport::table()
{
    m_rec->settings->setValue("Print/printItemCount", true);
    m_rec->settings->setValue("Print/printCountField", true);
    m_rec->settings->setValue("Print/printPictureField", true);
    m_rec->settings->setValue("Print/printGroupOnly", true);
    m_rec->settings->setValue("Print/groupToPrint", 0);
    m_rec->settings->setValue("Print/sortMethod", 1);
    DBItemCollection collection;
    groups(collection);
    Item* b = addItem(collection, 0, QStringLiteral("b"), 0, 0.5);
    b->setPrice(2500);
    b->setNumber_of_items(3);
    b->setProduct(QStringLiteral("P"));
    b->setDate(QStringLiteral("01.02.2003"));
    b->setPhotolink(QStringLiteral("rel/pic.png"));
    addItem(collection, 1, QStringLiteral("a"));
    addItem(collection, 0, QStringLiteral("c"));

    QByteArray head = "<table border=\"1\" >\r\n<thead>\r\n<tr>\r\n<th>No</th>\r\n";
    for (const int column : { 0, 1, 2, 4, 5, 6, 7, 9 })
        head += "<th>" + caption(column) + "</th>\r\n";
    const QByteArray picture = "<img width=\"64\" height=\"64\" src=\"" + currentFolderUrl()
        + "/rel/pic.png\" ALT=\"" + caption(7) + "\">";
    // Sorted by name; "a" is left out by the group filter but still takes number 0.
    const QByteArray body = head + "</tr>\r\n</thead>\r\n<p>\r\n</p>\r\n<p>\r\n<tr>\r\n" + cell("1") + cell("G0")
        + cell("b") + cell("P") + cell("3", true) + cell("2500.00", true) + cell("0.50", true) + cell(picture)
        + cell("01.02.2003") + "</tr>\r\n</p>\r\n<p>\r\n<tr>\r\n" + cell("2") + cell("G0") + cell("c") + cell("")
        + cell("0", true) + cell("0.00", true) + cell("0.00", true) + cell("") + cell("")
        + "</tr>\r\n</p>\r\n</table>\r\n";
    QCOMPARE(html(collection, { QString(), false, nullptr, false, true }), frame("Domvara", body));
}

void TestHtmlExport::tableFilters_data()
{
    QTest::addColumn<bool>("groupOnly");
    QTest::addColumn<bool>("locationOnly");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("location");
    QTest::addColumn<int>("rows");
    QTest::newRow("neither") << false << false << 1 << 1 << 4;
    QTest::newRow("group") << true << false << 1 << 0 << 2;
    QTest::newRow("location") << false << true << 1 << 0 << 2;
    QTest::newRow("either of both") << true << true << 0 << 1 << 2;
    QTest::newRow("both on one item") << true << true << 2 << 2 << 1;
}

void TestHtmlExport::tableFilters()
{
    QFETCH(bool, groupOnly);
    QFETCH(bool, locationOnly);
    QFETCH(int, group);
    QFETCH(int, location);
    QFETCH(int, rows);
    m_rec->settings->setValue("Print/printGroupOnly", groupOnly);
    m_rec->settings->setValue("Print/printLocationOnly", locationOnly);
    m_rec->settings->setValue("Print/groupToPrint", group);
    m_rec->settings->setValue("Print/locationToPrint", location);
    DBItemCollection collection;
    groups(collection);
    addItem(collection, 0, QStringLiteral("a"), 0);
    addItem(collection, 1, QStringLiteral("b"), 1);
    addItem(collection, 1, QStringLiteral("c"), 0);
    addItem(collection, 2, QStringLiteral("d"), 2);
    const QByteArray page = html(collection, { QString(), false, nullptr, false, true });
    QCOMPARE(page.count("<tr>\r\n"), 1 + rows);
    QCOMPARE(page.count("<p>\r\n"), 4);
}

void TestHtmlExport::specialCases()
{
    m_rec->settings.reset();
    m_rec->settings = std::make_unique<TestSettings>(ProgramVariant::Mintora);
    DBItemCollection collection;
    groups(collection);
    addItem(collection, 0, QStringLiteral("x"), 1, 0.0);
    addItem(collection, 0, QStringLiteral("y"), 2, 5.0);
    addItem(collection, 0, QStringLiteral("z"), 9, 0.0);
    const QByteArray body = "<Items>\r\n<p>\r\n1; " + block("Location=Cellar", "; ", false, true)
        + "</p>\r\n<p>\r\n</p>\r\n<p>\r\n2; " + block("Location=9", "; ", false, true) + "</p>\r\n</Items>\r\n";
    // No heading on the special list, even when asked for.
    QCOMPARE(html(collection, { QStringLiteral("/x.htm"), true, nullptr, true, false }), frame("Mintora", body));

    // Without a present value of 0 only empty paragraphs remain.
    for (const auto& item : collection.items())
        item->setPriceToday(1);
    QCOMPARE(html(collection, { QString(), false, nullptr, true, false }),
             frame("Mintora", "<Items>\r\n" + QByteArray("<p>\r\n</p>\r\n").repeated(3) + "</Items>\r\n"));
}

void TestHtmlExport::singleItem()
{
    DBItemCollection collection;
    groups(collection);
    addItem(collection, 1, QStringLiteral("other"));
    Item* item = addItem(collection, 0, QStringLiteral("Lamp"), 2);
    item->setPrice(2500);
    item->setPhotolink(QStringLiteral("rel/pic #1?%.png"));
    QByteArray expected = block("Group=G0|Name=Lamp|Price=2500.00|PriceToday=0.00|NumberOfItems=0|Location=Hall|"
                                "PictureLink=rel/pic #1?%.png",
                                "<BR>", true);
    // The picture comes first as an image, by the file URL of its absolute path: "#", "?", "%"
    // and blanks are part of the name, not of the address. The empty receipt has none.
    expected.replace("<b>" + caption(7) + "</b>",
                     "<img src=\"" + currentFolderUrl() + "/rel/pic%20%231%3F%25.png\" ALT=\"1. Image\"><BR><b>"
                         + caption(7) + "</b>");
    QCOMPARE(html(collection, { QString(), false, item, false, false }),
             frame("Domvara", "<Items>\r\n" + expected + "</Items>\r\n"));
}

// The list, the special list and the table; the single-item page is not well-formed, since its
// line breaks ("<BR>") are never closed.
void TestHtmlExport::wellFormed()
{
    for (const char* key : { "Print/printItemCount", "Print/printLocationField", "Print/printDescribeField" })
        m_rec->settings->setValue(key, true);
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Tools & <Parts>") });
    collection.locations().setEntries({ QStringLiteral("\"Loft\"") });
    addItem(collection, 0, QStringLiteral("A <b> & 'c'"))->setDescription(QStringLiteral("</td>"));
    addItem(collection, 3, QStringLiteral("Out of range"), 4);
    for (const auto& [special, table] : { std::pair(false, false), std::pair(true, false), std::pair(false, true) }) {
        const QByteArray page = html(collection, { QStringLiteral("/a&b/x.htm"), true, nullptr, special, table });
        // The page is Latin-1 and declares no encoding, so it is read as Latin-1 text.
        QXmlStreamReader reader(QString::fromLatin1(page));
        while (!reader.atEnd())
            reader.readNext();
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    }
}

void TestHtmlExport::commands()
{
    DBItemCollection collection;
    groups(collection);
    Item* item = addItem(collection, 0, QStringLiteral("Lamp"));
    addItem(collection, 1, QStringLiteral("Saw"), 0, 3.0);

    const QString database = m_rec->dir.filePath(QStringLiteral("home.db"));
    QCOMPARE(ExportCommands::SaveAsHTML(collection, QString(), false, false, QString(), m_rec->message),
             ExportCommands::Result::NoDatabaseName);
    QCOMPARE(ExportCommands::SaveAsHTML(collection, database, false, true, QString(), m_rec->message),
             ExportCommands::Result::Written);
    QVERIFY(readFile(database + QStringLiteral(".htm")).contains("<table border="));
    QCOMPARE(m_rec->messages.size(), 1);
    QCOMPARE(m_rec->messages[0].second, 10000);
    // The status names the file written once, with its suffix once.
    const QRegularExpression status(QStringLiteral("^%1 gemt, antal: 2, tid: \\d+\\.\\d\\d sec $")
                                        .arg(QRegularExpression::escape(database + QStringLiteral(".htm"))));
    QVERIFY2(status.match(m_rec->messages[0].first).hasMatch(), qPrintable(m_rec->messages[0].first));

    ExportCommands::ShowAllAsHTML(collection, m_rec->message);
    ExportCommands::ShowAllAsHTMLTable(collection, m_rec->message);
    ExportCommands::ShowAllSpecialCasesAsHTML(collection, m_rec->message);
    QVERIFY(ExportCommands::ViewCurrentAsHTML(collection, *item));
    const QStringList names = { QStringLiteral("DbItemAll.htm"), QStringLiteral("DbIemTable.htm"),
                                QStringLiteral("DbMissingItems.htm"), QStringLiteral("CurrentItem.htm") };
    QCOMPARE(m_rec->opened.size(), names.size());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(m_rec->opened[i], QUrl::fromLocalFile(m_rec->dir.filePath(names[i])));
    // The current item has no status message of its own.
    QCOMPARE(m_rec->messages.size(), 4);

    const QString all = m_rec->dir.filePath(names[0]);
    QVERIFY(readFile(all).contains("<h2>" + all.toLatin1() + "</h2>"));
    QVERIFY(readFile(m_rec->dir.filePath(names[1])).contains("<table border="));
    QCOMPARE(readFile(m_rec->dir.filePath(names[2])).count("<Item>"), 1);
    QVERIFY(readFile(m_rec->dir.filePath(names[3])).contains("<Name>Lamp<BR></Name>"));
}

QTEST_MAIN(TestHtmlExport)
#include "tst_htmlexport.moc"
