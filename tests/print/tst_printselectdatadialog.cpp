// The print settings record and the print set-up dialog: defaults, field lists in their fixed
// order, moving fields, length ranges and checks, separator, sort buttons, filters, help button,
// and what OK and Cancel store.

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintSettings.h"
#include "Settings.h"
#include "TestSettings.h"
#include "printSelectDataDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(ProgramVariant)

namespace {

class LayoutTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "printSelectDataDialogBase") == 0 && qstrcmp(source, "PrintLocation") == 0)
            return QStringLiteral("Only: ");
        if (qstrcmp(context, "printSelectDataDialog") == 0 && qstrcmp(source, "ITEM_COUNT") == 0)
            return QStringLiteral("No.");
        return {};
    }
};

// Field labels (in label order) that give the list its default captions.
const QStringList DefaultLabels = QStringLiteral("Gruppe,Navn,Fabrikat,Antal,Pris,Vurd.,Billede,Dato,Rum,Beskrivelse,"
                                                 "Leverandør,Adresse,Serie no.,Www,Kvitt.")
                                      .split(u',');

// Renames the list's captions the way opening a database with these field labels does.
void setCaptions(const QStringList& labels)
{
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("g") });
    collection.fieldLabels().setEntries(labels);
    ItemListView list(nullptr);
    list.createGroupRows(&collection);
    list.ViewAll(true);
}

QString texts(const QListWidget* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result.join(u',');
}

} // namespace

class TestPrintSelectDataDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void settingsDefaultsAndRoundTrip();
    void defaults();
    void addRemoveAndFixedOrder();
    void sameCaptionPrintsBoth();
    void captions();
    void lengthRanges_data();
    void lengthRanges();
    void everyLengthChecked();
    void addressAndDescriptionChecked_data();
    void addressAndDescriptionChecked();
    void separator();
    void sortButtons();
    void filters();
    void cancelStoresNothing();
    void helpButton_data();
    void helpButton();

private:
    template <typename T> T* child(const char* name) const
    {
        T* widget = m_dialog->findChild<T*>(QLatin1StringView(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    void open();
    void pressOk();

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<printSelectDataDialog> m_dialog;
    QList<MessageBoxes::Request> m_boxes;
    LayoutTranslator m_translator;
};

void TestPrintSelectDataDialog::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestPrintSelectDataDialog::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_boxes.clear();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
}

void TestPrintSelectDataDialog::cleanup()
{
    m_dialog.reset();
    setCaptions(DefaultLabels);
    MessageBoxes::setAnswerer({});
    m_settings.reset();
}

void TestPrintSelectDataDialog::open()
{
    m_dialog.reset();
    m_dialog
        = std::make_unique<printSelectDataDialog>(m_collection.get(), nullptr, QStringLiteral("Print setup"), true);
    m_dialog->show();
}

void TestPrintSelectDataDialog::pressOk()
{
    QTest::mouseClick(child<QPushButton>("buttonOk"), Qt::LeftButton);
}

void TestPrintSelectDataDialog::settingsDefaultsAndRoundTrip()
{
    PrintSettings settings;
    QVERIFY(!settings.printItemCount && settings.printGroupField && !settings.printProductTypeField);
    QVERIFY(settings.printDateField && !settings.printExtra4Field && !settings.printGroupOnly);
    QCOMPARE(settings.printCountFieldLength, 3);
    QCOMPARE(settings.printPriceTodayFieldLength, 9);
    QCOMPARE(settings.printExtra4FieldLength, 15);
    QCOMPARE(settings.printSeparator, QStringLiteral("|"));
    QCOMPARE(settings.sortMethod, 0);

    settings.printNameField = false;
    settings.printDocumentFieldLength = 77;
    settings.printSeparator = QStringLiteral("!");
    settings.locationToPrint = 2;
    settings.sortMethod = 9;
    settings.write();
    // write() leaves the sort method to writeSortMethod().
    QVERIFY(!openSettings()->contains("Print/sortMethod"));
    QCOMPARE(openSettings()->value("Print/printDocumentFieldLength").toInt(), 77);
    settings.writeSortMethod();
    const PrintSettings read;
    QVERIFY(!read.printNameField);
    QCOMPARE(read.printDocumentFieldLength, 77);
    QCOMPARE(read.printSeparator, QStringLiteral("!"));
    QCOMPARE(read.locationToPrint, 2);
    QCOMPARE(read.sortMethod, 9);
}

void TestPrintSelectDataDialog::defaults()
{
    open();
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Print setup"));
    QVERIFY(m_dialog->isModal());
    QCOMPARE(texts(child<QListWidget>("wantedListBox")), QStringLiteral("Gruppe,Navn,Fabrikat,Pris,Vurd.,Dato"));
    QCOMPARE(texts(child<QListWidget>("availableListBox")),
             QStringLiteral("No.,Antal,Billede,Rum,Beskrivelse,Leverandør,Adresse,Serie no.,Www,Kvitt.,Dok.,"
                            "Produkt model,Extra1,Extra2,Extra3,Extra4"));
    QCOMPARE(child<QComboBox>("printSepaComboBox")->currentText(), QStringLiteral("|"));
    QCOMPARE(child<QLineEdit>("extra4LengthLineEdit")->text(), QStringLiteral("15"));
    QCOMPARE(child<QLineEdit>("countLengthLineEdit")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLineEdit>("estimatedPriceLengthLineEdit")->text(), QStringLiteral("9"));
    QVERIFY(child<QRadioButton>("sortTypeRadioButton")->isChecked());
}

void TestPrintSelectDataDialog::addRemoveAndFixedOrder()
{
    open();
    auto* available = child<QListWidget>("availableListBox");
    auto* wanted = child<QListWidget>("wantedListBox");
    // Nothing current: the buttons do nothing.
    QTest::mouseClick(child<QPushButton>("AddButton"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("RemoveButton"), Qt::LeftButton);
    QCOMPARE(wanted->count(), 6);

    available->setCurrentRow(1); // Antal
    QTest::mouseClick(child<QPushButton>("AddButton"), Qt::LeftButton);
    available->setCurrentRow(0); // the running number
    QTest::mouseClick(child<QPushButton>("AddButton"), Qt::LeftButton);
    wanted->setCurrentRow(4); // Vurd.
    QTest::mouseClick(child<QPushButton>("RemoveButton"), Qt::LeftButton);
    QCOMPARE(texts(wanted), QStringLiteral("Gruppe,Navn,Fabrikat,Pris,Dato,Antal,No."));
    QVERIFY(texts(available).endsWith(QStringLiteral(",Vurd.")));
    pressOk();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(m_boxes.isEmpty());
    const PrintSettings stored;
    QVERIFY(stored.printCountField && stored.printItemCount && !stored.printPriceTodayField);

    open();
    QCOMPARE(texts(child<QListWidget>("wantedListBox")), QStringLiteral("No.,Gruppe,Navn,Fabrikat,Antal,Pris,Dato"));
}

void TestPrintSelectDataDialog::sameCaptionPrintsBoth()
{
    QStringList labels = DefaultLabels;
    labels[2] = QStringLiteral("Navn"); // the model column now shares the name's caption
    setCaptions(labels);
    m_settings->setValue("Print/printModelField", false);
    open();
    QCOMPARE(texts(child<QListWidget>("wantedListBox")).count(QStringLiteral("Navn")), 1);
    pressOk();
    QVERIFY(PrintSettings().printModelField);
}

void TestPrintSelectDataDialog::captions()
{
    QStringList labels = DefaultLabels;
    labels[0] = QStringLiteral("&Type");
    labels[8] = QStringLiteral("Room");
    setCaptions(labels);
    open();
    QCOMPARE(child<QLabel>("groupLengthLabel")->text(), QStringLiteral("Type"));
    QCOMPARE(child<QLabel>("receiptLengthLabel")->text(), QStringLiteral("Kvitt."));
    QCOMPARE(child<QRadioButton>("sortTypeRadioButton")->text(), QStringLiteral("Type"));
    QCOMPARE(child<QRadioButton>("sortLocationButton")->text(), QStringLiteral("Room"));
    QCOMPARE(child<QRadioButton>("sortPriceRadioButton")->text(), QStringLiteral("Pris"));
    QCOMPARE(child<QCheckBox>("PrintLocationCheckBox")->text(), QStringLiteral("Only: Room"));
}

void TestPrintSelectDataDialog::lengthRanges_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("notice");
    QTest::newRow("count 20") << "countLengthLineEdit"
                              << "20"
                              << "20" << "";
    QTest::newRow("count refuses 25") << "countLengthLineEdit"
                                      << "25"
                                      << "2" << "LENGTH_KEY_REFUSED Antal 20";
    QTest::newRow("price 12") << "priceLengthLineEdit"
                              << "12"
                              << "12" << "";
    QTest::newRow("price today refuses 13") << "estimatedPriceLengthLineEdit"
                                            << "13"
                                            << "1" << "LENGTH_KEY_REFUSED Vurd. 12";
    QTest::newRow("name 200") << "nameLengthEdit"
                              << "200"
                              << "200" << "";
    QTest::newRow("name refuses 201") << "nameLengthEdit"
                                      << "201"
                                      << "20" << "LENGTH_KEY_REFUSED Navn 200";
    // The last keystroke was taken, so nothing is told any more.
    QTest::newRow("letters and minus refused") << "extra4LengthLineEdit"
                                               << "-1a5"
                                               << "15" << "";
    QTest::newRow("0 may stand while typing") << "groupLengthLineEdit"
                                              << "0"
                                              << "0" << "";
}

void TestPrintSelectDataDialog::lengthRanges()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, notice);
    open();
    auto* lineEdit = m_dialog->findChild<QLineEdit*>(edit);
    lineEdit->clear();
    QTest::keyClicks(lineEdit, typed);
    QCOMPARE(lineEdit->text(), kept);
    // A refused keystroke is told below the edits, not dropped in silence.
    auto* label = child<QLabel>("lengthNoticeLabel");
    QCOMPARE(label->isVisible() ? label->text() : QString(), notice);
}

void TestPrintSelectDataDialog::everyLengthChecked()
{
    // A field chosen for printing but 0 characters wide would never be seen: an empty or 0
    // length is refused by its field's name, and nothing is stored.
    open();
    child<QLineEdit>("extra2LengthLineEdit")->setText(QStringLiteral("150"));
    child<QLineEdit>("nameLengthEdit")->clear();
    child<QLineEdit>("priceLengthLineEdit")->setText(QStringLiteral("0"));
    pressOk();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("FIELD_LENGTH_RANGE Navn 200\n\nRet det !"));
    QVERIFY(openSettings()->allKeys().isEmpty());

    child<QLineEdit>("nameLengthEdit")->setText(QStringLiteral("30"));
    child<QLineEdit>("priceLengthLineEdit")->setText(QStringLiteral("12"));
    pressOk();
    const PrintSettings stored;
    QCOMPARE(stored.printExtra2FieldLength, 150);
    QCOMPARE(stored.printNameFieldLength, 30);
    QCOMPARE(stored.printPriceFieldLength, 12);
}

void TestPrintSelectDataDialog::addressAndDescriptionChecked_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("field");
    QTest::newRow("address 0") << "0"
                               << "15"
                               << "Adresse";
    QTest::newRow("address 201, description too") << "201"
                                                  << "500"
                                                  << "Adresse";
    QTest::newRow("description empty") << "200"
                                       << ""
                                       << "Beskrivelse";
}

void TestPrintSelectDataDialog::addressAndDescriptionChecked()
{
    QFETCH(QString, address);
    QFETCH(QString, description);
    QFETCH(QString, field);
    open();
    child<QLineEdit>("addressLengthLineEdit")->setText(address);
    child<QLineEdit>("descriptionLengthLineEdit")->setText(description);
    child<QComboBox>("printSepaComboBox")->setCurrentIndex(3);
    pressOk();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Felt grænseværdi fejl"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("'%1 felt længde' skal være: 1 -> 200\n\nRet det !").arg(field));
    QVERIFY(m_dialog->isVisible());
    QVERIFY(openSettings()->allKeys().isEmpty());
}

void TestPrintSelectDataDialog::separator()
{
    m_settings->setValue("Print/printSeparator", QStringLiteral("I"));
    open();
    auto* combo = child<QComboBox>("printSepaComboBox");
    QCOMPARE(combo->currentIndex(), 6);
    for (int entry = 0; entry < 7; ++entry)
        QCOMPARE(combo->itemText(entry), QString(QStringLiteral("|;:+#!I").at(entry)));
    combo->setCurrentIndex(4);
    pressOk();
    QCOMPARE(PrintSettings().printSeparator, QStringLiteral("#"));
    // A separator that is none of the choices shows the bar, and OK stores it.
    m_settings->setValue("Print/printSeparator", QStringLiteral("i"));
    open();
    combo = child<QComboBox>("printSepaComboBox");
    QCOMPARE(combo->currentIndex(), 0);
    pressOk();
    QCOMPARE(PrintSettings().printSeparator, QStringLiteral("|"));
}

void TestPrintSelectDataDialog::sortButtons()
{
    const std::pair<const char*, int> buttons[]
        = { { "sortTypeRadioButton", 0 },  { "sortNameRadioButton", 1 }, { "sortModelRadioButton", 2 },
            { "sortPriceRadioButton", 5 }, { "sortDateradioButton", 9 }, { "sortLocationButton", 10 } };
    for (const auto& [name, key] : buttons) {
        m_settings->setValue("Print/sortMethod", key == 10 ? 0 : 10);
        open();
        child<QRadioButton>(name)->click();
        pressOk();
        QCOMPARE(openSettings()->value("Print/sortMethod").toInt(), key);
        open();
        QCOMPARE(child<QButtonGroup>("sortButtonGroup")->checkedButton()->objectName(), QLatin1StringView(name));
    }
    // A stored key without a button checks none, and OK keeps it.
    m_settings->setValue("Print/sortMethod", 3);
    open();
    QVERIFY(!child<QButtonGroup>("sortButtonGroup")->checkedButton());
    pressOk();
    QCOMPARE(openSettings()->value("Print/sortMethod").toInt(), 3);
}

void TestPrintSelectDataDialog::filters()
{
    m_settings->setValue("Print/printGroupOnly", true);
    m_settings->setValue("Print/groupToPrint", 2);
    m_settings->setValue("Print/locationToPrint", 1);
    open();
    auto* groups = child<QComboBox>("PrintGroupComboBox");
    auto* locations = child<QComboBox>("PrintLocationComboBox");
    QCOMPARE(groups->count(), 3);
    QCOMPARE(groups->currentText(), QStringLiteral("Attic"));
    QCOMPARE(locations->currentText(), QStringLiteral("Loft"));
    QVERIFY(child<QCheckBox>("PrintGroupCheckBox")->isChecked());
    QVERIFY(!child<QCheckBox>("PrintLocationCheckBox")->isChecked());

    child<QCheckBox>("PrintGroupCheckBox")->setChecked(false);
    groups->setCurrentIndex(1);
    child<QCheckBox>("PrintLocationCheckBox")->setChecked(true);
    locations->setCurrentIndex(0);
    pressOk();
    const PrintSettings stored;
    QVERIFY(!stored.printGroupOnly && stored.printLocationOnly);
    QCOMPARE(stored.groupToPrint, 1);
    QCOMPARE(stored.locationToPrint, 0);
}

void TestPrintSelectDataDialog::cancelStoresNothing()
{
    open();
    child<QListWidget>("availableListBox")->setCurrentRow(0);
    m_dialog->add_slot();
    child<QComboBox>("printSepaComboBox")->setCurrentIndex(2);
    child<QRadioButton>("sortDateradioButton")->click();
    QTest::mouseClick(child<QPushButton>("buttonCancel"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(openSettings()->allKeys().isEmpty());
}

void TestPrintSelectDataDialog::helpButton_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Domvara no") << ProgramVariant::Domvara << "no" << true;
    QTest::newRow("Domvara en") << ProgramVariant::Domvara << "en" << false;
    QTest::newRow("Mintora dk") << ProgramVariant::Mintora << "dk" << true;
    QTest::newRow("Mintora no") << ProgramVariant::Mintora << "no" << false;
    QTest::newRow("Stockvane dk") << ProgramVariant::Stockvane << "dk" << false;
    QTest::newRow("Pictova dk") << ProgramVariant::Pictova << "dk" << false;
}

void TestPrintSelectDataDialog::helpButton()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, language);
    QFETCH(bool, enabled);
    m_settings = std::make_unique<TestSettings>(variant);
    m_settings->setValue("Language", language);
    open();
    QCOMPARE(child<QPushButton>("buttonHelp")->isEnabled(), enabled);
}

QTEST_MAIN(TestPrintSelectDataDialog)
#include "tst_printselectdatadialog.moc"
