// The group summary report: figures per group and over all groups, which groups get a line and
// in which order, the Pictova layout, the window's text, and printing and previewing it into PDF
// files: every group over as many pages as it takes, with the heading on each, figures whole.

#include "DBItemCollection.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "ReportDialog.h"
#include "TestSettings.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Gives the line texts their placeholders with a visible separator, so that the tests see which
// value goes where.
class ReportTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const QHash<QByteArray, QString> texts{
            { "FUNI_GROUP_LINE_TEXT", QStringLiteral("%1|%2|%3|%4") },
            { "PICTOVA_GROUP_LINE_TEXT", QStringLiteral("%1|%2|%3") },
            { "FUNI_TOTAL_TEXT", QStringLiteral("All groups") },
            { "FUNI_COUNT_TEXT", QStringLiteral("Records: %1") },
            { "DOMVARA_REPORT_HEADER_TEXT", QStringLiteral("Summary by group") },
            { "PICTOVA_REPORT_HEADER_TEXT", QStringLiteral("Pictures by group") },
            { "PRINT_FAILED_TEXT", QStringLiteral("Cannot print on %1") },
        };
        const bool ours = qstrcmp(context, "ReportDialog") == 0 || qstrcmp(context, "PrintJob") == 0;
        return ours ? texts.value(source) : QString();
    }
};

const QString Dashes = QString(57, u'-') + u'\n';

// The lines of each page as pdftotext reads them, runs of spaces as one; empty without the tool.
QList<QStringList> pdfPages(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    process.waitForFinished(30000);
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(process.readAllStandardOutput()).split(u'\f')) {
        QStringList lines;
        for (const QString& line : page.split(u'\n')) {
            if (!line.trimmed().isEmpty())
                lines.append(line.simplified());
        }
        if (!lines.isEmpty())
            pages.append(lines);
    }
    return pages;
}

void printInto(const QString& pdf)
{
    PrintDialogs::setAnswerer([pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
}

} // namespace

class TestReportDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void figuresPerGroup();
    void totalsAgreeWithTheCollection();
    void windowText();
    void pictovaLayout();
    void printing();
    void manyGroupsOverSeveralPages();
    void cancelledOrFailedPrinting();

private:
    void add(int type, int units, double price, double priceToday);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    QTemporaryDir m_dir;
    ReportTranslator m_translator;
};

void TestReportDialog::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestReportDialog::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_collection = std::make_unique<DBItemCollection>();
    // An empty entry, a name with a placeholder, a lower-case name and a group without items.
    m_collection->groups().setEntries({ QStringLiteral("Kitchen %2"), QString(), QStringLiteral("Hall"),
                                        QStringLiteral("attic"), QStringLiteral("Bath") });
    add(0, 2, 10.0, 8.0);
    add(0, 1, 5.5, 4.0);
    add(2, 3, 1.2, 0.5);
    add(1, 1, 100.0, 50.0); // the empty entry's group: counted in the total only
    add(9, 4, 2.0, 1.0); // beyond the groups list: counted in the total only
}

void TestReportDialog::cleanup()
{
    PrintDialogs::setAnswerer({});
    PrintDialogs::setPreviewAnswerer({});
    MessageBoxes::setAnswerer({});
    m_collection.reset();
    m_settings.reset();
}

void TestReportDialog::add(int type, int units, double price, double priceToday)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setNumber_of_items(units);
    item->setPrice(price);
    item->setPriceToday(priceToday);
    m_collection->addItem(std::move(item));
}

void TestReportDialog::figuresPerGroup()
{
    const ReportDialog report(*m_collection);
    // By name, whatever the letter case; the empty entry has no line; units, not records, are
    // counted; the prices today are not multiplied by the units.
    QCOMPARE(report.reportLines(),
             QStringList({ QStringLiteral("attic                    |   0|      0.0|      0.0"),
                           QStringLiteral("Bath                     |   0|      0.0|      0.0"),
                           QStringLiteral("Hall                     |   3|      3.6|      0.5"),
                           QStringLiteral("Kitchen %2               |   3|     25.5|     12.0"), Dashes,
                           QStringLiteral("All groups               |  11|    137.1|     63.5") }));
    QCOMPARE(report.countLine(), QStringLiteral("Records: 5"));
}

void TestReportDialog::totalsAgreeWithTheCollection()
{
    m_collection->clear();
    m_collection->groups().setEntries({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    for (int index = 0; index < 300; ++index)
        add(index % 4, index % 7, 0.1 * index, 0.3 * (index % 11));
    const ReportDialog report(*m_collection);
    for (const int group : { 0, 1, 2, DBItemCollection::AllGroups }) {
        const QStringList parts = report.reportLines().at(group == DBItemCollection::AllGroups ? 4 : group).split(u'|');
        QCOMPARE(parts[1].trimmed().toLongLong(), m_collection->itemCount(group, true));
        QCOMPARE(parts[2].trimmed(), fixedText(m_collection->total(group, false, false), 1));
        QCOMPARE(parts[3].trimmed(), fixedText(m_collection->total(group, true, false), 1));
    }
}

void TestReportDialog::windowText()
{
    const ReportDialog report(*m_collection);
    QCOMPARE(report.windowTitle(), QStringLiteral("Rapport (Samlet oversigt)"));
    QCOMPARE(report.font().family(), QStringLiteral("courier"));
    QCOMPARE(report.font().pointSize(), 10);
    auto* view = report.findChild<QPlainTextEdit*>(QStringLiteral("reportMultiLineEdit"));
    QVERIFY(view->isReadOnly());
    QStringList expected = report.reportLines();
    expected.prepend(QStringLiteral("-------Gruppe----------------Antal---Pris----Vurd.\n"));
    expected.append(QStringLiteral("Records: 5"));
    QCOMPARE(view->toPlainText(), expected.join(u'\n'));
}

void TestReportDialog::pictovaLayout()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Pictova);
    const ReportDialog report(*m_collection);
    const QString text = report.findChild<QPlainTextEdit*>(QStringLiteral("reportMultiLineEdit"))->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("-------Gruppe-------------------Pris----Vurd.\n")));
    // Price sums, not multiplied by the units; no counts and no values.
    QCOMPARE(report.reportLines().at(3), QStringLiteral("Kitchen %2               |     15.5|     12.0"));
    QCOMPARE(report.reportLines().at(5), QStringLiteral("All groups               |    118.7|     63.5"));
}

void TestReportDialog::printing()
{
    ReportDialog report(*m_collection);
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    printInto(pdf);
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("reportPushButton")), Qt::LeftButton);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("/Type /Page\n"), 1);

    const QList<QStringList> pages = pdfPages(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; the printed text was not read back");
    // The heading, the captions over their columns, the lines; a rule stands for the dashes.
    const QList<QStringList> expected{
        { QStringLiteral("Summary by group"), QStringLiteral("Gruppe Antal Pris Vurd."),
          QStringLiteral("attic | 0| 0.0| 0.0"), QStringLiteral("Bath | 0| 0.0| 0.0"),
          QStringLiteral("Hall | 3| 3.6| 0.5"), QStringLiteral("Kitchen %2 | 3| 25.5| 12.0"),
          QStringLiteral("All groups | 11| 137.1| 63.5"), QStringLiteral("Records: 5") }
    };
    QCOMPARE(pages, expected);
}

void TestReportDialog::manyGroupsOverSeveralPages()
{
    // 120 groups and a register whose totals run into the thousands of millions.
    m_collection->clear();
    QStringList names;
    for (int group = 0; group < 120; ++group)
        names << QStringLiteral("Group %1").arg(group, 3, 10, QLatin1Char('0'));
    m_collection->groups().setEntries(names);
    for (int index = 0; index < 1200; ++index)
        add(index % 120, 100, 99999.99, 123456.75);
    ReportDialog report(*m_collection);
    const QString total = fixedText(m_collection->total(DBItemCollection::AllGroups, false, false), 1);
    QCOMPARE(total, QStringLiteral("11999998800.0"));
    // The window's columns widen to the largest figure.
    QVERIFY(report.reportLines().last().endsWith(QStringLiteral("|120000|11999998800.0|148148100.0")));
    QVERIFY(report.reportLines().first().endsWith(QStringLiteral("|  1000|   99999990.0|  1234567.5")));

    // Printed from the preview: every group, the total whole, the heading on every page.
    const QString pdf = m_dir.filePath(QStringLiteral("groups.pdf"));
    PrintDialogs::setPreviewAnswerer([&pdf](QPrinter* printer, const PrintDialogs::PaintPages& paint) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        paint(printer);
        return true;
    });
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("previewPushButton")), Qt::LeftButton);
    const QList<QStringList> pages = pdfPages(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; the printed text was not read back");
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QStringList printed;
    for (const QStringList& page : pages) {
        QCOMPARE(page.value(0), QStringLiteral("Summary by group"));
        QCOMPARE(page.value(1), QStringLiteral("Gruppe Antal Pris Vurd."));
        printed += page.mid(2);
    }
    QCOMPARE(printed.size(), 122);
    for (int group = 0; group < 120; ++group)
        QCOMPARE(printed[group], QStringLiteral("%1 | 1000| 99999990.0| 1234567.5").arg(names[group]));
    QCOMPARE(printed[120], QStringLiteral("All groups |120000|11999998800.0|148148100.0"));
    QCOMPARE(printed[121], QStringLiteral("Records: 1200"));
}

void TestReportDialog::cancelledOrFailedPrinting()
{
    QList<MessageBoxes::Request> boxes;
    MessageBoxes::setAnswerer([&boxes](const MessageBoxes::Request& request) {
        boxes.append(request);
        return 0;
    });
    ReportDialog report(*m_collection);
    const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    PrintDialogs::setAnswerer([&pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return false;
    });
    report.report_slot();
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(boxes.isEmpty());

    // A printer that cannot be painted on is reported.
    printInto(m_dir.filePath(QStringLiteral("no/such/folder/report.pdf")));
    report.report_slot();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QVERIFY(boxes[0].text.contains(QStringLiteral("no/such/folder/report.pdf")));
}

QTEST_MAIN(TestReportDialog)
#include "tst_reportdialog.moc"
