// The group summary report: figures per group and over all groups, which groups get a line and
// in which order, the Pictova layout, the window's text, and printing it into a PDF file.

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
        };
        return qstrcmp(context, "ReportDialog") == 0 ? texts.value(source) : QString();
    }
};

const QString Dashes = QString(57, u'-') + u'\n';

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
    // Sorted as texts, capitals before small letters; the empty entry has no line; units, not
    // records, are counted; the prices today are not multiplied by the units.
    QCOMPARE(report.reportLines(),
             QStringList({ QStringLiteral("Bath                     |   0|      0.0|      0.0"),
                           QStringLiteral("Hall                     |   3|      3.6|      0.5"),
                           QStringLiteral("Kitchen %2               |   3|     25.5|     12.0"),
                           QStringLiteral("attic                    |   0|      0.0|      0.0"), Dashes,
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
    QCOMPARE(report.reportLines().at(2), QStringLiteral("Kitchen %2               |     15.5|     12.0"));
    QCOMPARE(report.reportLines().at(5), QStringLiteral("All groups               |    118.7|     63.5"));
}

void TestReportDialog::printing()
{
    ReportDialog report(*m_collection);
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    PrintDialogs::setAnswerer([&pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("reportPushButton")), Qt::LeftButton);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("/Type /Page\n"), 1);

    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; the printed text was not read back");
    QProcess process;
    process.start(tool, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    QStringList lines;
    // pdftotext does not keep every space, and ends the page with a form feed.
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    }
    // The caption line is shown in the window only.
    QCOMPARE(lines,
             QStringList({ QStringLiteral("Summary by group"), QStringLiteral("Bath | 0| 0.0| 0.0"),
                           QStringLiteral("Hall | 3| 3.6| 0.5"), QStringLiteral("Kitchen %2 | 3| 25.5| 12.0"),
                           QStringLiteral("attic | 0| 0.0| 0.0"), QString(57, u'-'),
                           QStringLiteral("All groups | 11| 137.1| 63.5"), QStringLiteral("Records: 5") }));
}

void TestReportDialog::cancelledOrFailedPrinting()
{
    ReportDialog report(*m_collection);
    const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    PrintDialogs::setAnswerer([&pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return false;
    });
    report.report_slot();
    QVERIFY(!QFile::exists(pdf));

    // A printer that cannot be written to is told, not taken for a printed report.
    const QString missing = m_dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
    PrintDialogs::setAnswerer([&missing](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(missing);
        return true;
    });
    QList<MessageBoxes::Request> boxes;
    MessageBoxes::setAnswerer([&boxes](const MessageBoxes::Request& request) {
        boxes.append(request);
        return 0;
    });
    report.report_slot();
    MessageBoxes::setAnswerer({});
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("PRINT_FAILED_TEXT"));
}

QTEST_MAIN(TestReportDialog)
#include "tst_reportdialog.moc"
