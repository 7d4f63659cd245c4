// Barcode labels: the numbers, the filled templates byte for byte, the label file of a print
// job, and the commands that would send it to the printer (nothing is really started).

#include "DBItemCollection.h"
#include "Desktop.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "TestSettings.h"
#include "handlebarcodes.h"

#include <QDir>
#include <QFile>
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
    void initTestCase();
    void init();
    void cleanup();
    void numbers_data();
    void numbers();
    void labelFilePath();
    void fill_data();
    void fill();
    void exportAppendsExactBytes();
    void itemLabelNames();
    void locationLabelNames();
    void shippedTemplates();
    void printCommands();
    void printJobs();
    void printNothing();

private:
    Item* add(int type, const QString& serial, const QString& name);
    void selectGroup(const QString& name);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_work;
    QString m_oldCurrent;
    QString m_labelFile;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    // Each program started, followed by its arguments.
    QList<QStringList> m_starts;
};

void TestHandleBarcodes::initTestCase()
{
    // The label file goes below a data folder of the test's own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
}

void TestHandleBarcodes::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    // The label templates and the printer are looked up below the working directory.
    m_work = std::make_unique<QTemporaryDir>();
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(m_work->path());
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatFile.txt"), Template));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), "Zebra_Labels"));
    m_labelFile = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                      .filePath(QStringLiteral("Work/BarcodeFile.txt"));
    QFile::remove(m_labelFile);

    m_starts.clear();
    Desktop::setHandlers({}, [this](const QString& program, const QStringList& arguments) {
        m_starts.append(QStringList{ program } + arguments);
        return true;
    });
    MessageBoxes::setAnswerer([](const MessageBoxes::Request&) { return 0; });

    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Store"), QStringLiteral("Shelf A"), QStringLiteral("Van") });
    m_list = std::make_unique<ItemListView>(nullptr);
}

void TestHandleBarcodes::cleanup()
{
    m_list.reset();
    m_collection.reset();
    Desktop::setHandlers({}, {});
    MessageBoxes::setAnswerer({});
    QFile::remove(m_labelFile);
    QDir::setCurrent(m_oldCurrent);
    m_work.reset();
    m_settings.reset();
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

void TestHandleBarcodes::labelFilePath()
{
    const QString work = QFileInfo(m_labelFile).path();
    QVERIFY(QDir(work).removeRecursively());
    QCOMPARE(barcodeLabelFilePath(), m_labelFile);
    QVERIFY(QFileInfo(work).isDir());
    QVERIFY(m_labelFile.endsWith(QStringLiteral("/Work/BarcodeFile.txt")));
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
    // A missing template gives an empty label.
    QVERIFY(ExportToBarcodeFile(QStringLiteral("Setup/none.txt"), m_labelFile, number, nullptr, nullptr, nullptr));
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

void TestHandleBarcodes::printCommands()
{
    QVERIFY(PrintBarcode(m_labelFile, nullptr));
    // A queue name goes to the program as one argument, whatever it holds; a line end an
    // editor added is no part of it.
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), "Labels; rm -rf ~\r\n"));
    QVERIFY(PrintBarcode(m_labelFile, nullptr));
    // A device path gets the bytes copied to it.
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), "/dev/usb/lp0"));
    QVERIFY(PrintBarcode(m_labelFile, nullptr));
    // No printer named: nothing is started.
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), "\n"));
    QVERIFY(!PrintBarcode(m_labelFile, nullptr));
    QVERIFY(QFile::remove(QStringLiteral("Setup/PrinterDevice.txt")));
    QVERIFY(!PrintBarcode(m_labelFile, nullptr));

    QCOMPARE(m_starts.size(), 3);
    const auto lp = [this](const char* queue) {
        return QStringList{ QStringLiteral("lp"), QStringLiteral("-d"),  QString::fromLatin1(queue),
                            QStringLiteral("-o"), QStringLiteral("raw"), QStringLiteral("--"),
                            m_labelFile };
    };
    QCOMPARE(m_starts[0], lp("Zebra_Labels"));
    QCOMPARE(m_starts[1], lp("Labels; rm -rf ~"));
    QCOMPARE(m_starts[2],
             (QStringList{ QStringLiteral("cp"), QStringLiteral("--"), m_labelFile, QStringLiteral("/dev/usb/lp0") }));
}

void TestHandleBarcodes::printJobs()
{
    add(1, QStringLiteral("7"), QStringLiteral("Saw"));
    add(0, QStringLiteral("1017"), QStringLiteral("Drill"));
    Item* plane = add(1, QStringLiteral("1234567"), QStringLiteral("Plane"));
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    QVERIFY(writeFile(m_labelFile, "labels of an earlier job"));

    // A group row: one label per item of the group, in the order of the database, one print.
    selectGroup(QStringLiteral("Shelf A"));
    QVERIFY(PrintBarcodeCommand(*m_list, *m_collection, nullptr));
    QCOMPARE(readFile(m_labelFile), label("000007") + label("1234567"));
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].last(), m_labelFile);

    // An item row: its label only, in a label file of its own. Finding an item's row makes it
    // the current row, but only a row the user sees selected is printed.
    QTreeWidgetItem* row = m_list->FindListViewItem(plane);
    QVERIFY(row);
    m_settings->setValue(BarcodeSetting::EnableNameOnLabels, true);
    QVERIFY(!PrintBarcodeCommand(*m_list, *m_collection, nullptr));
    QCOMPARE(m_starts.size(), 1);
    m_list->ItemSelected(row);
    QVERIFY(PrintBarcodeCommand(*m_list, *m_collection, nullptr));
    QCOMPARE(readFile(m_labelFile), label("1234567", "Plane"));
    QCOMPARE(m_starts.size(), 2);
}

void TestHandleBarcodes::printNothing()
{
    add(1, QStringLiteral("7"), QStringLiteral("Saw"));
    m_list->createGroupRows(m_collection.get());
    const auto printed = [this] {
        if (!writeFile(m_labelFile, "labels of an earlier job"))
            return true;
        const bool started = PrintBarcodeCommand(*m_list, *m_collection, nullptr);
        // Whatever happens, the labels of the earlier job are gone.
        return started || QFile::exists(m_labelFile);
    };

    // No current row, a group without items, a group row no longer in the groups list.
    QVERIFY(!m_list->isItemSelected());
    QVERIFY(!printed());
    selectGroup(QStringLiteral("Van"));
    QVERIFY(!printed());
    selectGroup(QStringLiteral("Shelf A"));
    m_collection->groups().setEntries({ QStringLiteral("Store"), QStringLiteral("Shelf B"), QStringLiteral("Van") });
    QVERIFY(!printed());
    QVERIFY(m_starts.isEmpty());
}

QTEST_MAIN(TestHandleBarcodes)
#include "tst_handlebarcodes.moc"
