// The lookup list editor: renaming, saving into the database and its list files, the item list
// built again, the read-only database, and the location labels of the stock product (sent
// through the desktop hook, so nothing is printed) (SetupDialogTestSupport).

#include "SetupDialogTestSupport.h"
#include "Settings.h"
#include "handlebarcodes.h"

#include <QFileInfo>
#include <QTest>

using namespace SetupDialogTesting;

class TestSetupDialogSave : public SetupDialogFixture
{
    Q_OBJECT

private Q_SLOTS:
    void renameGroup();
    void renameLocationKeepsItems();
    void renameSkippedAfterAddUntilSaved();
    void renameRefusesEmptyAndTakenNames();
    void saveWritesOnlyThatList();
    void otherLanguagesFollowAddAndDelete();
    void saveFailureReported();
    void okSavesCancelDiscards();
    void readOnlyDatabaseKeepsItsLists();
    void locationLabel();
    void locationLabelWithName();
    void locationLabelRefusals();
};

void TestSetupDialogSave::renameGroup()
{
    add(1, 0, QStringLiteral("Kettle"));
    add(2, 1, QStringLiteral("Coat"));
    fillList();
    QTreeWidgetItem* kitchenRow = groupRow(QStringLiteral("Kitchen"));
    QVERIFY(kitchenRow);
    m_dialog = open(1);
    select(1);
    QCOMPARE(edit()->text(), QStringLiteral("Kitchen"));
    edit()->setText(QStringLiteral("Scullery"));
    click("saveButton");
    QCOMPARE(entries()->item(1)->text(), QStringLiteral("Scullery"));
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Scullery"));
    // The group row is renamed in place: a rename moves nothing, so the list is not rebuilt.
    QCOMPARE(groupRow(QStringLiteral("Scullery")), kitchenRow);
    QCOMPARE(kitchenRow->child(0)->text(1), QStringLiteral("Kettle"));
    QCOMPARE(m_collection->at(0)->type(), 1);
    QCOMPARE(m_collection->at(1)->type(), 2);
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("Stue\r\nScullery\r\nHall\r\nAttic\r\n"));
}

void TestSetupDialogSave::renameLocationKeepsItems()
{
    add(0, 1, QStringLiteral("Sledge"));
    fillList();
    const int groupRows = m_list->GetNumberOfGroups();
    m_dialog = open(2);
    select(1);
    edit()->setText(QStringLiteral("Attic room"));
    click("saveButton");
    QCOMPARE(m_collection->locations().at(1), QStringLiteral("Attic room"));
    QCOMPARE(m_collection->at(0)->location(), 1);
    // The group rows are left alone by a location rename.
    QCOMPARE(m_list->GetNumberOfGroups(), groupRows);
    QCOMPARE(listRows(),
             (QStringList{ QStringLiteral("Attic:"), QStringLiteral("Hall:"), QStringLiteral("Kitchen:"),
                           QStringLiteral("Stue:Sledge") }));
    QCOMPARE(readFile(listFile("location", "location")), QByteArray("Ground floor\r\nAttic room\r\nCellar\r\n"));
}

void TestSetupDialogSave::renameSkippedAfterAddUntilSaved()
{
    fillList();
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");
    select(1);
    edit()->setText(QStringLiteral("Scullery"));
    click("saveButton");
    // The addition is saved, the rename is not: positions had moved since the last save.
    QCOMPARE(m_collection->groups().entries(),
             (QStringList{ QStringLiteral("Stue"), QStringLiteral("Kitchen"), QStringLiteral("Hall"),
                           QStringLiteral("Attic"), QStringLiteral("Garage") }));
    QVERIFY(groupRow(QStringLiteral("Kitchen")));
    QVERIFY(groupRow(QStringLiteral("Garage")));
    // After that save a rename is applied again.
    select(1);
    edit()->setText(QStringLiteral("Scullery"));
    click("saveButton");
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Scullery"));
    QVERIFY(groupRow(QStringLiteral("Scullery")));
    QVERIFY(!groupRow(QStringLiteral("Kitchen")));
}

void TestSetupDialogSave::renameRefusesEmptyAndTakenNames()
{
    fillList();
    m_dialog = open(1);
    select(1);
    // Another entry's name, in any case: refused, and the dialog stays open.
    edit()->setText(QStringLiteral("hALL"));
    click("buttonOk");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("Dette navn er allerede anvendt"));
    QVERIFY(m_dialog->isVisible());
    edit()->clear();
    click("saveButton");
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].text, QStringLiteral("SETUP_NAME_EMPTY"));
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Kitchen"));
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("<missing>"));

    // Its own name in other letters is a rename like any other.
    edit()->setText(QStringLiteral("KITCHEN"));
    click("buttonOk");
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("KITCHEN"));
    QVERIFY(groupRow(QStringLiteral("KITCHEN")));
}

void TestSetupDialogSave::saveWritesOnlyThatList()
{
    m_settings->setValue(Setting::Language, QStringLiteral("en"));
    m_dialog = open(3);
    edit()->setText(QStringLiteral("Cogs & Co"));
    click("addButton");
    click("buttonOk");
    QCOMPARE(readFile(listFile("supplier", "supplier", "en")), QByteArray("Acme\r\nBrix\r\nCogs & Co\r\n"));
    // The lists the dialog did not edit are not written.
    for (const char* folder : { "groups", "location", "fields" })
        QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("db/") + QLatin1StringView(folder))));
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestSetupDialogSave::otherLanguagesFollowAddAndDelete()
{
    // The groups in Danish and in English: a group added or deleted in Danish is added or
    // emptied in English too, so no English group row hides items; a rename stays Danish.
    QVERIFY(writeFile(listFile("groups", "groups", "en"), "Living room\r\nKitchen\r\nHall\r\nAttic\r\n"));
    fillList();
    m_dialog = open(1);
    select(1);
    edit()->setText(QStringLiteral("Køkken"));
    click("saveButton");
    select(2);
    click("DeleteButton");
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");
    click("buttonOk");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("Stue\r\nK\xf8kken\r\n\r\nAttic\r\nGarage\r\n"));
    QCOMPARE(readFile(listFile("groups", "groups", "en")),
             QByteArray("Living room\r\nKitchen\r\n\r\nAttic\r\nGarage\r\n"));
    // A language without a file of its own gets none.
    QCOMPARE(readFile(listFile("groups", "groups", "no")), QByteArray("<missing>"));
}

void TestSetupDialogSave::saveFailureReported()
{
    // The database folder lies below a file: no list file can be written there.
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("blocker")), "x"));
    m_collection->setDatabaseDir(m_dir->filePath(QStringLiteral("blocker/db")));
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");
    click("saveButton");
    QVERIFY(!m_reporter.messages.isEmpty());
    QCOMPARE(m_reporter.messages.first().kind, QStringLiteral("critical"));
    QCOMPARE(m_reporter.messages.first().title, QStringLiteral("Fil fejl"));
    // The lists in memory hold the change all the same; saving the database later keeps it.
    QCOMPARE(m_collection->groups().size(), 5);
}

void TestSetupDialogSave::okSavesCancelDiscards()
{
    fillList();
    m_dialog = open(2);
    edit()->setText(QStringLiteral("Shed"));
    click("addButton");
    click("buttonCancel");
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_collection->locations().size(), 3);
    QCOMPARE(readFile(listFile("location", "location")), QByteArray("<missing>"));

    m_dialog = open(2);
    edit()->setText(QStringLiteral("Shed"));
    click("addButton");
    click("buttonOk");
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_collection->locations().entries().last(), QStringLiteral("Shed"));
    QCOMPARE(readFile(listFile("location", "location")), QByteArray("Ground floor\r\nLoft\r\nCellar\r\nShed\r\n"));
}

void TestSetupDialogSave::readOnlyDatabaseKeepsItsLists()
{
    // Another program holds the stock database: its list files are not this program's to change.
    useProduct(ProgramVariant::Stockvane);
    const QString database = m_dir->filePath(QStringLiteral("db/stock.db"));
    QVERIFY(writeFile(database, "#2.5.6 (INV)- Format: x;\r\n"));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("db/LockFile.txt")), "stock.db Locked by PC: other, User: x"));
    QVERIFY(m_collection->LoadFromAsciiFile(database));
    QVERIFY(m_collection->isReadOnly());
    fillList();
    m_dialog = open(1);
    select(1);
    edit()->setText(QStringLiteral("Scullery"));
    click("buttonOk");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].text, QStringLiteral("SETUP_READ_ONLY"));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Kitchen"));
    QVERIFY(groupRow(QStringLiteral("Kitchen")));
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("<missing>"));
}

void TestSetupDialogSave::locationLabel()
{
    // The printer is a device path here: the label file of the job is copied to it.
    useProduct(ProgramVariant::Stockvane);
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), "^XA^FD%1^FS^FD%2^FS^XZ\r\n"));
    const QString device = m_dir->filePath(QStringLiteral("device"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), QFile::encodeName(device)));

    m_dialog = open(1);
    select(3);
    click("printButton");
    QTRY_COMPARE(readFile(device), QByteArray("^XA^FD000003^FS^FD000003^FS^XZ\r\n"));

    // Each job has a label file of its own, with its labels only.
    select(0);
    click("printButton");
    QTRY_COMPARE(readFile(device), QByteArray("^XA^FD000000^FS^FD000000^FS^XZ\r\n"));
    QVERIFY(m_boxes.isEmpty());
}

void TestSetupDialogSave::locationLabelWithName()
{
    useProduct(ProgramVariant::Stockvane);
    m_settings->setValue("EnableLocationNameOnLabels", true);
    m_settings->setValue("BarcodeLocationNameLabeLength", 6);
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), "[%3|%1|%2]"));
    const QString device = m_dir->filePath(QStringLiteral("device"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), QFile::encodeName(device)));
    m_dialog = open(1);
    select(2);
    // The label carries the text of the edit field, cut to the length set.
    edit()->setText(QStringLiteral("Hallway north"));
    click("printButton");
    QTRY_COMPARE(readFile(device), QByteArray("[Hallwa|000002|000002]"));
    // Printing changes no list.
    QCOMPARE(m_collection->groups().at(2), QStringLiteral("Hall"));
}

void TestSetupDialogSave::locationLabelRefusals()
{
    useProduct(ProgramVariant::Stockvane);
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), "%1 %2"));
    const QString device = m_dir->filePath(QStringLiteral("device"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), QFile::encodeName(device)));
    m_dialog = open(1);
    edit()->clear();
    click("printButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("SETUP_ERROR"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("NO_ITEM_SELECTED"));

    // Nothing highlighted: nothing printed, nothing asked.
    m_collection->groups().clear();
    m_dialog = open(1);
    m_dialog->PrintSlot();
    QCOMPARE(m_boxes.size(), 1);

    // Only the stock product prints labels.
    useProduct(ProgramVariant::Domvara);
    m_dialog = open(1);
    m_dialog->PrintSlot();
    QTest::qWait(50);
    QCOMPARE(readFile(device), QByteArray("<missing>"));
}

QTEST_MAIN(TestSetupDialogSave)
#include "tst_setupdialog_save.moc"
