// Barcode labels: the numbers, the filled templates byte for byte, a label read back through
// a location update, the label files of print jobs, and the programs that send them to the
// printer (a stand-in "lp" on the path, and "cp" to a file standing in for a device).

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "ItemListView.h"
#include "LocationUpdateFile.h"
#include "MessageBoxes.h"
#include "TestSettings.h"
#include "handlebarcodes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A stand-in for the print queue program: it keeps each label file it gets as a file of its own
// beside it, named after its process, or fails as lp does for a queue that does not exist.
const QByteArray FakeLp
    = "#!/bin/sh\n"
      "if [ \"$2\" = missing ]; then echo 'lp: The printer or class does not exist.' >&2; exit 1; fi\n"
      "cp -- \"$6\" \"$(dirname \"$0\")/job-$$.txt\"\n";

// A template in the printer's language with all three placeholders, one field a line.
const QByteArray Template = "^XA\r\n^FD%1^FS\r\n^FD%2^FS\r\n^FD%3^FS\r\n^XZ\r\n";

QByteArray label(const QByteArray& number, const QByteArray& name = {})
{
    return "^XA\r\n^FD" + number + "^FS\r\n^FD" + number + "^FS\r\n^FD" + name + "^FS\r\n^XZ\r\n";
}

} // namespace

class TestHandleBarcodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void numbers_data();
    void numbers();
    void workFolder();
    void fill_data();
    void fill();
    void exportAppendsExactBytes();
    void itemLabelNames();
    void locationLabelNames();
    void shippedTemplates();
    void ownSetupFirst();
    void labelsNameTheirItems();
    void printCommands();
    void printJobs();
    void printFailuresAreShown();
    void printNothing();

private:
    Item* add(int type, const QString& serial, const QString& name);
    void selectGroup(const QString& name);
    // What the stand-in lp was given, one label file a job; empty until every job has ended.
    QStringList printed(int jobs) const;
    QStringList labelFilesLeft() const;

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_work;
    QString m_oldCurrent;
    QByteArray m_oldPath;
    // Where the stand-in lp is, and where it leaves what it printed.
    QString m_bin;
    QString m_labelFile;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    QStringList m_boxes;
};

void TestHandleBarcodes::init()
{
    // The settings, the user's own label set-up and the label files go to folders of the test's
    // own. The installed label templates and printer are in the data folder, here the working
    // directory.
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    m_work = std::make_unique<QTemporaryDir>();
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(m_work->path());
    setDataDir(m_work->path());
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatFile.txt"), Template));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), "Zebra_Labels"));
    m_labelFile = m_work->filePath(QStringLiteral("labels.txt"));

    m_bin = m_work->filePath(QStringLiteral("bin"));
    const QString lp = m_bin + QStringLiteral("/lp");
    QVERIFY(writeFile(lp, FakeLp));
    QVERIFY(QFile::setPermissions(lp, QFile::permissions(lp) | QFile::ExeOwner));
    m_oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_bin) + ':' + m_oldPath);

    m_boxes.clear();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes << request.title + u'|' + request.text;
        return 0;
    });

    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Store"), QStringLiteral("Shelf A"), QStringLiteral("Van") });
    m_list = std::make_unique<ItemListView>(nullptr);
}

void TestHandleBarcodes::cleanup()
{
    // Jobs still sending end with their programs.
    QTRY_VERIFY(labelFilesLeft().isEmpty());
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    qputenv("PATH", m_oldPath);
    QDir::setCurrent(m_oldCurrent);
    setDataDir(QString());
    m_work.reset();
    m_settings.reset();
}

QStringList TestHandleBarcodes::printed(int jobs) const
{
    const QDir bin(m_bin);
    const QStringList names = bin.entryList({ QStringLiteral("job-*.txt") }, QDir::Files);
    if (names.size() < jobs || !labelFilesLeft().isEmpty())
        return {};
    QStringList contents;
    for (const QString& name : names)
        contents << QString::fromLatin1(readFile(bin.filePath(name)));
    contents.sort();
    return contents;
}

QStringList TestHandleBarcodes::labelFilesLeft() const
{
    return QDir(barcodeWorkFolder()).entryList({ QStringLiteral("BarcodeFile*") }, QDir::Files);
}

Item* TestHandleBarcodes::add(int type, const QString& serial, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setSerialno(serial);
    item->setName(name);
    item->setNumber_of_items(1);
    return m_collection->addItem(std::move(item));
}

void TestHandleBarcodes::selectGroup(const QString& name)
{
    m_list->ItemSelected(m_list->findItems(name, Qt::MatchExactly).value(0));
}

void TestHandleBarcodes::numbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("barcode");
    // clang-format off
    QTest::newRow("short") << "42" << "000042";
    QTest::newRow("six") << "123456" << "123456";
    QTest::newRow("seven digits are kept") << "1234567" << "1234567";
    QTest::newRow("empty") << "" << "000000";
    // clang-format on
}

void TestHandleBarcodes::numbers()
{
    QFETCH(QString, number);
    QTEST(barcodeNumber(number), "barcode");
}

void TestHandleBarcodes::workFolder()
{
    const QString work
        = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Work"));
    QDir(work).removeRecursively();
    QCOMPARE(barcodeWorkFolder(), work);
    QVERIFY(QFileInfo(work).isDir());
}

void TestHandleBarcodes::fill_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QString>("second"); // "-" for none
    QTest::addColumn<QString>("name"); // "-" for none
    QTest::addColumn<QString>("filled");
    // clang-format off
    QTest::newRow("number three times") << "[%1][%2][%1]" << "-" << "-" << "[000042][000042][000042]";
    QTest::newRow("names off: %3 empty") << "%1|%2|%3|" << "000042" << "-" << "000042|000042||";
    QTest::newRow("names on") << "%1|%2|%3" << "000042" << "Hammer" << "000042|000042|Hammer";
    QTest::newRow("names on, no %3 in template") << "%1|%2" << "000042" << "Hammer" << "000042|000042";
    QTest::newRow("lowest first") << "%2|%5|%9" << "-" << "Hammer" << "000042|000042|Hammer";
    QTest::newRow("values are not filled again") << "%1|%2|%3" << "%3" << "%1" << "000042|%3|%1";
    QTest::newRow("two-digit placeholder") << "%10|%1" << "-" << "-" << "000042|000042";
    QTest::newRow("no placeholder") << "100% ^XA %" << "-" << "-" << "100% ^XA %";
    QTest::newRow("%3 takes the second value") << "%1|%3" << "-" << "-" << "000042|000042";
    // Values are data, never printer commands; the template's own commands stay.
    QTest::newRow("command characters") << "^FD%1^FS~JA%2|%3" << "^XZ~JR" << "a^b~c\r\nd" << "^FD000042^FS~JA XZ JR|a b c  d";
    QTest::newRow("prefix set by template") << "^CC+^FD%1+FS|%2|%3" << "+PQ9" << "x" << "^CC+^FD000042+FS| PQ9|x";
    // clang-format on
}

void TestHandleBarcodes::fill()
{
    QFETCH(QString, templateText);
    QFETCH(QString, second);
    QFETCH(QString, name);
    QTEST(fillLabelTemplate(templateText, QStringLiteral("000042"), second == u"-" ? nullptr : &second,
                            name == u"-" ? nullptr : &name),
          "filled");
}

void TestHandleBarcodes::exportAppendsExactBytes()
{
    const QString templateFile = QStringLiteral("Setup/BarcodeFormatFile.txt");
    const QString number = QStringLiteral("000042");
    const QString name = QStringLiteral("\u00c6blegr\u00f8d \u20ac");
    QVERIFY(ExportToBarcodeFile(templateFile, m_labelFile, number, &number, nullptr, nullptr));
    QVERIFY(ExportToBarcodeFile(templateFile, m_labelFile, number, &number, &name, nullptr));
    // A missing template makes no label, rather than a blank one, and says so.
    QString error;
    QVERIFY(
        !ExportToBarcodeFile(QStringLiteral("Setup/none.txt"), m_labelFile, number, nullptr, nullptr, nullptr, &error));
    QCOMPARE(error, QStringLiteral("LABEL_TEMPLATE_NOT_READ ") + m_work->filePath(QStringLiteral("Setup/none.txt")));
    // Latin-1 in the file; a character outside it becomes "?".
    QCOMPARE(readFile(m_labelFile),
             label("000042")
                 + label("000042",
                         "\xc6"
                         "blegr\xf8"
                         "d ?"));
    // A label file that cannot be written is told.
    QVERIFY(!ExportToBarcodeFile(templateFile, m_work->filePath(QStringLiteral("no/folder/labels.txt")), number,
                                 nullptr, nullptr, nullptr));
}

void TestHandleBarcodes::itemLabelNames()
{
    Item item;
    item.setSerialno(QStringLiteral("42"));
    item.setName(QStringLiteral("Claw hammer, steel"));
    QVERIFY(AppendItemLabel(m_labelFile, item, nullptr));

    m_settings->setValue(BarcodeSetting::EnableNameOnLabels, true);
    QVERIFY(AppendItemLabel(m_labelFile, item, nullptr));
    m_settings->setValue(BarcodeSetting::ItemNameLabelLength, 4);
    QVERIFY(AppendItemLabel(m_labelFile, item, nullptr));
    m_settings->setValue(BarcodeSetting::ItemNameLabelLength, 40);
    QVERIFY(AppendItemLabel(m_labelFile, item, nullptr));

    // Names off: "%3" is empty. On: cut to ten characters by default, or to the length set.
    QCOMPARE(readFile(m_labelFile),
             label("000042") + label("000042", "Claw hamme") + label("000042", "Claw")
                 + label("000042", "Claw hammer, steel"));
}

void TestHandleBarcodes::locationLabelNames()
{
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), Template));
    QVERIFY(AppendLocationLabel(m_labelFile, 3, QStringLiteral("Shelf A, north"), nullptr));
    m_settings->setValue(BarcodeSetting::EnableLocationNameOnLabels, true);
    QVERIFY(AppendLocationLabel(m_labelFile, 3, QStringLiteral("Shelf A, north"), nullptr));
    m_settings->setValue(BarcodeSetting::LocationNameLabelLength, 5);
    QVERIFY(AppendLocationLabel(m_labelFile, 12, QStringLiteral("Shelf A, north"), nullptr));
    // A negative length gives no name, as it does on item labels.
    m_settings->setValue(BarcodeSetting::LocationNameLabelLength, -1);
    QVERIFY(AppendLocationLabel(m_labelFile, 12, QStringLiteral("Shelf A, north"), nullptr));
    QCOMPARE(readFile(m_labelFile),
             label("000003") + label("000003", "Shelf A, n") + label("000012", "Shelf") + label("000012"));
}

void TestHandleBarcodes::shippedTemplates()
{
    // The templates that come with the program use all three placeholders and leave none
    // unfilled when names are off.
    for (const char* name : { "BarcodeFormatFile.txt", "BarcodeFormatLocationFile.txt" }) {
        const QString templateFile = QStringLiteral("Setup/") + QLatin1StringView(name);
        const QByteArray shipped = readFile(sourceFile(QStringLiteral("data/") + templateFile));
        QVERIFY2(shipped.contains("%1") && shipped.contains("%2") && shipped.contains("%3"), name);
        QVERIFY(writeFile(templateFile, shipped));
        QFile::remove(m_labelFile);
        const QString number = barcodeNumber(QStringLiteral("1017"));
        QVERIFY(ExportToBarcodeFile(templateFile, m_labelFile, number, &number, nullptr, nullptr));
        const QByteArray filled = readFile(m_labelFile);
        QVERIFY2(!filled.contains('%') && filled.count("001017") == 2, filled.constData());
    }
}

void TestHandleBarcodes::ownSetupFirst()
{
    // A user adapts the labels and the printer in the own set-up folder; the installed files
    // stay as they are and serve for whatever the user did not adapt.
    Item item;
    item.setSerialno(QStringLiteral("42"));
    QVERIFY(writeFile(userSetupDir() + QStringLiteral("/BarcodeFormatFile.txt"), "OWN %1\r\n"));
    QVERIFY(writeFile(userSetupDir() + QStringLiteral("/PrinterDevice.txt"), "Own_Printer"));
    QVERIFY(AppendItemLabel(m_labelFile, item, nullptr));
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), Template));
    QVERIFY(AppendLocationLabel(m_labelFile, 3, QString(), nullptr));
    QCOMPARE(readFile(m_labelFile), "OWN 000042\r\n" + label("000003"));
    QCOMPARE(labelPrinter(), QStringLiteral("Own_Printer"));
    QCOMPARE(readFile(QStringLiteral("Setup/PrinterDevice.txt")), QByteArray("Zebra_Labels"));
}

void TestHandleBarcodes::labelsNameTheirItems()
{
    // Items with serial numbers of every length, many of them alike but for their zeros. The
    // label of each, printed through the label code and read back as a location update line,
    // changes that item and no other.
    const QStringList serials{
        QStringLiteral("1"),         QStringLiteral("7"),          QStringLiteral("10"),
        QStringLiteral("100"),       QStringLiteral("1000"),       QStringLiteral("2000"),
        QStringLiteral("10000"),     QStringLiteral("10001"),      QStringLiteral("100000"),
        QStringLiteral("1000000"),   QStringLiteral("1000001"),    QStringLiteral("10000000"),
        QStringLiteral("100000000"), QStringLiteral("1000000000"), QStringLiteral("10000000000")
    };
    for (const QString& serial : serials)
        add(1, serial, QStringLiteral("Item ") + serial);
    // Serial numbers that differ only in leading zeros get the same label: it names neither.
    Item* plain = add(1, QStringLiteral("42"), QStringLiteral("Plain"));
    Item* padded = add(1, QStringLiteral("0042"), QStringLiteral("Padded"));
    for (const auto& item : m_collection->items())
        item->setNumber_of_items(5);

    const QRegularExpression barcode(QStringLiteral("\\^FD([^^]*)\\^FS"));
    for (const auto& item : m_collection->items()) {
        QFile::remove(m_labelFile);
        QVERIFY(AppendItemLabel(m_labelFile, *item, nullptr));
        const QString number = barcode.match(QString::fromLatin1(readFile(m_labelFile))).captured(1);
        QCOMPARE(number.size(), std::max<qsizetype>(6, item->serialno().size()));

        LocationUpdater updater(*m_collection);
        const bool applied = updater.apply(*parseLocationUpdateLine(QStringLiteral("I;1;%1;1").arg(number)));
        QStringList changed;
        for (const auto& other : m_collection->items()) {
            if (other->number_of_items() != 5)
                changed << other->serialno();
            other->setNumber_of_items(5);
        }
        if (item.get() == plain || item.get() == padded) {
            QVERIFY(!applied);
            QVERIFY(changed.isEmpty());
        } else {
            QVERIFY2(applied, qPrintable(number));
            QCOMPARE(changed, QStringList{ item->serialno() });
        }
    }
}

void TestHandleBarcodes::printCommands()
{
    // A queue name goes to the program as one argument, whatever it holds; a device path gets
    // the bytes copied to it.
    QCOMPARE(printCommand(m_labelFile, QStringLiteral("Labels; rm -rf ~")),
             (QStringList{ QStringLiteral("lp"), QStringLiteral("-d"), QStringLiteral("Labels; rm -rf ~"),
                           QStringLiteral("-o"), QStringLiteral("raw"), QStringLiteral("--"), m_labelFile }));
    QCOMPARE(printCommand(m_labelFile, QStringLiteral("/dev/usb/lp0")),
             (QStringList{ QStringLiteral("cp"), QStringLiteral("--"), m_labelFile, QStringLiteral("/dev/usb/lp0") }));

    // The printer chosen in the set-up comes first; the device file is the default, without a
    // line end an editor added.
    QCOMPARE(labelPrinter(), QStringLiteral("Zebra_Labels"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), "Shelf_Printer\r\n"));
    QCOMPARE(labelPrinter(), QStringLiteral("Shelf_Printer"));
    m_settings->setValue(BarcodeSetting::PrinterQueue, QStringLiteral("Office"));
    QCOMPARE(labelPrinter(), QStringLiteral("Office"));
}

void TestHandleBarcodes::printJobs()
{
    add(1, QStringLiteral("7"), QStringLiteral("Saw"));
    Item* drill = add(0, QStringLiteral("1017"), QStringLiteral("Drill"));
    Item* plane = add(1, QStringLiteral("1234567"), QStringLiteral("Plane"));
    add(2, QStringLiteral("99"), QStringLiteral("Van"));
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());

    // A group row: one label per item of the group, in the order of the database. Right after
    // it, an item row: its label only. Each job has its own label file, so nothing mixes, and
    // the files go when their jobs are over.
    selectGroup(QStringLiteral("Shelf A"));
    QVERIFY(PrintBarcodeCommand(*m_list, *m_collection, nullptr));
    m_settings->setValue(BarcodeSetting::EnableNameOnLabels, true);
    m_list->ItemSelected(m_list->FindListViewItem(plane));
    QVERIFY(PrintBarcodeCommand(*m_list, *m_collection, nullptr));
    QTRY_COMPARE(printed(2),
                 (QStringList{ QString::fromLatin1(label("000007") + label("1234567")),
                               QString::fromLatin1(label("1234567", "Plane")) }));
    QVERIFY(m_boxes.isEmpty());

    // Several rows selected: their labels, in the order the list shows them (Shelf A before
    // Store), each item once; to a device path, through a copy.
    const QString device = m_work->filePath(QStringLiteral("device"));
    m_settings->setValue(BarcodeSetting::PrinterQueue, device);
    m_settings->setValue(BarcodeSetting::EnableNameOnLabels, false);
    m_list->clearSelection();
    for (QTreeWidgetItem* row : { m_list->FindListViewItem(plane), m_list->FindListViewItem(drill) })
        row->setSelected(true);
    m_list->findItems(QStringLiteral("Shelf A"), Qt::MatchExactly).value(0)->setSelected(true);
    QVERIFY(PrintBarcodeCommand(*m_list, *m_collection, nullptr));
    QTRY_VERIFY(labelFilesLeft().isEmpty());
    QCOMPARE(readFile(device), label("000007") + label("1234567") + label("001017"));
    QVERIFY(m_boxes.isEmpty());
}

void TestHandleBarcodes::printFailuresAreShown()
{
    add(1, QStringLiteral("7"), QStringLiteral("Saw"));
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    selectGroup(QStringLiteral("Shelf A"));
    // A box each time, and never a label file left behind.
    const auto printOnce = [this] {
        m_boxes.clear();
        PrintBarcodeCommand(*m_list, *m_collection, nullptr);
        if (!QTest::qWaitFor([this] { return !m_boxes.isEmpty() && labelFilesLeft().isEmpty(); }))
            return QStringLiteral("<no box>");
        return labelFilesLeft().isEmpty() ? m_boxes.join(u'#') : QStringLiteral("<label file left>");
    };

    // The queue does not exist: lp fails, and what it said is shown.
    m_settings->setValue(BarcodeSetting::PrinterQueue, QStringLiteral("missing"));
    const QString failed = printOnce();
    QVERIFY2(QRegularExpression(QStringLiteral("^LABEL_PRINT_TITLE\\|LABEL_PRINT_FAILED lp -d missing -o raw -- "
                                               "\\S+/BarcodeFile-\\w+\\.txt 1 lp: The printer or class does not "
                                               "exist\\.$"))
                 .match(failed)
                 .hasMatch(),
             qPrintable(failed));
    // No lp on the path at all.
    qputenv("PATH", QFile::encodeName(m_work->filePath(QStringLiteral("Setup"))));
    QVERIFY(printOnce().startsWith(QStringLiteral("LABEL_PRINT_TITLE|LABEL_PRINT_NOT_STARTED lp -d missing")));
    // No printer named anywhere.
    m_settings->setValue(BarcodeSetting::PrinterQueue, QString());
    QVERIFY(QFile::remove(QStringLiteral("Setup/PrinterDevice.txt")));
    // The box names the user's own printer device file: the installed one is not theirs to change.
    QCOMPARE(printOnce(), QStringLiteral("LABEL_PRINT_TITLE|NO_LABEL_PRINTER ") + userSetupDir()
                              + QStringLiteral("/PrinterDevice.txt"));
    // No template: no blank labels.
    QVERIFY(QFile::remove(QStringLiteral("Setup/BarcodeFormatFile.txt")));
    QCOMPARE(printOnce(),
             QStringLiteral("LABEL_PRINT_TITLE|LABEL_TEMPLATE_NOT_READ ")
                 + m_work->filePath(QStringLiteral("Setup/BarcodeFormatFile.txt")));
}

void TestHandleBarcodes::printNothing()
{
    add(1, QStringLiteral("7"), QStringLiteral("Saw"));
    m_list->createGroupRows(m_collection.get());
    const auto printedAnything = [this] {
        const bool started = PrintBarcodeCommand(*m_list, *m_collection, nullptr);
        return started || !labelFilesLeft().isEmpty();
    };

    // No current row, a group without items, a group row no longer in the groups list.
    QVERIFY(!m_list->isItemSelected());
    QVERIFY(!printedAnything());
    selectGroup(QStringLiteral("Van"));
    QVERIFY(!printedAnything());
    selectGroup(QStringLiteral("Shelf A"));
    m_collection->groups().setEntries({ QStringLiteral("Store"), QStringLiteral("Shelf B"), QStringLiteral("Van") });
    QVERIFY(!printedAnything());
    QVERIFY(QDir(m_bin).entryList({ QStringLiteral("job-*") }).isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

QTEST_MAIN(TestHandleBarcodes)
#include "tst_handlebarcodes.moc"
