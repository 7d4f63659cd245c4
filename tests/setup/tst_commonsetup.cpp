// The default folders: what the fields start with, the labels per product, choosing folders,
// what Apply, OK and Cancel store, the help page, and the item dialog starting its file
// choosers in the folders stored here.

#include "CommonSetup.h"
#include "DBItemCollection.h"
#include "DataPaths.h"
#include "Desktop.h"
#include "FileDialogs.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "TestSettings.h"
#include "handlebarcodes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ProgramVariant)

namespace {

QString stored(const char* key)
{
    return openSettings()->value(QLatin1StringView(key)).toString();
}

// Sets an environment variable for the life of the object and puts the old value back.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_wasSet(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace

class TestCommonSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void defaultsFromProgramFiles();
    void defaultsWithoutProgramFiles();
    void storedFoldersShown();
    void openedAsDesigned();
    void labelsPerProduct_data();
    void labelsPerProduct();
    void browse_data();
    void browse();
    void applyStoresNonEmptyFields();
    void okStoresAndCloses();
    void cancelStoresNothing();
    void helpPage_data();
    void helpPage();
    void itemDialogStartsInStoredFolders();
    void stockSettings();

private:
    void open();
    QLineEdit* field(const char* name) const;
    void click(const char* name) const;

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<CommonSetup> m_dialog;
    QList<FileDialogs::Request> m_requests;
    QString m_chosen;
    QList<QUrl> m_opened;
    QList<MessageBoxes::Request> m_boxes;
};

void TestCommonSetup::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_requests.clear();
    m_chosen.clear();
    m_opened.clear();
    m_boxes.clear();
    FileDialogs::setAnswerer([this](const FileDialogs::Request& request) {
        m_requests.append(request);
        return FileDialogs::Answer{ m_chosen, request.directory };
    });
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        },
        {});
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
}

void TestCommonSetup::cleanup()
{
    m_dialog.reset();
    FileDialogs::setAnswerer({});
    Desktop::setHandlers({}, {});
    MessageBoxes::setAnswerer({});
    m_settings.reset();
}

void TestCommonSetup::open()
{
    m_dialog.reset();
    m_dialog = std::make_unique<CommonSetup>();
    m_dialog->show();
}

QLineEdit* TestCommonSetup::field(const char* name) const
{
    auto* edit = m_dialog->findChild<QLineEdit*>(QLatin1StringView(name));
    if (!edit)
        qFatal("no field %s", name);
    return edit;
}

void TestCommonSetup::click(const char* name) const
{
    auto* button = m_dialog->findChild<QPushButton*>(QLatin1StringView(name));
    if (!button)
        qFatal("no button %s", name);
    button->click();
}

void TestCommonSetup::defaultsFromProgramFiles()
{
    const ScopedEnvironment programFiles("ProgramFiles", "/opt/programs");
    open();
    for (const char* name : { "PicturePathLineEdit", "ReceiptPathLineEdit", "DocumentPathLineEdit" })
        QCOMPARE(field(name)->text(), QStringLiteral("/opt/programs/Quorvane"));
    QCOMPARE(CommonSetup::defaultDirectory(), QStringLiteral("/opt/programs/Quorvane"));
}

void TestCommonSetup::defaultsWithoutProgramFiles()
{
    const ScopedEnvironment programFiles("ProgramFiles", QByteArray());
    open();
    for (const char* name : { "PicturePathLineEdit", "ReceiptPathLineEdit", "DocumentPathLineEdit" })
        QCOMPARE(field(name)->text(), QDir::homePath());
    // Opening stores nothing.
    QVERIFY(!openSettings()->contains(QStringLiteral("PicturePath")));
}

void TestCommonSetup::storedFoldersShown()
{
    m_settings->setValue("PicturePath", QStringLiteral("/srv/pictures"));
    m_settings->setValue("DocumentPath", QStringLiteral("/srv/documents"));
    const ScopedEnvironment programFiles("ProgramFiles", "/opt/programs");
    open();
    QCOMPARE(field("PicturePathLineEdit")->text(), QStringLiteral("/srv/pictures"));
    QCOMPARE(field("ReceiptPathLineEdit")->text(), QStringLiteral("/opt/programs/Quorvane"));
    QCOMPARE(field("DocumentPathLineEdit")->text(), QStringLiteral("/srv/documents"));
}

void TestCommonSetup::openedAsDesigned()
{
    open();
    QCOMPARE(m_dialog->objectName(), QStringLiteral("CommonSetupDialogTitle"));
    QVERIFY(!m_dialog->isModal());
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("CommonSetup"));
    const CommonSetup named(nullptr, QStringLiteral("Folders"));
    QCOMPARE(named.objectName(), QStringLiteral("Folders"));
}

void TestCommonSetup::labelsPerProduct_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("Domvara") << ProgramVariant::Domvara << QStringLiteral("PICTURE_PATH")
                             << QStringLiteral("RECEIPT_PATH");
    QTest::newRow("Stockvane") << ProgramVariant::Stockvane << QStringLiteral("PICTURE_PATH")
                               << QStringLiteral("RECEIPT_PATH");
    QTest::newRow("Mintora") << ProgramVariant::Mintora << QStringLiteral("MINTORA_FRONT_PICTURE_PATH")
                             << QStringLiteral("MINTORA_BACK_PICTURE_PATH");
    QTest::newRow("Pictova") << ProgramVariant::Pictova << QStringLiteral("BILLED_PATH")
                             << QStringLiteral("KVITTERINGS_PATH");
}

void TestCommonSetup::labelsPerProduct()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, first);
    QFETCH(QString, second);
    m_settings = std::make_unique<TestSettings>(variant);
    open();
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("PicturePathLabel"))->text(), first);
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("ReceipthPathLabel"))->text(), second);
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("ReceipthPathLabel_2"))->text(),
             QStringLiteral("DOCUMENT_PATH"));
}

void TestCommonSetup::browse_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::newRow("pictures") << QStringLiteral("DefinePicturePathButton") << QStringLiteral("PicturePathLineEdit")
                              << QStringLiteral("ChoseAPictureDirectory");
    QTest::newRow("receipts") << QStringLiteral("DefineReceiptPathButton") << QStringLiteral("ReceiptPathLineEdit")
                              << QStringLiteral("ChoseAReceiptDirectory");
    QTest::newRow("documents") << QStringLiteral("DefineDocumentPathButton") << QStringLiteral("DocumentPathLineEdit")
                               << QStringLiteral("ChoseADocumentDirectory");
}

void TestCommonSetup::browse()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, caption);
    open();
    auto* edit = m_dialog->findChild<QLineEdit*>(field);
    edit->setText(QStringLiteral("/home/user/start"));

    m_chosen = QStringLiteral("/home/user/chosen");
    m_dialog->findChild<QPushButton*>(button)->click();
    QCOMPARE(m_requests.size(), 1);
    QCOMPARE(m_requests[0].mode, FileDialogs::Mode::Directory);
    QCOMPARE(m_requests[0].caption, caption);
    // The chooser starts in the folder the field names.
    QCOMPARE(m_requests[0].directory, QStringLiteral("/home/user/start"));
    QCOMPARE(edit->text(), QStringLiteral("/home/user/chosen"));

    // A cancelled chooser leaves the field as it was.
    m_chosen.clear();
    m_dialog->findChild<QPushButton*>(button)->click();
    QCOMPARE(m_requests.size(), 2);
    QCOMPARE(m_requests[1].directory, QStringLiteral("/home/user/chosen"));
    QCOMPARE(edit->text(), QStringLiteral("/home/user/chosen"));
    // Choosing stores nothing by itself.
    QVERIFY(openSettings()->allKeys().isEmpty());
}

void TestCommonSetup::applyStoresNonEmptyFields()
{
    m_settings->setValue("ReceiptPath", QStringLiteral("/srv/receipts"));
    open();
    field("PicturePathLineEdit")->setText(QStringLiteral("/data/pictures"));
    field("ReceiptPathLineEdit")->clear();
    field("DocumentPathLineEdit")->setText(QStringLiteral("/data/no such folder"));
    click("buttonApply");
    QCOMPARE(stored("PicturePath"), QStringLiteral("/data/pictures"));
    // An emptied field keeps what was stored.
    QCOMPARE(stored("ReceiptPath"), QStringLiteral("/srv/receipts"));
    // Whether a folder exists is the user's business.
    QCOMPARE(stored("DocumentPath"), QStringLiteral("/data/no such folder"));
    // Apply leaves the dialog open.
    QVERIFY(m_dialog->isVisible());
}

void TestCommonSetup::okStoresAndCloses()
{
    m_settings->setValue("PicturePath", QStringLiteral("/srv/pictures"));
    open();
    field("PicturePathLineEdit")->clear();
    field("DocumentPathLineEdit")->setText(QStringLiteral("/data/documents"));
    click("buttonOk");
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(stored("PicturePath"), QStringLiteral("/srv/pictures"));
    QCOMPARE(stored("DocumentPath"), QStringLiteral("/data/documents"));
    QCOMPARE(stored("ReceiptPath"), CommonSetup::defaultDirectory());
}

void TestCommonSetup::cancelStoresNothing()
{
    open();
    m_chosen = QStringLiteral("/data/pictures");
    click("DefinePicturePathButton");
    QCOMPARE(field("PicturePathLineEdit")->text(), QStringLiteral("/data/pictures"));
    click("buttonCancel");
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(openSettings()->allKeys().isEmpty());
}

void TestCommonSetup::helpPage_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::newRow("Domvara dk") << ProgramVariant::Domvara << QStringLiteral("dk")
                                << QStringLiteral("CommonSetupDialog.dk.htm");
    QTest::newRow("Pictova no") << ProgramVariant::Pictova << QStringLiteral("no")
                                << QStringLiteral("CommonSetupDialog.no.htm");
    QTest::newRow("Mintora dk") << ProgramVariant::Mintora << QStringLiteral("dk")
                                << QStringLiteral("CommonSetupDialog.Mintora.dk.htm");
    QTest::newRow("Stockvane en") << ProgramVariant::Stockvane << QStringLiteral("en") << QString();
}

void TestCommonSetup::helpPage()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, language);
    QFETCH(QString, page);
    m_settings = std::make_unique<TestSettings>(variant);
    m_settings->setValue(Setting::Language, language);
    QTemporaryDir folder;
    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    setDataDir(folder.path());
    QDir().mkpath(QStringLiteral("help"));
    if (!page.isEmpty()) {
        QFile file(QStringLiteral("help/") + page);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    open();
    auto* help = m_dialog->findChild<QPushButton*>(QStringLiteral("buttonHelp"));
    QCOMPARE(help->isEnabled(), !page.isEmpty());
    if (help->isEnabled()) {
        help->click();
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened[0].toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("help/") + page));
    }
    QDir::setCurrent(oldCurrent);
    setDataDir(QString());
}

void TestCommonSetup::itemDialogStartsInStoredFolders()
{
    open();
    field("PicturePathLineEdit")->setText(QStringLiteral("/data/pictures"));
    field("ReceiptPathLineEdit")->setText(QStringLiteral("/data/receipts"));
    field("DocumentPathLineEdit")->setText(QStringLiteral("/data/documents"));
    click("buttonOk");

    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Kitchen") });
    ItemListView list(nullptr);
    list.createGroupRows(&collection);
    ItemDialog itemDialog(&collection, &list, nullptr, QStringLiteral("DATA"), false, nullptr);
    m_requests.clear();
    for (const char* name : { "browsePhotoPushButton", "browseReceiptPushButton", "insertDocumentPushButton" })
        itemDialog.findChild<QPushButton*>(QLatin1StringView(name))->click();
    QCOMPARE(m_requests.size(), 3);
    QCOMPARE(m_requests[0].directory, QStringLiteral("/data/pictures"));
    QCOMPARE(m_requests[1].directory, QStringLiteral("/data/receipts"));
    QCOMPARE(m_requests[2].directory, QStringLiteral("/data/documents"));
}

void TestCommonSetup::stockSettings()
{
    // Only the stock product prints labels and counts stock.
    open();
    QVERIFY(m_dialog->findChild<QGroupBox*>(QStringLiteral("labelsGroupBox"))->isHidden());
    QVERIFY(m_dialog->findChild<QCheckBox*>(QStringLiteral("countEditableCheckBox"))->isHidden());

    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    m_settings->setValue(BarcodeSetting::PrinterQueue, QStringLiteral("Office"));
    m_settings->setValue(BarcodeSetting::EnableNameOnLabels, true);
    open();
    auto* printer = m_dialog->findChild<QComboBox*>(QStringLiteral("labelPrinterComboBox"));
    auto* names = m_dialog->findChild<QCheckBox*>(QStringLiteral("nameOnLabelsCheckBox"));
    auto* locationNames = m_dialog->findChild<QCheckBox*>(QStringLiteral("locationNameOnLabelsCheckBox"));
    QVERIFY(m_dialog->findChild<QGroupBox*>(QStringLiteral("labelsGroupBox"))->isVisible());
    QCOMPARE(printer->currentText(), QStringLiteral("Office"));
    QVERIFY(names->isChecked() && !locationNames->isChecked());

    printer->setEditText(QStringLiteral(" Shelf labels "));
    names->setChecked(false);
    locationNames->setChecked(true);
    click("buttonOk");
    QCOMPARE(labelPrinter(), QStringLiteral("Shelf labels"));
    QCOMPARE(openSettings()->value(QLatin1StringView(BarcodeSetting::EnableNameOnLabels)).toBool(), false);
    QCOMPARE(openSettings()->value(QLatin1StringView(BarcodeSetting::EnableLocationNameOnLabels)).toBool(), true);

    // An emptied printer field goes back to the printer device file.
    open();
    m_dialog->findChild<QComboBox*>(QStringLiteral("labelPrinterComboBox"))->setEditText(QString());
    click("buttonApply");
    QCOMPARE(labelPrinter(), defaultLabelPrinter());

    // Stock is counted by the location updates unless the user switches typing it on here.
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("Shelf") });
    // A label from the labels file is shown as written, never read as markup.
    collection.fieldLabels().setEntries({ QStringLiteral("<b>Group</b>") });
    Item* item = collection.addItem(std::make_unique<Item>());
    ItemListView list(nullptr);
    list.createGroupRows(&collection);
    auto countEditable = [&] {
        ItemDialog itemDialog(&collection, &list, item, QStringLiteral("DATA"), false, nullptr);
        auto* group = itemDialog.findChild<QLabel*>(QStringLiteral("TypeTextLabel"));
        return group->textFormat() == Qt::PlainText && group->text() == QStringLiteral("<b>Group</b>")
            && itemDialog.findChild<QLineEdit*>(QStringLiteral("numberOfItemsLineEdit"))->isEnabled();
    };
    QVERIFY(!countEditable());
    open();
    auto* count = m_dialog->findChild<QCheckBox*>(QStringLiteral("countEditableCheckBox"));
    QVERIFY(count->isVisible() && !count->isChecked());
    count->setChecked(true);
    click("buttonOk");
    QVERIFY(countEditable());
    open();
    QVERIFY(m_dialog->findChild<QCheckBox*>(QStringLiteral("countEditableCheckBox"))->isChecked());
}

QTEST_MAIN(TestCommonSetup)
#include "tst_commonsetup.moc"
