// The lookup list editor: what it shows per list and product, help pages, adding with the name
// rules, and deleting with the rules that keep every item's group and location where it is
// (SetupDialogTestSupport).

#include "SetupDialogTestSupport.h"
#include "Settings.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace SetupDialogTesting;

class TestSetupDialog : public SetupDialogFixture
{
    Q_OBJECT

private Q_SLOTS:
    void opens_data();
    void opens();
    void captionFollowsFieldLabels();
    void buttonsPerProduct_data();
    void buttonsPerProduct();
    void helpPages_data();
    void helpPages();
    void addAppendsAtTheEnd();
    void addRefusesNamesInUse_data();
    void addRefusesNamesInUse();
    void addRefusedAtCapacity();
    void nameRules();
    void deleteGroupInUseRefused();
    void deleteGroupFromTheMiddleLeavesItsPlace();
    void deleteLastLocationTakesEmptyPlacesBefore();
    void lastEntryNeverDeleted_data();
    void lastEntryNeverDeleted();
    void deleteSuppliersUnchecked();
    void deleteWithoutCurrentEntry();
};

void TestSetupDialog::opens_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("caption");
    QTest::newRow("groups") << 1 << QStringLiteral("Setup Groups")
                            << QStringList{ QStringLiteral("Stue"), QStringLiteral("Kitchen"), QStringLiteral("Hall"),
                                            QStringLiteral("Attic") }
                            << QStringLiteral("Gruppe");
    QTest::newRow("locations") << 2 << QStringLiteral("Setup Location")
                               << QStringList{ QStringLiteral("Ground floor"), QStringLiteral("Loft"),
                                               QStringLiteral("Cellar") }
                               << QStringLiteral("Rum");
    QTest::newRow("suppliers") << 3 << QStringLiteral("Setup Suppliers")
                               << QStringList{ QStringLiteral("Acme"), QStringLiteral("Brix") }
                               << QStringLiteral("Leverandør");
}

void TestSetupDialog::opens()
{
    QFETCH(int, kind);
    QFETCH(QString, objectName);
    QFETCH(QStringList, expected);
    QFETCH(QString, caption);
    m_dialog = open(kind);
    QCOMPARE(m_dialog->objectName(), objectName);
    QVERIFY(m_dialog->isModal());
    QCOMPARE(texts(entries()), expected);
    QCOMPARE(entries()->currentRow(), 0);
    // The first entry is highlighted, so its name stands in the edit field.
    QCOMPARE(edit()->text(), expected.first());
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("typeLabel"))->text(), caption);
    QCOMPARE(setupdialog::listCaption(kind), caption);
}

void TestSetupDialog::captionFollowsFieldLabels()
{
    QStringList labels = DefaultLabels;
    labels[0] = QStringLiteral("&Shelf");
    labels[8] = QStringLiteral("R&ack");
    labels[10] = QStringLiteral("Vendor");
    m_collection->fieldLabels().setEntries(labels);
    fillList();
    m_list->ViewAll(true);
    m_dialog = open(2);
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("typeLabel"))->text(), QStringLiteral("Rack"));
    QCOMPARE(setupdialog::listCaption(1), QStringLiteral("Shelf"));
    QCOMPARE(setupdialog::listCaption(3), QStringLiteral("Vendor"));
}

void TestSetupDialog::buttonsPerProduct_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("printShown");
    QTest::addColumn<bool>("helpShown");
    QTest::newRow("Domvara dk groups") << ProgramVariant::Domvara << QByteArray("dk") << 1 << false << true;
    QTest::newRow("Domvara no suppliers") << ProgramVariant::Domvara << QByteArray("no") << 3 << false << true;
    QTest::newRow("Domvara en") << ProgramVariant::Domvara << QByteArray("en") << 1 << false << false;
    QTest::newRow("Stockvane groups") << ProgramVariant::Stockvane << QByteArray("dk") << 1 << true << false;
    QTest::newRow("Stockvane locations") << ProgramVariant::Stockvane << QByteArray("dk") << 2 << false << false;
    QTest::newRow("Mintora groups") << ProgramVariant::Mintora << QByteArray("dk") << 1 << false << false;
    QTest::newRow("Pictova groups") << ProgramVariant::Pictova << QByteArray("dk") << 1 << false << false;
}

void TestSetupDialog::buttonsPerProduct()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QByteArray, language);
    QFETCH(int, kind);
    QFETCH(bool, printShown);
    QFETCH(bool, helpShown);
    useProduct(variant);
    m_settings->setValue(Setting::Language, QString::fromLatin1(language));
    m_dialog = open(kind);
    const auto* print = m_dialog->findChild<QPushButton*>(QStringLiteral("printButton"));
    QCOMPARE(print->isVisible(), printShown);
    if (printShown) {
        QCOMPARE(print->text(), QStringLiteral("Print label"));
        QCOMPARE(print->toolTip(), QStringLiteral("TOOLTIP_PRINT_BARCODE"));
        QCOMPARE(print->whatsThis(), QStringLiteral("WHATSHIS_PRINT_LOCATION_BARCODE"));
    }
    QCOMPARE(m_dialog->findChild<QPushButton*>(QStringLiteral("buttonHelp"))->isVisible(), helpShown);
}

void TestSetupDialog::helpPages_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("page");
    QTest::newRow("groups") << ProgramVariant::Domvara << 1 << QStringLiteral("SetupDomvaraTyperDialog.htm");
    QTest::newRow("locations") << ProgramVariant::Domvara << 2 << QStringLiteral("SetupLokalerDialog.htm");
    QTest::newRow("suppliers") << ProgramVariant::Stockvane << 3 << QStringLiteral("SetupSupplierDialog.dk.htm");
    QTest::newRow("Mintora") << ProgramVariant::Mintora << 1 << QString();
    QTest::newRow("Pictova") << ProgramVariant::Pictova << 2 << QString();
}

void TestSetupDialog::helpPages()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(int, kind);
    QFETCH(QString, page);
    useProduct(variant);
    for (const char* name : { "SetupDomvaraTyperDialog.htm", "SetupLokalerDialog.htm", "SetupSupplierDialog.dk.htm" })
        QVERIFY(writeFile(QStringLiteral("help/") + QLatin1StringView(name), "<html></html>"));
    m_dialog = open(kind);
    m_dialog->HelpSlot();
    QVERIFY(m_boxes.isEmpty());
    if (page.isEmpty()) {
        QVERIFY(m_opened.isEmpty());
    } else {
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened[0].toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("help/") + page));
    }
}

void TestSetupDialog::addAppendsAtTheEnd()
{
    fillList();
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Stue 2"));
    click("addButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(texts(entries()).last(), QStringLiteral("Stue 2"));
    // The database's list changes only when saved.
    QCOMPARE(m_collection->groups().size(), 4);

    // An empty name is refused.
    edit()->clear();
    click("addButton");
    QCOMPARE(entries()->count(), 5);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("SETUP_NAME_EMPTY"));

    click("saveButton");
    QCOMPARE(m_collection->groups().entries().last(), QStringLiteral("Stue 2"));
    // The item list is built again with a row for the new group.
    QCOMPARE(m_list->GetNumberOfGroups(), 5);
    QVERIFY(groupRow(QStringLiteral("Stue 2")));
}

void TestSetupDialog::addRefusesNamesInUse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same") << QStringLiteral("Kitchen") << true;
    QTest::newRow("other case") << QStringLiteral("kITCHEN") << true;
    // Only the whole name counts: a name that begins another one is a name of its own.
    QTest::newRow("beginning of an entry") << QStringLiteral("Stu") << false;
    QTest::newRow("beginning of an entry, other case") << QStringLiteral("KIT") << false;
    QTest::newRow("longer than an entry") << QStringLiteral("Stue 2") << false;
    QTest::newRow("new") << QStringLiteral("Garage") << false;
}

void TestSetupDialog::addRefusesNamesInUse()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    m_dialog = open(1);
    edit()->setText(name);
    click("addButton");
    if (refused) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl indtastning"));
        QCOMPARE(m_boxes[0].text, QStringLiteral("Dette navn er allerede anvendt"));
        QCOMPARE(entries()->count(), 4);
    } else {
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(entries()->count(), 5);
    }
}

void TestSetupDialog::addRefusedAtCapacity()
{
    QStringList full;
    for (int i = 0; i < DBItemCollection::MaxListEntries; ++i)
        full.append(QStringLiteral("Supplier %1").arg(i));
    m_collection->suppliers().setEntries(full);
    m_dialog = open(3);
    edit()->setText(QStringLiteral("One more"));
    click("addButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("SETUP_WARNING"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("SETUP_MAX_LIMIT_REACHED"));
    QCOMPARE(entries()->count(), DBItemCollection::MaxListEntries);

    // One entry fewer leaves room for one more.
    m_collection->suppliers().setEntries(full.mid(1));
    m_boxes.clear();
    m_dialog = open(3);
    edit()->setText(QStringLiteral("One more"));
    click("addButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(entries()->count(), DBItemCollection::MaxListEntries);
}

void TestSetupDialog::nameRules()
{
    // The rules of the item dialog's text fields, each refusal or change told below the field.
    m_dialog = open(3);
    auto* notice = m_dialog->findChild<QLabel*>(QStringLiteral("noticeLabel"));
    QVERIFY(notice);
    edit()->clear();
    edit()->setFocus();
    QTest::keyClicks(edit(), QStringLiteral("Nuts;"));
    QCOMPARE(edit()->text(), QStringLiteral("Nuts"));
    QVERIFY(notice->isVisible() && notice->text().contains(QStringLiteral("SEPARATOR_REFUSED")));
    edit()->clear();
    QTest::keyClicks(edit(), QString(250, u'x'));
    QCOMPARE(edit()->text().size(), 199);

    // A character the Latin-1 list file cannot hold becomes its plain form, with a notice,
    // rather than a "?" in the file.
    edit()->clear();
    QTest::keyClicks(edit(), QStringLiteral("Bolts "));
    QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QStringLiteral("\u20ac"), Qt::NoModifier);
    QCOMPARE(edit()->text(), QStringLiteral("Bolts EUR"));
    QVERIFY(notice->isVisible() && notice->text().startsWith(QStringLiteral("CHARACTER_REPLACED")));
    click("addButton");
    click("saveButton");
    QVERIFY(readFile(listFile("supplier", "supplier")).endsWith("Bolts EUR\r\n"));
}

void TestSetupDialog::deleteGroupInUseRefused()
{
    // Two items in Hall: it cannot go, and the box says how many items use it.
    add(2, 0, QStringLiteral("Coat"));
    add(2, 0, QStringLiteral("Boots"));
    fillList();
    m_dialog = open(1);
    select(2);
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Hall is used by 2"));
    QCOMPARE(texts(entries()).value(2), QStringLiteral("Hall"));
    QVERIFY(!entries()->item(2)->isHidden());
}

void TestSetupDialog::deleteGroupFromTheMiddleLeavesItsPlace()
{
    // Kitchen is unused: deleting it empties its place, so the items of the groups after it
    // keep their names, and a group added later goes to the end, not into the empty place.
    add(0, 0, QStringLiteral("Sofa"));
    add(2, 0, QStringLiteral("Coat"));
    add(3, 0, QStringLiteral("Trunk"));
    fillList();
    m_dialog = open(1);
    select(1);
    click("DeleteButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(texts(entries()),
             (QStringList{ QStringLiteral("Stue"), QString(), QStringLiteral("Hall"), QStringLiteral("Attic") }));
    // The empty place is not shown; the next group is the current one.
    QVERIFY(entries()->item(1)->isHidden());
    QCOMPARE(entries()->currentRow(), 2);
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");

    click("saveButton");
    QCOMPARE(m_collection->groups().entries(),
             (QStringList{ QStringLiteral("Stue"), QString(), QStringLiteral("Hall"), QStringLiteral("Attic"),
                           QStringLiteral("Garage") }));
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("Stue\r\n\r\nHall\r\nAttic\r\nGarage\r\n"));
    QCOMPARE(listRows(),
             (QStringList{ QStringLiteral("Attic:Trunk"), QStringLiteral("Garage:"), QStringLiteral("Hall:Coat"),
                           QStringLiteral("Stue:Sofa") }));
    QVERIFY(!DBItemCollection::isModified());
}

void TestSetupDialog::deleteLastLocationTakesEmptyPlacesBefore()
{
    // Locations Ground floor, Loft, Cellar; Loft emptied earlier, nothing in the cellar:
    // deleting the last one leaves no empty place at the end.
    add(0, 0, QStringLiteral("Sofa"));
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QString(), QStringLiteral("Cellar") });
    m_dialog = open(2);
    QCOMPARE(entries()->currentRow(), 0);
    select(2);
    click("DeleteButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(texts(entries()), QStringList{ QStringLiteral("Ground floor") });
    click("saveButton");
    QCOMPARE(m_collection->locations().entries(), QStringList{ QStringLiteral("Ground floor") });
}

void TestSetupDialog::lastEntryNeverDeleted_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("groups") << 1;
    QTest::newRow("locations") << 2;
}

void TestSetupDialog::lastEntryNeverDeleted()
{
    QFETCH(int, kind);
    // Even in an empty database the one entry left stays: a new item goes into position 0.
    m_collection->groups().setEntries({ QStringLiteral("Only group") });
    m_collection->locations().setEntries({ QStringLiteral("Only room") });
    m_dialog = open(kind);
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(entries()->count(), 1);
}

void TestSetupDialog::deleteSuppliersUnchecked()
{
    add(3, 2, QStringLiteral("Anything"));
    m_dialog = open(3);
    click("DeleteButton");
    click("DeleteButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(entries()->count(), 0);
    // Nothing is current in an empty list: a further delete does nothing.
    click("DeleteButton");
    click("saveButton");
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_collection->suppliers().isEmpty());
    QCOMPARE(readFile(listFile("supplier", "supplier")), QByteArray());
}

void TestSetupDialog::deleteWithoutCurrentEntry()
{
    m_dialog = open(3);
    entries()->setCurrentItem(nullptr);
    click("DeleteButton");
    QCOMPARE(entries()->count(), 2);
}

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
