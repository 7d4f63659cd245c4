// The item dialog, driven as a user would: showing and storing all fields, new Items and copies
// per product, validation, saving into the collection and the list, search by example,
// stepping through the database, the read-only look, the product's labels, pictures, links,
// printing, the stored geometry and the limits of the text fields. Message boxes, file and
// printer dialogs and the desktop are answered by the test.

#include "DBItemCollection.h"
#include "Desktop.h"
#include "FileDialogs.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "Settings.h"
#include "TestSettings.h"
#include "funiQListViewItem.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(ProgramVariant)

namespace {

struct StartCall
{
    QString program;
    QStringList arguments;
};

template <typename T> T* widget(const QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("the dialog has no widget %s", name);
    return found;
}

QLineEdit* edit(const QWidget& dialog, const char* name)
{
    return widget<QLineEdit>(dialog, name);
}

QPushButton* button(const QWidget& dialog, const char* name)
{
    return widget<QPushButton>(dialog, name);
}

QComboBox* combo(const QWidget& dialog, const char* name)
{
    return widget<QComboBox>(dialog, name);
}

QString text(const QWidget& dialog, const char* name)
{
    return edit(dialog, name)->text();
}

// Replaces what a field holds by typing over it.
void type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

void type(const QWidget& dialog, const char* name, const QString& text)
{
    type(edit(dialog, name), text);
}

bool click(const QWidget& dialog, const char* name)
{
    QPushButton* pushButton = button(dialog, name);
    if (!pushButton->isEnabled())
        return false;
    QTest::mouseClick(pushButton, Qt::LeftButton);
    return true;
}

QWidget* currentPage(const QWidget& dialog)
{
    return widget<QTabWidget>(dialog, "primaryTabWidget")->currentWidget();
}

bool tabEnabled(const QWidget& dialog, const char* page)
{
    const auto* tabs = widget<QTabWidget>(dialog, "primaryTabWidget");
    return tabs->isTabEnabled(tabs->indexOf(widget<QWidget>(dialog, page)));
}

QSize shownPixmapSize(const QWidget& dialog, const char* label)
{
    return widget<QLabel>(dialog, label)->pixmap().size();
}

} // namespace

class TestItemDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showAndStoreAllFields();
    void cancelKeepsTheItem();
    void newItemPerProduct_data();
    void newItemPerProduct();
    void groupPresetFromName();
    void validation_data();
    void validation();
    void saveNewItem();
    void saveMovesRowToNewGroup();
    void valuesTheFormCannotShowAreKept();
    void copyIsSavedAsNewItem();
    void deleteTakesTheRowAlong();
    void searchByExample();
    void previousAndNextStopAtTheEnds();
    void readOnlyDatabase();
    void fieldLabels();
    void documentLabelWithHash();
    void productLook_data();
    void productLook();
    void tabOrder();
    void usableAtDefaultSize();
    void picturesScaledToTheirLabels();
    void receiptPageShowsOnlyItsOwnItem();
    void linkButtons();
    void browseForFiles();
    void printToPdf();
    void geometryStoredOnAcceptNotOnCancel();
    void textFieldLimits();

private:
    void useProduct(ProgramVariant variant);
    Item* add(int type, const QString& name);
    void fill();
    std::unique_ptr<ItemDialog> open(Item* item, const QString& kind = QStringLiteral("DATA"), bool search = false,
                                     const QString& groupName = {});
    QString picture(const QString& name, int width, int height);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    QList<MessageBoxes::Request> m_boxes;
    QList<FileDialogs::Request> m_fileRequests;
    QString m_chosenFile;
    QList<StartCall> m_starts;
    QList<QUrl> m_opened;
    bool m_startSucceeds = false;
};

void TestItemDialog::init()
{
    m_files = std::make_unique<QTemporaryDir>();
    useProduct(ProgramVariant::Domvara);
    m_boxes.clear();
    m_fileRequests.clear();
    m_chosenFile.clear();
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = false;
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
    FileDialogs::setAnswerer([this](const FileDialogs::Request& request) {
        m_fileRequests.append(request);
        return FileDialogs::Answer{ m_chosenFile, request.directory };
    });
    PrintDialogs::setAnswerer([](QPrinter*) { return false; });
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        },
        [this](const QString& program, const QStringList& arguments) {
            m_starts.append({ program, arguments });
            return m_startSucceeds;
        });
}

void TestItemDialog::cleanup()
{
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    FileDialogs::setAnswerer({});
    PrintDialogs::setAnswerer({});
    Desktop::setHandlers({}, {});
    m_settings.reset();
    m_files.reset();
    DBItemCollection::setModified(false);
}

void TestItemDialog::useProduct(ProgramVariant variant)
{
    m_list.reset();
    m_collection.reset();
    m_settings.reset();
    m_settings = std::make_unique<TestSettings>(variant);
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_collection->suppliers().setEntries({ QStringLiteral("Shop"), QStringLiteral("Market") });
    m_list = std::make_unique<ItemListView>(nullptr);
    DBItemCollection::setModified(false);
}

Item* TestItemDialog::add(int type, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setNumber_of_items(1);
    item->setDate(QStringLiteral("01.02.2003"));
    return m_collection->addItem(std::move(item));
}

void TestItemDialog::fill()
{
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    DBItemCollection::setModified(false);
}

std::unique_ptr<ItemDialog> TestItemDialog::open(Item* item, const QString& kind, bool search, const QString& groupName)
{
    auto dialog
        = std::make_unique<ItemDialog>(m_collection.get(), m_list.get(), item, kind, search, nullptr, groupName);
    dialog->show();
    return dialog;
}

QString TestItemDialog::picture(const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = m_files->filePath(name);
    if (!image.save(path))
        qFatal("cannot write a test picture");
    return path;
}

void TestItemDialog::showAndStoreAllFields()
{
    add(0, QStringLiteral("Kettle"));
    Item* lamp = add(2, QStringLiteral("Lamp"));
    lamp->setProduct(QStringLiteral("Lumo"));
    lamp->setProductModel(QStringLiteral("L-3"));
    lamp->setNumber_of_items(3);
    lamp->setPrice(12.5);
    lamp->setPriceToday(8.25);
    lamp->setDate(QStringLiteral("24.12.2009"));
    lamp->setLocation(0);
    lamp->setSupplier(QStringLiteral("Market"));
    lamp->setSerialno(QStringLiteral("SN-7"));
    lamp->setDescription(QStringLiteral("Brass"));
    lamp->setAddress(QStringLiteral("Main St 1"));
    lamp->setPhotolink(QStringLiteral("/pictures/lamp.pdf"));
    lamp->setWww(QStringLiteral("https://example.org/lamp"));
    lamp->setReceipt(QStringLiteral("/receipts/lamp.pdf"));
    lamp->setDocument(QStringLiteral("/documents/manual.pdf"));
    lamp->setExtra1(QStringLiteral("e1"));
    lamp->setExtra2(QStringLiteral("e2"));
    lamp->setExtra3(QStringLiteral("e3"));
    lamp->setExtra4(QStringLiteral("e4"));
    fill();
    m_list->ItemSelected(m_list->FindListViewItem(lamp));
    const auto dialog = open(lamp);
    const ItemDialog& d = *dialog;

    QCOMPARE(dialog->currentItem(), lamp);
    QVERIFY(!dialog->ownsCurrentItem());
    QCOMPARE(combo(d, "groupComboBox")->currentText(), QStringLiteral("Attic"));
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Lamp"));
    QCOMPARE(text(d, "productLineEdit"), QStringLiteral("Lumo"));
    QCOMPARE(text(d, "productBrandLineEdit"), QStringLiteral("L-3"));
    QCOMPARE(text(d, "numberOfItemsLineEdit"), QStringLiteral("3"));
    QCOMPARE(text(d, "priceLineEdit"), QStringLiteral("12.50"));
    QCOMPARE(text(d, "priceTotalLineEdit"), QStringLiteral("37.50"));
    QCOMPARE(text(d, "priceTodayLineEdit"), QStringLiteral("8.25"));
    QCOMPARE(widget<QDateEdit>(d, "buyQDateEdit")->date(), QDate(2009, 12, 24));
    QCOMPARE(widget<QDateEdit>(d, "buyQDateEdit")->text(), QStringLiteral("24.12.2009"));
    QCOMPARE(combo(d, "locationComboBox")->currentText(), QStringLiteral("Ground floor"));
    QCOMPARE(combo(d, "supplierComboBox")->currentText(), QStringLiteral("Market"));
    QCOMPARE(text(d, "addressLineEdit"), QStringLiteral("Main St 1"));
    QCOMPARE(text(d, "wwwLineEdit"), QStringLiteral("https://example.org/lamp"));
    QCOMPARE(text(d, "serialnoLineEdit"), QStringLiteral("SN-7"));
    QCOMPARE(text(d, "infoLineEdit"), QStringLiteral("Brass"));
    QCOMPARE(text(d, "photolinkLineEdit"), QStringLiteral("/pictures/lamp.pdf"));
    QCOMPARE(text(d, "receiptLineEdit"), QStringLiteral("/receipts/lamp.pdf"));
    QCOMPARE(text(d, "documentLineEdit"), QStringLiteral("/documents/manual.pdf"));
    QCOMPARE(text(d, "extra1LineEdit"), QStringLiteral("e1"));
    QCOMPARE(text(d, "extra4LineEdit"), QStringLiteral("e4"));
    QCOMPARE(currentPage(d)->objectName(), QStringLiteral("basicPage"));
    for (const char* name :
         { "showPhotoPushButton", "showReceiptPushButton", "showDocumentPushButton", "showWwwPushButton" })
        QVERIFY2(button(d, name)->isEnabled(), name);

    // Every field typed anew and saved lands in its own field of the Item.
    QTest::keyClick(combo(d, "groupComboBox"), Qt::Key_Up);
    QTest::keyClick(combo(d, "locationComboBox"), Qt::Key_Down);
    type(d, "nameLineEdit", QStringLiteral("Floor lamp"));
    type(d, "productLineEdit", QStringLiteral("Lux"));
    type(d, "productBrandLineEdit", QStringLiteral("F-9"));
    type(d, "numberOfItemsLineEdit", QStringLiteral("2"));
    type(d, "priceLineEdit", QStringLiteral("100.25"));
    type(d, "priceTodayLineEdit", QStringLiteral("80"));
    widget<QDateEdit>(d, "buyQDateEdit")->setDate(QDate(2011, 3, 5));
    type(combo(d, "supplierComboBox")->lineEdit(), QStringLiteral("Bazaar"));
    type(d, "addressLineEdit", QStringLiteral("High St 2"));
    type(d, "wwwLineEdit", QStringLiteral("https://example.org/floor"));
    type(d, "serialnoLineEdit", QStringLiteral("SN-8"));
    type(d, "infoLineEdit", QStringLiteral("Steel"));
    type(d, "photolinkLineEdit", QStringLiteral("/pictures/floor.png"));
    type(d, "receiptLineEdit", QStringLiteral("/receipts/floor.pdf"));
    type(d, "documentLineEdit", QStringLiteral("/documents/floor.pdf"));
    type(d, "extra1LineEdit", QStringLiteral("x1"));
    type(d, "extra2LineEdit", QStringLiteral("x2"));
    type(d, "extra3LineEdit", QStringLiteral("x3"));
    type(d, "extra4LineEdit", QStringLiteral("x4"));
    // The total follows the typed count and price at once.
    QCOMPARE(text(d, "priceTotalLineEdit"), QStringLiteral("200.50"));
    QVERIFY(click(d, "savePushButton"));

    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_collection->count(), 2);
    QCOMPARE(lamp->type(), 1);
    QCOMPARE(lamp->name(), QStringLiteral("Floor lamp"));
    QCOMPARE(lamp->product(), QStringLiteral("Lux"));
    QCOMPARE(lamp->productModel(), QStringLiteral("F-9"));
    QCOMPARE(lamp->number_of_items(), 2);
    QCOMPARE(lamp->price(), 100.25);
    QCOMPARE(lamp->priceToday(), 80.0);
    QCOMPARE(lamp->date(), QStringLiteral("05.03.2011"));
    QCOMPARE(lamp->location(), 1);
    QCOMPARE(lamp->supplier(), QStringLiteral("Bazaar"));
    QCOMPARE(lamp->address(), QStringLiteral("High St 2"));
    QCOMPARE(lamp->www(), QStringLiteral("https://example.org/floor"));
    QCOMPARE(lamp->serialno(), QStringLiteral("SN-8"));
    QCOMPARE(lamp->description(), QStringLiteral("Steel"));
    QCOMPARE(lamp->photolink(), QStringLiteral("/pictures/floor.png"));
    QCOMPARE(lamp->receipt(), QStringLiteral("/receipts/floor.pdf"));
    QCOMPARE(lamp->document(), QStringLiteral("/documents/floor.pdf"));
    QCOMPARE(lamp->extra1(), QStringLiteral("x1"));
    QCOMPARE(lamp->extra2(), QStringLiteral("x2"));
    QCOMPARE(lamp->extra3(), QStringLiteral("x3"));
    QCOMPARE(lamp->extra4(), QStringLiteral("x4"));
    QVERIFY(DBItemCollection::isModified());
    QVERIFY(dialog->isVisible());

    // Shown and saved again unchanged, the Item stays as it is.
    const Item before = *lamp;
    dialog->showItem(lamp);
    QVERIFY(click(d, "savePushButton"));
    QCOMPARE(*lamp, before);
}

void TestItemDialog::cancelKeepsTheItem()
{
    Item* lamp = add(0, QStringLiteral("Lamp"));
    lamp->setPrice(10);
    fill();
    const Item before = *lamp;
    const auto dialog = open(lamp);
    type(*dialog, "numberOfItemsLineEdit", QStringLiteral("4"));
    type(*dialog, "priceLineEdit", QStringLiteral("99"));
    type(*dialog, "nameLineEdit", QStringLiteral("Other"));
    QVERIFY(click(*dialog, "buttonCancel"));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(*lamp, before);
    QVERIFY(!DBItemCollection::isModified());
}

void TestItemDialog::newItemPerProduct_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<bool>("enableCountSetting");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("countEnabled");
    QTest::addColumn<QString>("serialno");
    QTest::newRow("Domvara") << ProgramVariant::Domvara << false << QStringLiteral("1") << true << QString();
    QTest::newRow("Mintora") << ProgramVariant::Mintora << false << QStringLiteral("1") << true << QString();
    QTest::newRow("Pictova") << ProgramVariant::Pictova << false << QStringLiteral("0") << true << QString();
    QTest::newRow("Stockvane") << ProgramVariant::Stockvane << false << QStringLiteral("1") << false
                               << QStringLiteral("13");
    QTest::newRow("Stockvane, count enabled")
        << ProgramVariant::Stockvane << true << QStringLiteral("1") << true << QStringLiteral("13");
}

void TestItemDialog::newItemPerProduct()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(bool, enableCountSetting);
    QFETCH(QString, count);
    QFETCH(bool, countEnabled);
    QFETCH(QString, serialno);
    useProduct(variant);
    if (enableCountSetting)
        m_settings->setValue("EnableNumberOfItemsLineEdit", true);
    add(0, QStringLiteral("a"))->setSerialno(QStringLiteral("12"));
    add(0, QStringLiteral("b"))->setSerialno(QStringLiteral("abc"));
    add(1, QStringLiteral("c"))->setSerialno(QStringLiteral("7"));
    fill();

    const auto dialog = open(nullptr);
    const ItemDialog& d = *dialog;
    QVERIFY(dialog->ownsCurrentItem());
    QVERIFY(dialog->currentItem());
    QCOMPARE(m_collection->count(), 3);
    QCOMPARE(text(d, "numberOfItemsLineEdit"), count);
    QCOMPARE(edit(d, "numberOfItemsLineEdit")->isEnabled(), countEnabled);
    QCOMPARE(text(d, "serialnoLineEdit"), serialno);
    QCOMPARE(edit(d, "serialnoLineEdit")->isEnabled(), variant != ProgramVariant::Stockvane);
    QCOMPARE(widget<QDateEdit>(d, "buyQDateEdit")->date(), QDate::currentDate());
    QVERIFY(text(d, "nameLineEdit").isEmpty());
    QVERIFY(!tabEnabled(d, "picturePage"));
    for (const char* name : { "newPushButton", "CopyPushButton", "resetPushButton", "seachPushButton",
                              "SearchAgainButton", "PrevPushButton", "NextPushButton", "printButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);
    QVERIFY(button(d, "savePushButton")->isEnabled());
    QVERIFY(button(d, "buttonOk")->isEnabled());
}

void TestItemDialog::groupPresetFromName()
{
    m_collection->groups().setEntries(
        { QStringLiteral("Kitchen"), QStringLiteral("M\u00f8bler/lamper/gardiner"), QStringLiteral("Attic") });
    add(2, QStringLiteral("Trunk"));
    fill();
    auto dialog = open(nullptr, QStringLiteral("DATA"), false, QStringLiteral("M\u00f8bler/lamper/gardiner"));
    QCOMPARE(combo(*dialog, "groupComboBox")->currentIndex(), 1);
    QVERIFY(dialog->ownsCurrentItem());

    // Only an exact match counts.
    dialog = open(nullptr, QStringLiteral("DATA"), false, QStringLiteral("attic"));
    QCOMPARE(combo(*dialog, "groupComboBox")->currentIndex(), 0);

    // An empty database starts a new Item in the group too.
    dialog.reset();
    useProduct(ProgramVariant::Domvara);
    dialog = open(nullptr, QStringLiteral("DATA"), true, QStringLiteral("Attic"));
    QVERIFY(dialog->ownsCurrentItem());
    QCOMPARE(combo(*dialog, "groupComboBox")->currentText(), QStringLiteral("Attic"));
}

void TestItemDialog::validation_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QStringList>("locations");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("priceToday");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("storedPriceToday");

    const QStringList rooms{ QStringLiteral("Store"), QStringLiteral("Yard") };
    const QString limit = QStringLiteral("Felt gr\u00e6nsev\u00e6rdi fejl");
    const QString fix = QStringLiteral("\n\nRet det !");
    const QString name = QStringLiteral("Lamp");
    const QString fejl = QStringLiteral("Fejl");
    QTest::newRow("Domvara: empty price")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("1") << QString() << QStringLiteral("5") << limit
        << QStringLiteral("'K\u00f8bspris' skal v\u00e6re: 0.0 -> 9999999") + fix << QString();
    QTest::newRow("Domvara: unfinished present value")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("1") << QStringLiteral("10")
        << QStringLiteral(".") << limit << QStringLiteral("'Vurderet pris' skal v\u00e6re: 0.0 -> 9999999") + fix
        << QString();
    QTest::newRow("Domvara: empty present value takes the price")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("2") << QStringLiteral("10.50") << QString()
        << QString() << QString() << QStringLiteral("10.50");
    QTest::newRow("Domvara: count 0") << ProgramVariant::Domvara << rooms << name << QStringLiteral("0")
                                      << QStringLiteral("10") << QStringLiteral("10") << limit
                                      << QStringLiteral("'Antal' skal v\u00e6re i intervalet: 0 -> 100000") + fix
                                      << QString();
    QTest::newRow("Domvara: no name") << ProgramVariant::Domvara << rooms << QString() << QStringLiteral("1")
                                      << QStringLiteral("10") << QStringLiteral("10") << fejl
                                      << QStringLiteral("DomvaraNameMissing") << QString();
    QTest::newRow("Stockvane: empty price is no error")
        << ProgramVariant::Stockvane << rooms << name << QStringLiteral("1") << QString() << QString() << QString()
        << QString() << QString();
    QTest::newRow("Stockvane: count 0") << ProgramVariant::Stockvane << rooms << name << QStringLiteral("0")
                                        << QString() << QString() << limit
                                        << QStringLiteral("'Antal' skal v\u00e6re i intervalet: 0 -> 100000") + fix
                                        << QString();
    QTest::newRow("Stockvane: no name") << ProgramVariant::Stockvane << rooms << QString() << QStringLiteral("1")
                                        << QString() << QString() << fejl << QStringLiteral("StockvaneNameMissing")
                                        << QString();
    QTest::newRow("Stockvane: no location")
        << ProgramVariant::Stockvane << QStringList{ QString(), QStringLiteral("Yard") } << name << QStringLiteral("1")
        << QString() << QString() << fejl << QStringLiteral("StockvaneItemTypeHasNotBeenSelectedRum") << QString();
    QTest::newRow("Mintora: count 0 is no error")
        << ProgramVariant::Mintora << rooms << name << QStringLiteral("0") << QString() << QStringLiteral(".")
        << QString() << QString() << QStringLiteral(".");
    QTest::newRow("Mintora: no name") << ProgramVariant::Mintora << rooms << QString() << QStringLiteral("1")
                                      << QString() << QString() << fejl << QStringLiteral("MintoraNameMissing")
                                      << QString();
    QTest::newRow("Pictova: unfinished prices are no error")
        << ProgramVariant::Pictova << rooms << name << QString() << QStringLiteral(".") << QStringLiteral(".")
        << QString() << QString() << QStringLiteral(".");
    QTest::newRow("Pictova: no name") << ProgramVariant::Pictova << rooms << QString() << QStringLiteral("0")
                                      << QString() << QString() << fejl << QStringLiteral("PictovaNameMissing")
                                      << QString();
}

void TestItemDialog::validation()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QStringList, locations);
    QFETCH(QString, name);
    QFETCH(QString, count);
    QFETCH(QString, price);
    QFETCH(QString, priceToday);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, storedPriceToday);
    useProduct(variant);
    m_settings->setValue("EnableNumberOfItemsLineEdit", true);
    m_collection->locations().setEntries(locations);
    add(0, QStringLiteral("Kettle"));
    fill();

    const auto dialog = open(nullptr);
    const ItemDialog& d = *dialog;
    type(d, "nameLineEdit", name);
    type(d, "numberOfItemsLineEdit", count);
    type(d, "priceLineEdit", price);
    type(d, "priceTodayLineEdit", priceToday);
    QVERIFY(click(d, "buttonOk"));

    if (title.isEmpty()) {
        QCOMPARE(m_boxes.size(), 0);
        QCOMPARE(m_collection->count(), 2);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(text(d, "priceTodayLineEdit"), storedPriceToday);
        // Text that is no number is stored as 0.
        QCOMPARE(m_collection->at(1)->priceToday(), storedPriceToday.toDouble());
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(m_boxes[0].title, title);
        QCOMPARE(m_boxes[0].text, message);
        QCOMPARE(m_collection->count(), 1);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->ownsCurrentItem());
        QCOMPARE(text(d, "priceTodayLineEdit"), priceToday);
    }
}

void TestItemDialog::saveNewItem()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr, QStringLiteral("DATA"), false, QStringLiteral("Hall"));
    const ItemDialog& d = *dialog;
    type(d, "nameLineEdit", QStringLiteral("Umbrella stand"));
    type(d, "priceLineEdit", QStringLiteral("45"));
    QVERIFY(click(d, "savePushButton"));

    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_collection->count(), 2);
    Item* saved = m_collection->at(1);
    QCOMPARE(dialog->currentItem(), saved);
    QVERIFY(!dialog->ownsCurrentItem());
    QCOMPARE(saved->type(), 1);
    QCOMPARE(saved->name(), QStringLiteral("Umbrella stand"));
    QCOMPARE(saved->priceToday(), 45.0);
    QVERIFY(DBItemCollection::isModified());
    // The new row hangs under its group, selected and current.
    QTreeWidgetItem* row = m_list->isItemSelected();
    QCOMPARE(funiQListViewItem::itemOf(row), saved);
    QVERIFY(row->isSelected());
    QCOMPARE(row->parent()->text(0), QStringLiteral("Hall"));
    QCOMPARE(row->text(1), QStringLiteral("Umbrella stand"));
    for (const char* name : { "newPushButton", "CopyPushButton", "resetPushButton", "seachPushButton", "PrevPushButton",
                              "NextPushButton", "printButton" })
        QVERIFY2(button(d, name)->isEnabled(), name);

    // Saving again changes the same Item and row, and adds nothing.
    type(d, "nameLineEdit", QStringLiteral("Stand"));
    QVERIFY(click(d, "savePushButton"));
    QCOMPARE(m_collection->count(), 2);
    QCOMPARE(saved->name(), QStringLiteral("Stand"));
    QCOMPARE(m_list->topLevelItem(1)->text(0), QStringLiteral("Hall"));
    QCOMPARE(m_list->topLevelItem(1)->childCount(), 1);
    QCOMPARE(m_list->topLevelItem(1)->child(0)->text(1), QStringLiteral("Stand"));
}

void TestItemDialog::saveMovesRowToNewGroup()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    add(0, QStringLiteral("Pan"));
    fill();
    m_list->ItemSelected(m_list->FindListViewItem(kettle));
    const auto dialog = open(kettle);
    QTest::keyClick(combo(*dialog, "groupComboBox"), Qt::Key_Down);
    QTest::keyClick(combo(*dialog, "groupComboBox"), Qt::Key_Down);
    QVERIFY(click(*dialog, "savePushButton"));

    QCOMPARE(kettle->type(), 2);
    QTreeWidgetItem* row = m_list->isItemSelected();
    QCOMPARE(funiQListViewItem::itemOf(row), kettle);
    QVERIFY(row->isSelected());
    QCOMPARE(row->parent()->text(0), QStringLiteral("Attic"));
    // "Kitchen" sorts last and keeps only the pan.
    QCOMPARE(m_list->topLevelItem(2)->childCount(), 1);
    QCOMPARE(m_list->topLevelItem(2)->child(0)->text(1), QStringLiteral("Pan"));
}

void TestItemDialog::valuesTheFormCannotShowAreKept()
{
    // A group and a location beyond their lookup lists, a date before the editor's own lower
    // limit, no date at all and large prices: saving another field leaves them as they were.
    Item* chest = add(7, QStringLiteral("Chest"));
    chest->setLocation(9);
    chest->setDate(QStringLiteral("15.06.1650"));
    Item* stool = add(0, QStringLiteral("Stool"));
    stool->setDate(QString());
    fill();
    for (Item* item : {chest, stool}) {
        const Item before = *item;
        const auto dialog = open(item);
        type(*dialog, "nameLineEdit", QStringLiteral("Renamed"));
        QVERIFY(click(*dialog, "savePushButton"));
        QCOMPARE(item->name(), QStringLiteral("Renamed"));
        QCOMPARE(item->type(), before.type());
        QCOMPARE(item->location(), before.location());
        QCOMPARE(item->date(), before.date());
    }
    // Prices of a million and more are shown, and so kept, to the cent.
    Item* car = add(0, QStringLiteral("Car"));
    car->setPrice(1234567.89);
    car->setPriceToday(2500000.25);
    m_list->addItemRow(car, true);
    const auto carDialog = open(car);
    QCOMPARE(text(*carDialog, "priceTotalLineEdit"), QStringLiteral("1234567.89"));
    QVERIFY(click(*carDialog, "savePushButton"));
    QCOMPARE(car->price(), 1234567.89);
    QCOMPARE(car->priceToday(), 2500000.25);
    type(*carDialog, "priceLineEdit", QStringLiteral("7654321.25"));
    QVERIFY(click(*carDialog, "savePushButton"));
    QCOMPARE(car->price(), 7654321.25);

    // A date the user sets is stored, however old.
    const auto dialog = open(chest);
    widget<QDateEdit>(*dialog, "buyQDateEdit")->setDate(QDate(1490, 3, 2));
    QVERIFY(click(*dialog, "savePushButton"));
    QCOMPARE(chest->date(), QStringLiteral("02.03.1490"));
}

void TestItemDialog::copyIsSavedAsNewItem()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPrice(20);
    kettle->setPriceToday(15);
    fill();
    const Item before = *kettle;
    auto dialog = open(kettle);
    const ItemDialog& d = *dialog;
    QVERIFY(click(d, "CopyPushButton"));
    QVERIFY(dialog->ownsCurrentItem());
    QVERIFY(dialog->currentItem() != kettle);
    QVERIFY(DBItemCollection::isModified());
    for (const char* name : { "CopyPushButton", "seachPushButton", "PrevPushButton", "NextPushButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);
    // The form keeps what it showed; only a save stores the copy.
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Kettle"));
    QCOMPARE(m_collection->count(), 1);

    type(d, "nameLineEdit", QStringLiteral("Second kettle"));
    QVERIFY(click(d, "savePushButton"));
    QCOMPARE(m_collection->count(), 2);
    QCOMPARE(m_collection->at(1)->name(), QStringLiteral("Second kettle"));
    QCOMPARE(m_collection->at(1)->price(), 20.0);
    QCOMPARE(*kettle, before);
    QCOMPARE(m_list->topLevelItem(2)->childCount(), 2);

    // A stock copy gets the next serial number.
    dialog.reset();
    useProduct(ProgramVariant::Stockvane);
    Item* box = add(0, QStringLiteral("Box"));
    box->setSerialno(QStringLiteral("41"));
    fill();
    const auto stock = open(box);
    QVERIFY(click(*stock, "CopyPushButton"));
    QCOMPARE(text(*stock, "serialnoLineEdit"), QStringLiteral("42"));
    QCOMPARE(box->serialno(), QStringLiteral("41"));
}

void TestItemDialog::deleteTakesTheRowAlong()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    add(0, QStringLiteral("Pan"));
    fill();
    const auto dialog = open(kettle);
    dialog->delete_slot();
    QCOMPARE(dialog->currentItem(), nullptr);
    QCOMPARE(m_collection->count(), 1);
    QCOMPARE(m_collection->at(0)->name(), QStringLiteral("Pan"));
    QCOMPARE(m_list->topLevelItem(2)->childCount(), 1);
    QCOMPARE(m_list->topLevelItem(2)->child(0)->text(1), QStringLiteral("Pan"));
    QVERIFY(DBItemCollection::isModified());
    QVERIFY(text(*dialog, "nameLineEdit").isEmpty());

    // A new Item is not in the collection, so there is nothing to delete.
    const auto fresh = open(nullptr);
    Item* item = fresh->currentItem();
    fresh->delete_slot();
    QCOMPARE(fresh->currentItem(), item);
    QCOMPARE(m_collection->count(), 1);
    // Reset turns to searching and lets the unsaved Item go.
    fresh->ResetSlot();
    QCOMPARE(fresh->currentItem(), nullptr);
    QVERIFY(!fresh->ownsCurrentItem());
}

void TestItemDialog::searchByExample()
{
    Item* desk = add(0, QStringLiteral("Desk Lamp"));
    add(1, QStringLiteral("Chair"));
    Item* floor = add(2, QStringLiteral("Floor lamp"));
    fill();
    const auto dialog = open(nullptr, QStringLiteral("DATA"), true);
    const ItemDialog& d = *dialog;

    // Search mode: no Item, nothing to store or step from, and no group or room to match.
    QCOMPARE(dialog->currentItem(), nullptr);
    for (const char* name : { "buttonOk", "savePushButton", "SearchAgainButton", "NextPushButton", "PrevPushButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);
    QVERIFY(!combo(d, "groupComboBox")->isEnabled());
    QVERIFY(!combo(d, "locationComboBox")->isEnabled());
    QCOMPARE(widget<QDateEdit>(d, "buyQDateEdit")->date(), QDate(1900, 1, 1));
    QVERIFY(text(d, "numberOfItemsLineEdit").isEmpty());

    type(d, "nameLineEdit", QStringLiteral("lamp"));
    QVERIFY(click(d, "seachPushButton"));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(dialog->currentItem(), desk);
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Desk Lamp"));
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), desk);
    for (const char* name : { "buttonOk", "savePushButton", "SearchAgainButton", "NextPushButton", "PrevPushButton" })
        QVERIFY2(button(d, name)->isEnabled(), name);
    QVERIFY(combo(d, "groupComboBox")->isEnabled());

    // Search again goes on from the hit with the criteria first given.
    QVERIFY(click(d, "SearchAgainButton"));
    QCOMPARE(dialog->currentItem(), floor);
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), floor);
    QVERIFY(m_boxes.isEmpty());

    QVERIFY(click(d, "SearchAgainButton"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl s\u00f8gning"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Search_Error"));
    QCOMPARE(m_boxes[0].buttons, QStringList{ QStringLiteral("Ok") });
    QCOMPARE(dialog->currentItem(), nullptr);
    for (const char* name : { "buttonOk", "savePushButton", "NextPushButton", "PrevPushButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);

    // A new search from the reset form that finds nothing.
    QVERIFY(click(d, "resetPushButton"));
    type(d, "nameLineEdit", QStringLiteral("zzz"));
    QVERIFY(click(d, "seachPushButton"));
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(dialog->currentItem(), nullptr);

    // New after a search without hit can be saved.
    QVERIFY(click(d, "newPushButton"));
    type(d, "nameLineEdit", QStringLiteral("Rug"));
    type(d, "priceLineEdit", QStringLiteral("5"));
    QVERIFY(click(d, "savePushButton"));
    QCOMPARE(m_collection->count(), 4);
}

void TestItemDialog::previousAndNextStopAtTheEnds()
{
    Item* first = add(0, QStringLiteral("First"));
    Item* second = add(1, QStringLiteral("Second"));
    Item* third = add(2, QStringLiteral("Third"));
    fill();
    const auto dialog = open(first);
    const ItemDialog& d = *dialog;

    QVERIFY(click(d, "PrevPushButton"));
    QCOMPARE(dialog->currentItem(), first);
    QVERIFY(!button(d, "PrevPushButton")->isEnabled());
    QVERIFY(button(d, "NextPushButton")->isEnabled());

    // Unsaved edits are dropped on the way.
    type(d, "nameLineEdit", QStringLiteral("Edited"));
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), second);
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Second"));
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), second);
    QVERIFY(button(d, "PrevPushButton")->isEnabled());
    QCOMPARE(first->name(), QStringLiteral("First"));

    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), third);
    QVERIFY(button(d, "NextPushButton")->isEnabled());
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), third);
    QVERIFY(!button(d, "NextPushButton")->isEnabled());
    QVERIFY(click(d, "PrevPushButton"));
    QCOMPARE(dialog->currentItem(), second);
    QVERIFY(button(d, "NextPushButton")->isEnabled());
}

void TestItemDialog::readOnlyDatabase()
{
    useProduct(ProgramVariant::Stockvane);
    QTemporaryDir database;
    m_settings->setValue(Setting::LastDBDir, database.path());
    QFile lock(database.filePath(QStringLiteral("LockFile.txt")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("stock.db Locked by PC: other, User: someone");
    lock.close();
    QVERIFY(!m_collection->LockDB(database.filePath(QStringLiteral("stock.db"))));
    QVERIFY(m_collection->isReadOnly());
    Item* box = add(0, QStringLiteral("Box"));
    fill();

    const auto dialog = open(box);
    const ItemDialog& d = *dialog;
    for (const char* name : { "savePushButton", "buttonOk", "newPushButton", "CopyPushButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);
    QVERIFY(button(d, "seachPushButton")->isEnabled());

    // Saving stores nothing and says so; the dialog does not close as if it had saved.
    type(d, "nameLineEdit", QStringLiteral("Crate"));
    QVERIFY(!dialog->save_slot());
    QCOMPARE(box->name(), QStringLiteral("Box"));
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("READ ONLY"));
}

void TestItemDialog::fieldLabels()
{
    m_collection->fieldLabels().setEntries(
        { QStringLiteral("&Group"), QStringLiteral("&Name"), QStringLiteral("Ma&ke"), QStringLiteral("&Count"),
          QStringLiteral("&Price"), QStringLiteral("&Value"), QStringLiteral("P&icture"), QStringLiteral("&Date"),
          QStringLiteral("&Room"), QStringLiteral("D&escription") });
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    const ItemDialog& d = *dialog;
    QCOMPARE(widget<QLabel>(d, "TypeTextLabel")->text(), QStringLiteral("&Group"));
    QCOMPARE(widget<QLabel>(d, "PictureTextLabel")->text(), QStringLiteral("P&icture"));
    QCOMPARE(widget<QLabel>(d, "DescriptionTextLabel")->text(), QStringLiteral("D&escription"));
    QCOMPARE(button(d, "showPhotoPushButton")->text(), QStringLiteral("SHOWPHOTOP&icture"));
    QCOMPARE(button(d, "browsePhotoPushButton")->text(), QStringLiteral("BROWSEPHOTOP&icture"));
    const auto* tabs = widget<QTabWidget>(d, "primaryTabWidget");
    QCOMPARE(tabs->tabText(tabs->indexOf(widget<QWidget>(d, "picturePage"))), QStringLiteral("P&icture"));
    // The list is shorter than the form: the labels beyond its end are empty.
    QVERIFY(widget<QLabel>(d, "SupplierTextLabel")->text().isEmpty());
    QVERIFY(widget<QLabel>(d, "extra4TextLabel")->text().isEmpty());
    QVERIFY(tabs->tabText(tabs->indexOf(widget<QWidget>(d, "receiptPage"))).isEmpty());
    QCOMPARE(button(d, "showReceiptPushButton")->text(), QStringLiteral("SHOWRECIEPT"));
}

void TestItemDialog::documentLabelWithHash()
{
    QStringList labels;
    for (int index = 0; index < 21; ++index)
        labels << QStringLiteral("L%1").arg(index);
    labels[15] = QStringLiteral("#DOCUMENT");
    m_collection->fieldLabels().setEntries(labels);
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    QCOMPARE(widget<QLabel>(*dialog, "documentTextLabel")->text(), QStringLiteral("&DOCUMENT"));
    QCOMPARE(button(*dialog, "insertDocumentPushButton")->text(), QStringLiteral("INSERT_DOCUMENT"));
    QCOMPARE(button(*dialog, "showDocumentPushButton")->text(), QStringLiteral("SHOW_DOCUMENT"));
    QCOMPARE(widget<QLabel>(*dialog, "ManufacturerTextLabel")->text(), QStringLiteral("L16"));
    QCOMPARE(widget<QLabel>(*dialog, "extra4TextLabel")->text(), QStringLiteral("L20"));
}

void TestItemDialog::productLook_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("totalShown");
    QTest::addColumn<QString>("countToolTip");
    QTest::addColumn<QString>("locationToolTip");
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("Domvara, Norwegian") << ProgramVariant::Domvara << QStringLiteral("no") << QStringLiteral("Inventar")
                                        << true << QStringLiteral("TOOLTIP_NUMBER") << QStringLiteral("TOOLTIP_LOCALE")
                                        << QStringLiteral("InventoryDialog.no.htm");
    QTest::newRow("Stockvane, English") << ProgramVariant::Stockvane << QStringLiteral("en")
                                        << QStringLiteral("Inventar") << true << QStringLiteral("TOOLTIP_NUMBER")
                                        << QString() << QString();
    QTest::newRow("Mintora, Norwegian") << ProgramVariant::Mintora << QStringLiteral("no")
                                        << QStringLiteral("MINTORA_DIALOG_TITLE") << true
                                        << QStringLiteral("TOOLTIP_DB_NUMBEROF") << QString() << QString();
    QTest::newRow("Pictova, Danish") << ProgramVariant::Pictova << QStringLiteral("dk")
                                     << QStringLiteral("PICTURE_GALLERY") << false
                                     << QStringLiteral("TOOLTIP_PICTOVA_REG_NUMBER") << QString()
                                     << QStringLiteral("PictovaDialog.dk.htm");
}

void TestItemDialog::productLook()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(bool, totalShown);
    QFETCH(QString, countToolTip);
    QFETCH(QString, locationToolTip);
    QFETCH(QString, helpPage);
    useProduct(variant);
    m_settings->setValue(Setting::Language, language);
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(m_collection->at(0));
    const ItemDialog& d = *dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    QCOMPARE(dialog->windowTitle(), title);
    for (const char* name : { "TotalPriceTextLabel", "priceTotalLineEdit", "StkTextLabel", "KrTextLabel" })
        QCOMPARE(widget<QWidget>(d, name)->isVisible(), totalShown);
    QCOMPARE(edit(d, "numberOfItemsLineEdit")->toolTip(), countToolTip);
    QCOMPARE(combo(d, "locationComboBox")->toolTip(), locationToolTip);
    QCOMPARE(combo(d, "locationComboBox")->whatsThis().isEmpty(), locationToolTip.isEmpty());
    // The write-off page is never offered.
    const auto* tabs = widget<QTabWidget>(d, "primaryTabWidget");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->indexOf(widget<QWidget>(d, "WriteOffPage")), -1);
    // The lists hold the database's lookup lists.
    QCOMPARE(combo(d, "groupComboBox")->count(), 3);
    QCOMPARE(combo(d, "locationComboBox")->itemText(1), QStringLiteral("Loft"));
    QCOMPARE(combo(d, "supplierComboBox")->itemText(1), QStringLiteral("Market"));

    // Help exists only where the product has a page in the language. No help folder lies below
    // the tests' working directory, so the opener reports the page it looked for.
    QCOMPARE(click(d, "helpPushButton"), !helpPage.isEmpty());
    if (!helpPage.isEmpty()) {
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].text.contains(QStringLiteral("/help/") + helpPage), qPrintable(m_boxes[0].text));
    }
}

void TestItemDialog::tabOrder()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    const QStringList expected
        = QStringLiteral("groupComboBox nameLineEdit productLineEdit productBrandLineEdit numberOfItemsLineEdit "
                         "priceLineEdit priceTodayLineEdit buyQDateEdit locationComboBox supplierComboBox "
                         "addressLineEdit wwwLineEdit serialnoLineEdit infoLineEdit photolinkLineEdit receiptLineEdit "
                         "documentLineEdit extra1LineEdit extra2LineEdit extra3LineEdit extra4LineEdit "
                         "buttonOk PrevPushButton NextPushButton helpPushButton buttonCancel "
                         "savePushButton CopyPushButton newPushButton resetPushButton seachPushButton "
                         "SearchAgainButton printButton showWwwPushButton browsePhotoPushButton showPhotoPushButton "
                         "browseReceiptPushButton showReceiptPushButton insertDocumentPushButton "
                         "showDocumentPushButton ViewCurrentAsHtmlPushButton primaryTabWidget")
              .split(u' ');
    // The focus chain, read from the first field, holds the named widgets in this order.
    QStringList chain;
    QWidget* start = combo(*dialog, "groupComboBox");
    QWidget* next = start;
    do {
        if (expected.contains(next->objectName()) && !chain.contains(next->objectName()))
            chain << next->objectName();
        next = next->nextInFocusChain();
    } while (next != start);
    QCOMPARE(chain, expected);
    // The name field has the focus at start.
    QCOMPARE(dialog->focusWidget(), edit(*dialog, "nameLineEdit"));
}

void TestItemDialog::usableAtDefaultSize()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    for (const ProgramVariant variant : { ProgramVariant::Domvara, ProgramVariant::Pictova }) {
        SetProgramVariant(variant);
        const auto dialog = open(m_collection->at(0));
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        // Nothing in the form may force the dialog beyond the size it opens at.
        QCOMPARE(dialog->size(), QSize(627, 539));
        QCOMPARE(dialog->pos(), QPoint(100, 100));
        QVERIFY(dialog->minimumSizeHint().width() <= 627);
        QVERIFY(dialog->minimumSizeHint().height() <= 539);
        // Every button of the column is fully inside the dialog.
        const QWidget* frame = widget<QWidget>(*dialog, "Frame3");
        for (const QPushButton* pushButton : frame->findChildren<QPushButton*>()) {
            const QRect inDialog(pushButton->mapTo(dialog.get(), QPoint(0, 0)), pushButton->size());
            QVERIFY2(dialog->rect().contains(inDialog), qPrintable(pushButton->objectName()));
        }
    }
}

void TestItemDialog::picturesScaledToTheirLabels()
{
    const QString wide = picture(QStringLiteral("wide.png"), 1200, 600);
    const QString tall = picture(QStringLiteral("tall.png"), 300, 900);
    const QString small = picture(QStringLiteral("small.png"), 200, 100);
    Item* rug = add(0, QStringLiteral("Rug"));
    rug->setPhotolink(wide);
    rug->setReceipt(tall);
    Item* vase = add(0, QStringLiteral("Vase"));
    vase->setPhotolink(small);
    Item* clock = add(0, QStringLiteral("Clock"));
    clock->setPhotolink(m_files->filePath(QStringLiteral("missing.jpg")));
    fill();

    const auto dialog = open(rug, QStringLiteral("PICTURE"));
    const ItemDialog& d = *dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(currentPage(d)->objectName(), QStringLiteral("picturePage"));
    const QLabel* label = widget<QLabel>(d, "pixmapPictureLabel");
    QVERIFY(label->width() >= 400);
    // Wider than high: scaled to the label's width, the proportions kept.
    QTRY_COMPARE(shownPixmapSize(d, "pixmapPictureLabel"),
                 QSize(label->width(), int(std::lround(600.0 * label->width() / 1200))));
    // The thumbnail beside the date, scaled the same way to its label.
    QCOMPARE(shownPixmapSize(d, "ImageIconTextLabel"), QSize(40, 20));

    QVERIFY(dialog->ShowPage(QStringLiteral("RECEIPT")));
    const QLabel* receipt = widget<QLabel>(d, "pixmapReceipt");
    // Higher than wide: scaled to the label's height.
    QTRY_COMPARE(shownPixmapSize(d, "pixmapReceipt"),
                 QSize(int(std::lround(300.0 * receipt->height() / 900)), receipt->height()));
    QVERIFY(!dialog->ShowPage(QStringLiteral("OTHER")));
    QCOMPARE(currentPage(d)->objectName(), QStringLiteral("receiptPage"));

    // Smaller than the label both ways: shown as it is.
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), vase);
    QVERIFY(dialog->ShowPage(QStringLiteral("PICTURE")));
    QCOMPARE(shownPixmapSize(d, "pixmapPictureLabel"), QSize(200, 100));
    QVERIFY(!tabEnabled(d, "receiptPage"));
    QVERIFY(!button(d, "showReceiptPushButton")->isEnabled());

    // A picture that cannot be read leaves the page empty, without a message.
    QVERIFY(click(d, "NextPushButton"));
    QVERIFY(dialog->ShowPage(QStringLiteral("PICTURE")));
    QVERIFY(shownPixmapSize(d, "pixmapPictureLabel").isEmpty());
    QVERIFY(m_boxes.isEmpty());

    // An Item without a picture has no picture page.
    QVERIFY(click(d, "newPushButton"));
    QVERIFY(!tabEnabled(d, "picturePage"));
    QVERIFY(!button(d, "showPhotoPushButton")->isEnabled());
    QVERIFY(widget<QLabel>(d, "pixmapPictureLabel")->pixmap().isNull());
}

void TestItemDialog::receiptPageShowsOnlyItsOwnItem()
{
    Item* rug = add(0, QStringLiteral("Rug"));
    rug->setReceipt(picture(QStringLiteral("receipt.png"), 50, 50));
    Item* vase = add(0, QStringLiteral("Vase"));
    vase->setReceipt(QStringLiteral("/receipts/vase.pdf"));
    fill();
    const auto dialog = open(rug, QStringLiteral("RECEIPT"));
    QVERIFY(!shownPixmapSize(*dialog, "pixmapReceipt").isEmpty());
    // The next Item's receipt is no picture: its page must not show the rug's receipt.
    QVERIFY(click(*dialog, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), vase);
    QVERIFY(shownPixmapSize(*dialog, "pixmapReceipt").isEmpty());
}

void TestItemDialog::linkButtons()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPhotolink(QStringLiteral("/pictures/kettle.pdf"));
    kettle->setReceipt(QStringLiteral("https://example.org/receipt.jpg"));
    kettle->setWww(QStringLiteral("https://example.org/kettle"));
    kettle->setDocument(QStringLiteral("https://example.org/manual"));
    fill();
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));
    auto dialog = open(kettle);

    // A stored link that is no picture can be shown too.
    QVERIFY(button(*dialog, "showPhotoPushButton")->isEnabled());
    // The field is opened as typed, not as stored. The chosen viewer does not start: the box
    // names it, then the desktop opens the file.
    type(*dialog, "photolinkLineEdit", QStringLiteral("https://example.org/typed.png"));
    QVERIFY(click(*dialog, "showPhotoPushButton"));
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, QStringLiteral("/opt/viewer"));
    QCOMPARE(m_starts[0].arguments, QStringList{ QStringLiteral("https://example.org/typed.png") });
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("Program (/opt/viewer) ikke fundet.")));
    QCOMPARE(m_opened, QList<QUrl>{ QUrl(QStringLiteral("https://example.org/typed.png")) });

    // A household receipt goes to the desktop even when it is a picture; so does a document. The
    // web link has no program chosen, so the desktop's browser opens it.
    m_starts.clear();
    m_opened.clear();
    QVERIFY(click(*dialog, "showReceiptPushButton"));
    QVERIFY(click(*dialog, "showDocumentPushButton"));
    QVERIFY(click(*dialog, "showWwwPushButton"));
    QVERIFY(m_starts.isEmpty());
    QCOMPARE(m_opened,
             (QList<QUrl>{ QUrl(QStringLiteral("https://example.org/receipt.jpg")),
                           QUrl(QStringLiteral("https://example.org/manual")),
                           QUrl(QStringLiteral("https://example.org/kettle")) }));

    // An emptied field disables its button.
    type(*dialog, "wwwLineEdit", QString());
    QVERIFY(!button(*dialog, "showWwwPushButton")->isEnabled());
    type(*dialog, "documentLineEdit", QString());
    QVERIFY(!button(*dialog, "showDocumentPushButton")->isEnabled());

    // A coin's second picture goes to the chosen viewer, which starts.
    dialog.reset();
    useProduct(ProgramVariant::Mintora);
    Item* coin = add(0, QStringLiteral("1864"));
    coin->setReceipt(QStringLiteral("/pictures/back.jpg"));
    fill();
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = true;
    dialog = open(coin);
    QVERIFY(click(*dialog, "showReceiptPushButton"));
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].arguments, QStringList{ QStringLiteral("/pictures/back.jpg") });
    QVERIFY(m_opened.isEmpty());
}

void TestItemDialog::browseForFiles()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    const QByteArray oldProgramFiles = qgetenv("ProgramFiles");
    qputenv("ProgramFiles", "/opt/programs");
    const auto dialog = open(nullptr);
    const ItemDialog& d = *dialog;

    const QString chosen = picture(QStringLiteral("chair.png"), 50, 40);
    m_chosenFile = chosen;
    QVERIFY(click(d, "browsePhotoPushButton"));
    QCOMPARE(m_fileRequests.size(), 1);
    QCOMPARE(m_fileRequests[0].mode, FileDialogs::Mode::Save);
    QCOMPARE(m_fileRequests[0].directory, QStringLiteral("/opt/programs/Quorvane"));
    QVERIFY(m_fileRequests[0].filter.contains(QStringLiteral("*.png")));
    QCOMPARE(text(d, "photolinkLineEdit"), QDir::toNativeSeparators(chosen));
    QVERIFY(tabEnabled(d, "picturePage"));
    QVERIFY(button(d, "showPhotoPushButton")->isEnabled());
    QCOMPARE(shownPixmapSize(d, "pixmapPictureLabel"), QSize(50, 40));

    // The folders chosen in the set-up are where the choosers start.
    m_settings->setValue("ReceiptPath", QStringLiteral("/srv/receipts"));
    m_chosenFile = QStringLiteral("/srv/receipts/new-scan.pdf");
    QVERIFY(click(d, "browseReceiptPushButton"));
    QCOMPARE(m_fileRequests[1].directory, QStringLiteral("/srv/receipts"));
    QCOMPARE(text(d, "receiptLineEdit"), QDir::toNativeSeparators(m_chosenFile));
    QVERIFY(button(d, "showReceiptPushButton")->isEnabled());
    QVERIFY(!tabEnabled(d, "receiptPage"));

    // A cancelled chooser changes nothing.
    m_chosenFile.clear();
    type(d, "documentLineEdit", QStringLiteral("kept.pdf"));
    QVERIFY(click(d, "insertDocumentPushButton"));
    QCOMPARE(text(d, "documentLineEdit"), QStringLiteral("kept.pdf"));

    // Without the variable the chooser starts at home.
    qunsetenv("ProgramFiles");
    QVERIFY(click(d, "insertDocumentPushButton"));
    QCOMPARE(m_fileRequests.last().directory, QDir::homePath());
    if (!oldProgramFiles.isNull())
        qputenv("ProgramFiles", oldProgramFiles);
}

void TestItemDialog::printToPdf()
{
    Item* lamp = add(0, QStringLiteral("Lamp"));
    lamp->setNumber_of_items(3);
    lamp->setPrice(12.5);
    lamp->setLocation(1);
    fill();
    const QString pdf = m_files->filePath(QStringLiteral("item.pdf"));
    const auto dialog = open(lamp);

    // A cancelled printer dialog prints nothing.
    QVERIFY(click(*dialog, "printButton"));
    QVERIFY(!QFile::exists(pdf));

    PrintDialogs::setAnswerer([&pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    type(*dialog, "nameLineEdit", QStringLiteral("Unsaved"));
    QVERIFY(click(*dialog, "printButton"));
    QVERIFY(QFileInfo(pdf).size() > 0);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; only the file was checked");
    QProcess process;
    process.start(pdftotext, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList lines = printed.split(u'\n', Qt::SkipEmptyParts);
    auto lineOf = [&lines](const QString& label) {
        for (const QString& line : lines) {
            if (line.trimmed().startsWith(label + u' '))
                return line.simplified();
        }
        return QString();
    };
    // The stored Item is printed, not the form.
    QCOMPARE(lineOf(QStringLiteral("Gruppe")), QStringLiteral("Gruppe Kitchen"));
    QCOMPARE(lineOf(QStringLiteral("Navn")), QStringLiteral("Navn Lamp"));
    QCOMPARE(lineOf(QStringLiteral("Antal")), QStringLiteral("Antal 3"));
    QCOMPARE(lineOf(QStringLiteral("Pris")), QStringLiteral("Pris 12.50"));
    QCOMPARE(lineOf(QStringLiteral("TotalPrice")), QStringLiteral("TotalPrice 37.50"));
    QCOMPARE(lineOf(QStringLiteral("Rum")), QStringLiteral("Rum Loft"));
    QVERIFY(!printed.contains(QStringLiteral("Unsaved")));
    // Labels first, values in a column of their own, in the printed order.
    const auto indexOf = [&printed](const char* label) { return printed.indexOf(QLatin1StringView(label)); };
    QVERIFY(indexOf("Gruppe") < indexOf("Navn"));
    QVERIFY(indexOf("TotalPrice") < indexOf("Vurd."));
    QVERIFY(indexOf("Serie no.") < indexOf("Beskrivelse"));
    QVERIFY(indexOf("Beskrivelse") < indexOf("Billede"));
    QVERIFY(indexOf("Dok.") < indexOf("Extra1"));
}

void TestItemDialog::geometryStoredOnAcceptNotOnCancel()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPrice(10);
    kettle->setPriceToday(10);
    fill();
    auto stored = [] {
        const auto settings = openSettings();
        settings->beginGroup(QStringLiteral("ItemDialog"));
        return QRect(settings->value(QStringLiteral("ItemDialogX"), -1).toInt(),
                     settings->value(QStringLiteral("ItemDialogY"), -1).toInt(),
                     settings->value(QStringLiteral("ItemDialogWidth"), -1).toInt(),
                     settings->value(QStringLiteral("ItemDialogHeight"), -1).toInt());
    };
    const QRect nothing(-1, -1, -1, -1);

    auto dialog = open(kettle);
    dialog->resize(700, 600);
    dialog->move(30, 40);
    QVERIFY(click(*dialog, "buttonCancel"));
    QCOMPARE(stored(), nothing);

    // Invalid input keeps the dialog open and stores nothing.
    dialog = open(kettle);
    dialog->resize(700, 600);
    type(*dialog, "nameLineEdit", QString());
    QVERIFY(click(*dialog, "buttonOk"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(stored(), nothing);

    type(*dialog, "nameLineEdit", QStringLiteral("Kettle"));
    QVERIFY(click(*dialog, "buttonOk"));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(stored().size(), QSize(700, 600));

    // The next dialog opens where the last was left; closing the window stores it too.
    dialog = open(kettle);
    QCOMPARE(dialog->size(), QSize(700, 600));
    dialog->resize(650, 560);
    dialog->close();
    QCOMPARE(stored().size(), QSize(650, 560));
    QCOMPARE(stored().topLeft(), dialog->pos());
}

void TestItemDialog::textFieldLimits()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    const ItemDialog& d = *dialog;

    // The field separator of the database file is refused in every text field.
    for (const char* name : { "nameLineEdit", "productLineEdit", "productBrandLineEdit", "addressLineEdit",
                              "wwwLineEdit", "serialnoLineEdit", "infoLineEdit", "photolinkLineEdit", "receiptLineEdit",
                              "documentLineEdit", "extra1LineEdit", "extra4LineEdit" }) {
        type(d, name, QStringLiteral("a;b"));
        QCOMPARE(text(d, name), QStringLiteral("ab"));
    }
    QLineEdit* supplier = combo(d, "supplierComboBox")->lineEdit();
    type(supplier, QStringLiteral("x;y"));
    QCOMPARE(supplier->text(), QStringLiteral("xy"));

    // 199 characters fit; the 200th is refused although the field could hold it.
    QLineEdit* name = edit(d, "nameLineEdit");
    QCOMPARE(name->maxLength(), 200);
    type(name, QString(199, u'n'));
    QCOMPARE(name->text().size(), 199);
    QTest::keyClick(name, Qt::Key_N);
    QCOMPARE(name->text().size(), 199);

    // Numbers: no letters, no comma, no sign; at most two decimals.
    type(d, "numberOfItemsLineEdit", QStringLiteral("1x2"));
    QCOMPARE(text(d, "numberOfItemsLineEdit"), QStringLiteral("12"));
    type(d, "priceLineEdit", QStringLiteral("-12,345"));
    QCOMPARE(text(d, "priceLineEdit"), QStringLiteral("12345"));
    type(d, "priceTodayLineEdit", QStringLiteral("7.125"));
    QCOMPARE(text(d, "priceTodayLineEdit"), QStringLiteral("7.12"));
}

QTEST_MAIN(TestItemDialog)
#include "tst_itemdialog.moc"
