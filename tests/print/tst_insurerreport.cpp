// The report for the insurer, read back from the PDF files it is saved as: every item with its
// fields and pictures, the subtotals and totals as the group summary counts them, the owner
// entered in the common set-up, the scopes, saving from the print preview, and a file that
// cannot be written.

#include "CommonSetup.h"
#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "InsurerReport.h"
#include "InsurerReportDialog.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "TestSettings.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The output of a poppler tool for a PDF file, runs of spaces as one; empty without the tool.
QString popplerOutput(const char* tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QLatin1StringView(tool));
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

QString pdfText(const QString& pdf)
{
    return popplerOutput("pdftotext", { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
}

// The number of pictures the PDF file holds.
int pdfImageCount(const QString& pdf)
{
    // "pdfimages -list" prints two heading lines, then one line per picture.
    const QString list = popplerOutput("pdfimages", { QStringLiteral("-list"), pdf });
    return int(list.count(QStringLiteral(" image "))) + int(list.count(QStringLiteral(" smask ")));
}

void savePdfTo(const QString& pdf)
{
    FileDialogs::setAnswerer([pdf](const FileDialogs::Request&) { return FileDialogs::Answer{ pdf, {} }; });
}

} // namespace

class TestInsurerReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void savedAsPdf();
    void pictovaCountIsNoFactor();
    void scopesAndPreview();

private:
    Item* add(int type, const QString& name, int count, double price, double priceToday, const QString& photo = {},
              const QString& receipt = {});

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    QTemporaryDir m_dir;
};

void TestInsurerReport::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->setDatabaseDir(m_dir.path());
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall") });
    m_collection->locations().setEntries({ QStringLiteral("Upstairs") });
}

void TestInsurerReport::cleanup()
{
    FileDialogs::setAnswerer({});
    PrintDialogs::setPreviewAnswerer({});
    MessageBoxes::setAnswerer({});
    m_collection.reset();
    m_settings.reset();
}

Item* TestInsurerReport::add(int type, const QString& name, int count, double price, double priceToday,
                             const QString& photo, const QString& receipt)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setNumber_of_items(count);
    item->setPrice(price);
    item->setPriceToday(priceToday);
    item->setPhotolink(photo);
    item->setReceipt(receipt);
    item->setSerialno(name + QStringLiteral("-SN"));
    item->setDate(QStringLiteral("24.12.2009"));
    Item* added = item.get();
    m_collection->addItem(std::move(item));
    return added;
}

void TestInsurerReport::savedAsPdf()
{
    // A photo and a receipt picture linked relative to the database's folder, a photo far larger
    // than it is embedded, a receipt that is no picture, and a photo that is gone.
    QImage photo(2400, 1800, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    QVERIFY(photo.save(m_dir.filePath(QStringLiteral("sofa.jpg"))));
    QVERIFY(photo.scaled(300, 400).save(m_dir.filePath(QStringLiteral("bill.png"))));
    QFile text(m_dir.filePath(QStringLiteral("bill.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("paid");
    text.close();
    add(0, QStringLiteral("Toaster"), 3, 10.0, 12.5, QString(), QStringLiteral("bill.txt"));
    add(0, QStringLiteral("Kettle æøå"), 1, 20.25, 7.0, QStringLiteral("gone.jpg"));
    add(1, QStringLiteral("Sofa"), 2, 1000.0, 400.0, QStringLiteral("sofa.jpg"), QStringLiteral("bill.png"));
    add(7, QStringLiteral("Clock"), 1, 5.0, 1.0); // a group the list does not have

    // The owner is entered once in the common set-up.
    {
        CommonSetup setup;
        setup.findChild<QLineEdit*>(QStringLiteral("ownerNameLineEdit"))->setText(QStringLiteral("Ann Owner"));
        setup.findChild<QPlainTextEdit*>(QStringLiteral("ownerAddressTextEdit"))
            ->setPlainText(QStringLiteral("1 Main Street\nSpringfield"));
        setup.findChild<QPushButton*>(QStringLiteral("buttonOk"))->click();
    }

    const QString pdf = m_dir.filePath(QStringLiteral("for the insurer"));
    savePdfTo(pdf);
    InsurerReportDialog dialog(*m_collection, {}, m_dir.filePath(QStringLiteral("home.db")), nullptr);
    dialog.findChild<QPushButton*>(QStringLiteral("pdfPushButton"))->click();
    // The suffix is added to a name given without it.
    QVERIFY(QFile::exists(pdf + QStringLiteral(".pdf")));
    const QString text2 = pdfText(pdf + QStringLiteral(".pdf"));
    if (text2.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; only the file was checked");

    for (const char* expected : { "Toaster", "Kettle æøå", "Sofa", "Clock", "Ann Owner", "1 Main Street", "Springfield",
                                  "home.db", "Toaster-SN", "24.12.2009", "Upstairs" })
        QVERIFY2(text2.contains(QString::fromUtf8(expected)), qPrintable(QString::fromUtf8(expected) + u'\n' + text2));
    // Purchase value = count x price, value today not multiplied: Kitchen 30 + 20.25, Hall 2000,
    // unknown group 5; values today 19.5, 400, 1.
    QVERIFY(text2.contains(QStringLiteral("10.00 × 3 = 30.00")));
    const QString line = QStringLiteral("INSURER_TOTAL_LINE %1 %2 INSURER_PURCHASE_VALUE %3 INSURER_VALUE_TODAY %4");
    QVERIFY(text2.contains(line.arg(QStringLiteral("INSURER_SUBTOTAL Kitchen"), QStringLiteral("2"),
                                    QStringLiteral("50.25"), QStringLiteral("19.50"))));
    QVERIFY(text2.contains(line.arg(QStringLiteral("INSURER_SUBTOTAL Hall"), QStringLiteral("1"),
                                    QStringLiteral("2000.00"), QStringLiteral("400.00"))));
    QVERIFY(text2.contains(line.arg(QStringLiteral("INSURER_GRAND_TOTAL"), QStringLiteral("4"),
                                    QStringLiteral("2055.25"), QStringLiteral("420.50"))));
    // Groups by name, the unknown group last.
    QVERIFY(text2.indexOf(QStringLiteral("Sofa")) < text2.indexOf(QStringLiteral("Toaster")));
    QVERIFY(text2.indexOf(QStringLiteral("Toaster")) < text2.indexOf(QStringLiteral("Clock")));
    // Every item is there, with or without its pictures, and says why a photo is missing.
    QVERIFY(text2.contains(QStringLiteral("INSURER_NO_PHOTO")));
    QVERIFY(text2.contains(QStringLiteral("INSURER_PHOTO_MISSING")));
    QVERIFY(text2.contains(QStringLiteral("INSURER_RECEIPT_LINKED bill.txt")));
    QVERIFY(text2.contains(QStringLiteral("INSURER_PAGE 1 ")));
    // The sofa's photo and its receipt's picture, and nothing for the text receipt.
    if (const int images = pdfImageCount(pdf + QStringLiteral(".pdf")); images > 0)
        QCOMPARE(images, 2);
}

void TestInsurerReport::pictovaCountIsNoFactor()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Pictova);
    add(0, QStringLiteral("Sunset"), 7, 100.0, 150.0);
    add(0, QStringLiteral("Harbour"), 12, 50.0, 60.0);
    const InsurerReport report(*m_collection, { m_collection->items()[0].get(), m_collection->items()[1].get() },
                               QStringLiteral("pictures.db"), InsurerReport::listCaptions(), {});
    QCOMPARE(report.purchaseTotal(), 150.0);
    QCOMPARE(report.valueTodayTotal(), 210.0);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.filePath(QStringLiteral("pictures.pdf"));
    printer.setOutputFileName(pdf);
    QVERIFY(report.render(printer));
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    // The registration numbers are printed as they are and multiply nothing.
    QVERIFY(text.contains(QStringLiteral("Antal: 7")));
    QVERIFY(text.contains(QStringLiteral("Antal: 12")));
    QVERIFY(!text.contains(QStringLiteral("×")));
    QVERIFY(text.contains(QStringLiteral("INSURER_TOTAL_LINE INSURER_GRAND_TOTAL 2 Pris 150.00 Vurd. 210.00")));
}

void TestInsurerReport::scopesAndPreview()
{
    const Item* a = add(0, QStringLiteral("Alpha"), 1, 1.0, 1.0);
    add(1, QStringLiteral("Beta"), 1, 2.0, 2.0);
    const Item* c = add(1, QStringLiteral("Gamma"), 1, 4.0, 4.0);
    InsurerReportDialog dialog(*m_collection, { c, a }, QString(), nullptr);
    QCOMPARE(dialog.chosenItems().size(), size_t(2)); // more than one row selected: those
    dialog.findChild<QRadioButton*>(QStringLiteral("allRadioButton"))->setChecked(true);
    QCOMPARE(dialog.chosenItems().size(), size_t(3));
    dialog.findChild<QRadioButton*>(QStringLiteral("groupRadioButton"))->setChecked(true);
    dialog.findChild<QComboBox*>(QStringLiteral("groupComboBox"))->setCurrentIndex(1);
    QCOMPARE(dialog.chosenItems(), (std::vector<const Item*>{ m_collection->items()[1].get(), c }));

    // A file that cannot be written is reported, and the dialog stays for another try.
    QStringList boxes;
    MessageBoxes::setAnswerer([&boxes](const MessageBoxes::Request& request) {
        boxes.append(request.title);
        return 0;
    });
    savePdfTo(m_dir.filePath(QStringLiteral("no such folder/report.pdf")));
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("pdfPushButton"))->click();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.front(), QStringLiteral("PRINT_FAILED_TITLE"));
    QVERIFY(dialog.isVisible());

    // From the preview the report is saved as a PDF file; the preview paints the same pages.
    const QString saved = m_dir.filePath(QStringLiteral("from preview.pdf"));
    savePdfTo(saved);
    const QString previewed = m_dir.filePath(QStringLiteral("previewed.pdf"));
    PrintDialogs::setPreviewAnswerer([&](QPrinter* printer, const PrintDialogs::PaintPages& paint) {
        const auto& actions = PrintDialogs::previewActions();
        if (actions.size() != 1)
            return false;
        actions.front().triggered(nullptr);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(previewed);
        paint(printer);
        return true;
    });
    dialog.findChild<QPushButton*>(QStringLiteral("previewPushButton"))->click();
    QVERIFY(PrintDialogs::previewActions().empty());
    QVERIFY(QFile::exists(saved));
    QVERIFY(QFile::exists(previewed));
    const QString text = pdfText(saved);
    if (text.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QCOMPARE(pdfText(previewed), text);
    QVERIFY(text.contains(QStringLiteral("Gamma")) && text.contains(QStringLiteral("Beta")));
    QVERIFY(!text.contains(QStringLiteral("Alpha")));
    QVERIFY(text.contains(QStringLiteral("INSURER_REPORT_SCOPE_GROUP Hall")));
}

QTEST_MAIN(TestInsurerReport)
#include "tst_insurerreport.moc"
