// The item dialog, driven as a user would: showing and storing all fields, new Items and copies
// per product, validation, saving into the collection and the list, deleting, the read-only
// look, the stored geometry and the limits of the text fields. Message boxes, file and printer
// dialogs and the desktop are answered by the test (ItemDialogTestSupport).

#include "ItemDialogTestSupport.h"
#include "Settings.h"
#include "funiQListViewItem.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace ItemDialogTesting;

class TestItemDialog : public ItemDialogFixture
{
    Q_OBJECT

private Q_SLOTS:
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
    void readOnlyDatabase();
    void coinsSoughtByCatalogueAndShownAsTheyAre();
    void geometryStoredOnAcceptNotOnCancel();
    void textFieldLimits();
    void unsavedEditsAreStoredOrAsked();
};

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
    // A household database does not keep the extra fields: they show the Item's and take no
    // typing.
    QVERIFY(edit(d, "extra1LineEdit")->isReadOnly());
    type(d, "extra1LineEdit", QStringLiteral("x1"));
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
    QCOMPARE(lamp->extra1(), QStringLiteral("e1"));
    QCOMPARE(lamp->extra4(), QStringLiteral("e4"));
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
                              "SearchAgainButton", "PrevPushButton", "NextPushButton", "printButton", "previewButton" })
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
    QTest::addColumn<double>("storedValue");

    const QStringList rooms{ QStringLiteral("Store"), QStringLiteral("Yard") };
    const QString limit = QStringLiteral("Felt gr\u00e6nsev\u00e6rdi fejl");
    const QString fix = QStringLiteral("\n\nRet det !");
    const QString name = QStringLiteral("Lamp");
    const QString fejl = QStringLiteral("Fejl");
    QTest::newRow("Domvara: empty price")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("1") << QString() << QStringLiteral("5") << limit
        << QStringLiteral("'K\u00f8bspris' skal v\u00e6re: 0.0 -> 9999999") + fix << QString() << 0.0;
    QTest::newRow("Domvara: present value that cannot be read")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("1") << QStringLiteral("10")
        << QStringLiteral("1.499,50") << limit
        << QStringLiteral("FIGURE_NOT_READABLE Vurderet pris (ialt) 1.499,50") + fix << QString() << 0.0;
    QTest::newRow("Domvara: empty present value takes the price, with its decimal comma")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("2") << QStringLiteral("10,50") << QString()
        << QString() << QString() << QStringLiteral("10,50") << 10.5;
    QTest::newRow("Domvara: count 0") << ProgramVariant::Domvara << rooms << name << QStringLiteral("0")
                                      << QStringLiteral("10") << QStringLiteral("10") << limit
                                      << QStringLiteral("'Antal' skal v\u00e6re i intervalet: 0 -> 100000") + fix
                                      << QString() << 0.0;
    QTest::newRow("Domvara: count with a comma")
        << ProgramVariant::Domvara << rooms << name << QStringLiteral("1,5") << QStringLiteral("10")
        << QStringLiteral("10") << limit << QStringLiteral("WHOLE_NUMBER_NOT_READABLE Antal 1,5") + fix << QString()
        << 0.0;
    QTest::newRow("Domvara: no name") << ProgramVariant::Domvara << rooms << QString() << QStringLiteral("1")
                                      << QStringLiteral("10") << QStringLiteral("10") << fejl
                                      << QStringLiteral("DomvaraNameMissing") << QString() << 0.0;
    QTest::newRow("Stockvane: empty price is no error")
        << ProgramVariant::Stockvane << rooms << name << QStringLiteral("1") << QString() << QString() << QString()
        << QString() << QString() << 0.0;
    QTest::newRow("Stockvane: a sign is no figure")
        << ProgramVariant::Stockvane << rooms << name << QStringLiteral("1") << QStringLiteral("-12,345") << QString()
        << limit << QStringLiteral("FIGURE_NOT_READABLE Pris (1 stk) -12,345") + fix << QString() << 0.0;
    QTest::newRow("Stockvane: count 0") << ProgramVariant::Stockvane << rooms << name << QStringLiteral("0")
                                        << QString() << QString() << limit
                                        << QStringLiteral("'Antal' skal v\u00e6re i intervalet: 0 -> 100000") + fix
                                        << QString() << 0.0;
    QTest::newRow("Stockvane: no name") << ProgramVariant::Stockvane << rooms << QString() << QStringLiteral("1")
                                        << QString() << QString() << fejl << QStringLiteral("StockvaneNameMissing")
                                        << QString() << 0.0;
    QTest::newRow("Stockvane: no location")
        << ProgramVariant::Stockvane << QStringList{ QString(), QStringLiteral("Yard") } << name << QStringLiteral("1")
        << QString() << QString() << fejl << QStringLiteral("StockvaneItemTypeHasNotBeenSelectedRum") << QString()
        << 0.0;
    QTest::newRow("Mintora: count 0 is no error")
        << ProgramVariant::Mintora << rooms << name << QStringLiteral("0") << QString() << QStringLiteral("7,25")
        << QString() << QString() << QStringLiteral("7,25") << 7.25;
    QTest::newRow("Mintora: present value that cannot be read")
        << ProgramVariant::Mintora << rooms << name << QStringLiteral("1") << QString() << QStringLiteral(".") << limit
        << QStringLiteral("FIGURE_NOT_READABLE Vurderet pris (ialt) .") + fix << QString() << 0.0;
    QTest::newRow("Mintora: no name") << ProgramVariant::Mintora << rooms << QString() << QStringLiteral("1")
                                      << QString() << QString() << fejl << QStringLiteral("MintoraNameMissing")
                                      << QString() << 0.0;
    QTest::newRow("Pictova: a grouped price cannot be read")
        << ProgramVariant::Pictova << rooms << name << QString() << QStringLiteral("1.499,50") << QString() << limit
        << QStringLiteral("FIGURE_NOT_READABLE Pris (1 stk) 1.499,50") + fix << QString() << 0.0;
    QTest::newRow("Pictova: no name") << ProgramVariant::Pictova << rooms << QString() << QStringLiteral("0")
                                      << QString() << QString() << fejl << QStringLiteral("PictovaNameMissing")
                                      << QString() << 0.0;
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
    QFETCH(double, storedValue);
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
        QCOMPARE(m_collection->at(1)->priceToday(), storedValue);
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(m_boxes[0].title, title);
        QCOMPARE(m_boxes[0].text, message);
        QCOMPARE(m_collection->count(), 1);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->ownsCurrentItem());
        // What the user typed stays, to be put right.
        QCOMPARE(text(d, "priceLineEdit"), price);
        QCOMPARE(text(d, "priceTodayLineEdit"), priceToday);
        QCOMPARE(text(d, "numberOfItemsLineEdit"), count);
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
                              "NextPushButton", "printButton", "previewButton" })
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
    // So do a price with more decimals than the form shows, and line breaks and control
    // characters a text brought from the file.
    chest->setPrice(12.3456);
    chest->setDescription(QStringLiteral("two\nlines\x01\tend"));
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
        QCOMPARE(item->price(), before.price());
        QCOMPARE(item->description(), before.description());
    }
    // Prices of a million and more are shown, and so kept, to the cent.
    Item* car = add(0, QStringLiteral("Car"));
    car->setPrice(1234567.89);
    car->setPriceToday(2500000.25);
    m_list->addItemRow(car, true);
    auto carDialog = open(car);
    QCOMPARE(text(*carDialog, "priceTotalLineEdit"), QStringLiteral("1234567.89"));
    QVERIFY(click(*carDialog, "savePushButton"));
    QCOMPARE(car->price(), 1234567.89);
    QCOMPARE(car->priceToday(), 2500000.25);
    type(*carDialog, "priceLineEdit", QStringLiteral("7654321.25"));
    QVERIFY(click(*carDialog, "savePushButton"));
    QCOMPARE(car->price(), 7654321.25);

    // A date the user sets is stored, however old.
    auto dialog = open(chest);
    widget<QDateEdit>(*dialog, "buyQDateEdit")->setDate(QDate(1490, 3, 2));
    QVERIFY(click(*dialog, "savePushButton"));
    QCOMPARE(chest->date(), QStringLiteral("02.03.1490"));

    // A stock count the user cannot change is kept, even one that could not be typed.
    dialog.reset();
    useProduct(ProgramVariant::Stockvane);
    m_boxes.clear();
    Item* crate = add(0, QStringLiteral("Crate"));
    crate->setNumber_of_items(0);
    fill();
    dialog = open(crate);
    QVERIFY(!edit(*dialog, "numberOfItemsLineEdit")->isEnabled());
    type(*dialog, "nameLineEdit", QStringLiteral("Big crate"));
    QVERIFY(click(*dialog, "savePushButton"));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(crate->name(), QStringLiteral("Big crate"));
    QCOMPARE(crate->number_of_items(), 0);
}

void TestItemDialog::copyIsSavedAsNewItem()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPrice(20);
    kettle->setPriceToday(15);
    fill();
    const Item before = *kettle;
    // A copy left unsaved (Reset, New, Cancel) leaves the database and its changed flag as they
    // were, without a question.
    for (const char* leave : { "resetPushButton", "newPushButton", "buttonCancel" }) {
        const auto unsaved = open(kettle);
        QVERIFY(click(*unsaved, "CopyPushButton"));
        QVERIFY(click(*unsaved, leave));
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(m_collection->count(), 1);
        QVERIFY(!DBItemCollection::isModified());
    }

    auto dialog = open(kettle);
    const ItemDialog& d = *dialog;
    QVERIFY(click(d, "CopyPushButton"));
    QVERIFY(dialog->ownsCurrentItem());
    QVERIFY(dialog->currentItem() != kettle);
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

    // A found Item can be looked at, not stored.
    type(d, "nameLineEdit", QStringLiteral("Box"));
    QVERIFY(click(d, "resetPushButton"));
    type(d, "nameLineEdit", QStringLiteral("Box"));
    QVERIFY(click(d, "seachPushButton"));
    QCOMPARE(dialog->currentItem(), box);
    QVERIFY(button(d, "NextPushButton")->isEnabled());
    for (const char* name : { "savePushButton", "buttonOk" })
        QVERIFY2(!button(d, name)->isEnabled(), name);
}

void TestItemDialog::coinsSoughtByCatalogueAndShownAsTheyAre()
{
    useProduct(ProgramVariant::Mintora);
    Item* krone = add(0, QStringLiteral("1875 krone"));
    krone->setSupplier(QStringLiteral("Shop"));
    krone->setPrice(40);
    krone->setNumber_of_items(3);
    Item* skilling = add(0, QStringLiteral("1771 skilling"));
    skilling->setSupplier(QStringLiteral("Market"));
    fill();

    // The catalogue list can be chosen from in a search, and a coin is found by it.
    auto dialog = open(nullptr, QStringLiteral("DATA"), true);
    QComboBox* catalogue = combo(*dialog, "supplierComboBox");
    QVERIFY(catalogue->isEnabled());
    catalogue->setCurrentIndex(catalogue->findText(QStringLiteral("Market")));
    QVERIFY(click(*dialog, "seachPushButton"));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(dialog->currentItem(), skilling);

    // "Show as HTML" shows the coin the dialog shows, wherever the list stands.
    QVERIFY(click(*dialog, "PrevPushButton"));
    QCOMPARE(dialog->currentItem(), krone);
    m_list->ItemSelected(m_list->FindListViewItem(skilling));
    QVERIFY(click(*dialog, "ViewCurrentAsHtmlPushButton"));
    QCOMPARE(m_opened.size(), 1);
    QFile page(m_opened[0].toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QVERIFY(html.contains("1875 krone") && !html.contains("1771 skilling"));

    // A new coin starts without the total of the one shown before.
    QCOMPARE(text(*dialog, "priceTotalLineEdit"), QStringLiteral("120.00"));
    QVERIFY(click(*dialog, "newPushButton"));
    QVERIFY(text(*dialog, "priceTotalLineEdit").isEmpty());
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
    const QLabel* notice = widget<QLabel>(d, "textNoticeLabel");
    QVERIFY(notice->isHidden());

    // The field separator of the database file is refused in every text field, and said so.
    for (const char* name : { "nameLineEdit", "productLineEdit", "productBrandLineEdit", "addressLineEdit",
                              "wwwLineEdit", "serialnoLineEdit", "infoLineEdit", "photolinkLineEdit", "receiptLineEdit",
                              "documentLineEdit" }) {
        type(d, name, QStringLiteral("a;b"));
        QCOMPARE(text(d, name), QStringLiteral("ab"));
    }
    QLineEdit* supplier = combo(d, "supplierComboBox")->lineEdit();
    type(supplier, QStringLiteral("x;y"));
    QCOMPARE(supplier->text(), QStringLiteral("xy"));
    QVERIFY(!notice->isHidden());
    QCOMPARE(notice->text(), QStringLiteral("SEPARATOR_REFUSED"));

    // 199 characters fit; the 200th is refused although the field could hold it.
    QLineEdit* name = edit(d, "nameLineEdit");
    QCOMPARE(name->maxLength(), 200);
    type(name, QString(199, u'n'));
    QCOMPARE(name->text().size(), 199);
    QTest::keyClick(name, Qt::Key_N);
    QCOMPARE(name->text().size(), 199);
    QCOMPARE(notice->text(), QStringLiteral("TEXT_TOO_LONG 199"));

    // What the Latin-1 file cannot hold is replaced or removed as it is typed or pasted, and
    // said so; so are pasted control characters and line breaks.
    QLineEdit* info = edit(d, "infoLineEdit");
    type(info, QStringLiteral("5 \u20ac \u2013 \u201cok\u201d\u2026"));
    QCOMPARE(info->text(), QStringLiteral("5 EUR - \"ok\"..."));
    QCOMPARE(notice->text(), QStringLiteral("CHARACTER_REPLACED \u2026 ..."));
    info->insert(QStringLiteral("\x01\U0001F600\r\nx"));
    QCOMPARE(info->text(), QStringLiteral("5 EUR - \"ok\"... x"));
    QCOMPARE(notice->text(),
             QStringLiteral("CONTROL_CHARACTER_REMOVED CHARACTER_REMOVED \U0001F600 LINE_BREAK_AS_SPACE"));

    // Figures take every keystroke; they are read when saved.
    type(d, "numberOfItemsLineEdit", QStringLiteral("1x2"));
    QCOMPARE(text(d, "numberOfItemsLineEdit"), QStringLiteral("1x2"));
    type(d, "priceLineEdit", QStringLiteral("1499,50"));
    QCOMPARE(text(d, "priceLineEdit"), QStringLiteral("1499,50"));
}

void TestItemDialog::unsavedEditsAreStoredOrAsked()
{
    Item* first = add(0, QStringLiteral("First"));
    Item* second = add(0, QStringLiteral("Second"));
    fill();
    int answer = 0;
    MessageBoxes::setAnswerer([this, &answer](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return answer;
    });
    const auto dialog = open(first);
    const ItemDialog& d = *dialog;

    // Nothing changed, nothing asked.
    QVERIFY(click(d, "NextPushButton"));
    QVERIFY(click(d, "PrevPushButton"));
    QVERIFY(m_boxes.isEmpty());

    // Cancel keeps the edits in the form, wherever the user was going.
    answer = 2;
    type(d, "nameLineEdit", QStringLiteral("Edited"));
    for (const char* name : { "NextPushButton", "newPushButton", "resetPushButton", "seachPushButton" })
        QVERIFY(click(d, name));
    dialog->close();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QCOMPARE(m_boxes.size(), 6);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->currentItem(), first);
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Edited"));
    QCOMPARE(m_boxes[0].icon, QMessageBox::Question);
    QCOMPARE(m_boxes[0].text, QStringLiteral("SAVE_ITEM_CHANGES_QUESTION"));
    QCOMPARE(m_boxes[0].buttons,
             (QStringList{ QStringLiteral("&Gem"), QStringLiteral("Gem &ikke"), QStringLiteral("&Fortryd") }));
    QCOMPARE(m_boxes[0].escapeButton, 2);
    QCOMPARE(first->name(), QStringLiteral("First"));

    // Save stores them on the way.
    answer = 0;
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(first->name(), QStringLiteral("Edited"));
    QCOMPARE(dialog->currentItem(), second);
    QVERIFY(DBItemCollection::isModified());

    // Discard lets them go, only when the user says so.
    DBItemCollection::setModified(false);
    answer = 1;
    type(d, "nameLineEdit", QStringLiteral("Dropped"));
    dialog->close();
    QCOMPARE(m_boxes.size(), 8);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(second->name(), QStringLiteral("Second"));
    QVERIFY(!DBItemCollection::isModified());
}

QTEST_MAIN(TestItemDialog)
#include "tst_itemdialog.moc"
