// Automatic item creation: the accepted batch sizes and the warning, and the items a batch
// makes: how many, their serial numbers, group, count, date and name, the modified flag and
// the rows added to the item list.

#include "AutomakeItems.h"
#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "TestSettings.h"
#include "funiQListViewItem.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestAutomakeItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opens();
    void batchSizes_data();
    void batchSizes();
    void clearingWarnsAtOnce();
    void makesNumberedItems();
    void secondBatchContinuesTheNumbers();
    void startSerialNumber_data();
    void startSerialNumber();
    void largestBatch();
    void emptyNameAndNoSize();
    void closeButton();
    void numbersPastTheLargestInt();
    void readOnlyDatabaseRefused();

private:
    void open();
    void typeNumber(const QString& text);
    void make();
    Item* addExisting(const QString& serialno, int group);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    std::unique_ptr<AutomakeItems> m_dialog;
    QList<MessageBoxes::Request> m_boxes;
};

void TestAutomakeItems::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Stockvane);
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Shelf A"), QStringLiteral("Shelf B") });
    m_list = std::make_unique<ItemListView>(nullptr);
    m_boxes.clear();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
}

void TestAutomakeItems::cleanup()
{
    m_dialog.reset();
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    DBItemCollection::setModified(false);
    m_settings.reset();
}

void TestAutomakeItems::open()
{
    m_list->clearRows();
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    DBItemCollection::setModified(false);
    m_dialog = std::make_unique<AutomakeItems>(m_collection.get(), m_list.get(), nullptr);
    m_dialog->show();
}

void TestAutomakeItems::typeNumber(const QString& text)
{
    auto* edit = m_dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
    edit->clear();
    m_boxes.clear();
    QTest::keyClicks(edit, text);
}

void TestAutomakeItems::make()
{
    m_dialog->findChild<QPushButton*>(QStringLiteral("pushButtonMakeItems"))->click();
}

Item* TestAutomakeItems::addExisting(const QString& serialno, int group)
{
    auto item = std::make_unique<Item>();
    item->setSerialno(serialno);
    item->setType(group);
    return m_collection->addItem(std::move(item));
}

void TestAutomakeItems::opens()
{
    open();
    QCOMPARE(m_dialog->numberOfItems(), 0);
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("AutomakeItems"));
    QVERIFY(!m_dialog->isModal());
    // Nothing asked before anything is typed.
    QVERIFY(m_boxes.isEmpty());
    make();
    QCOMPARE(m_collection->count(), 0);
}

void TestAutomakeItems::batchSizes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("warnings");
    QTest::newRow("one") << QStringLiteral("1") << 1 << 0;
    QTest::newRow("three") << QStringLiteral("3") << 3 << 0;
    QTest::newRow("999") << QStringLiteral("999") << 999 << 0;
    // The last key press makes it too big.
    QTest::newRow("1000") << QStringLiteral("1000") << 0 << 1;
    QTest::newRow("zero") << QStringLiteral("0") << 0 << 1;
    // "-" and "-5" are both refused.
    QTest::newRow("minus five") << QStringLiteral("-5") << 0 << 2;
    QTest::newRow("letters") << QStringLiteral("ab") << 0 << 2;
}

void TestAutomakeItems::batchSizes()
{
    QFETCH(QString, typed);
    QFETCH(int, number);
    QFETCH(int, warnings);
    open();
    typeNumber(typed);
    QCOMPARE(m_dialog->numberOfItems(), number);
    QCOMPARE(m_boxes.size(), warnings);
    for (const MessageBoxes::Request& box : std::as_const(m_boxes)) {
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.text, QStringLiteral("Number of items must be:\nGreater than 0 and less than 1000"));
    }
    make();
    QCOMPARE(m_collection->count(), number);
}

void TestAutomakeItems::clearingWarnsAtOnce()
{
    open();
    typeNumber(QStringLiteral("12"));
    QCOMPARE(m_dialog->numberOfItems(), 12);
    m_boxes.clear();
    m_dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->clear();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_dialog->numberOfItems(), 0);
    make();
    QCOMPARE(m_collection->count(), 0);
}

void TestAutomakeItems::makesNumberedItems()
{
    addExisting(QStringLiteral("41"), 1);
    addExisting(QStringLiteral("abc"), 1);
    addExisting(QStringLiteral("7"), 0);
    open();
    typeNumber(QStringLiteral("3"));
    QTest::keyClicks(m_dialog->findChild<QLineEdit*>(QStringLiteral("nameLineEdit")), QStringLiteral("Pallet"));
    make();

    QCOMPARE(m_collection->count(), 6);
    QVERIFY(DBItemCollection::isModified());
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    for (int i = 0; i < 3; ++i) {
        const Item* item = m_collection->at(3 + i);
        QCOMPARE(item->serialno(), QString::number(42 + i));
        QCOMPARE(item->type(), 0);
        QCOMPARE(item->number_of_items(), 1);
        QCOMPARE(item->date(), today);
        QCOMPARE(item->name(), QStringLiteral("Pallet"));
        QCOMPARE(item->location(), 0);
        QCOMPARE(item->price(), 0.0);
        QVERIFY(item->description().isEmpty());
    }
    // The rows are added under the first group; the last one made is selected.
    const QTreeWidgetItem* shelfA = m_list->findItems(QStringLiteral("Shelf A"), Qt::MatchExactly, 0).value(0);
    QVERIFY(shelfA);
    QCOMPARE(shelfA->childCount(), 4);
    QStringList serials;
    for (int i = 0; i < shelfA->childCount(); ++i)
        serials.append(shelfA->child(i)->text(14));
    serials.sort();
    QCOMPARE(serials,
             (QStringList{ QStringLiteral("42"), QStringLiteral("43"), QStringLiteral("44"), QStringLiteral("7") }));
    QTreeWidgetItem* current = m_list->isItemSelected();
    QVERIFY(current);
    QCOMPARE(funiQListViewItem::itemOf(current), m_collection->at(5));
    QVERIFY(current->isSelected());
    QCOMPARE(m_list->selectedItems().size(), 1);
}

void TestAutomakeItems::secondBatchContinuesTheNumbers()
{
    addExisting(QStringLiteral("10"), 0);
    open();
    typeNumber(QStringLiteral("2"));
    make();
    // The dialog stays open; the same size makes another batch.
    QVERIFY(m_dialog->isVisible());
    make();
    QCOMPARE(m_collection->count(), 5);
    for (int i = 1; i < 5; ++i)
        QCOMPARE(m_collection->at(i)->serialno(), QString::number(10 + i));
}

void TestAutomakeItems::startSerialNumber_data()
{
    QTest::addColumn<QVariant>("setting");
    QTest::addColumn<QString>("first");
    QTest::newRow("100") << QVariant(100) << QStringLiteral("101");
    QTest::newRow("0") << QVariant(0) << QStringLiteral("1");
    QTest::newRow("absent") << QVariant() << QStringLiteral("1");
}

void TestAutomakeItems::startSerialNumber()
{
    QFETCH(QVariant, setting);
    QFETCH(QString, first);
    if (setting.isValid())
        m_settings->setValue(Setting::StartSerialNumber, setting);
    open();
    typeNumber(QStringLiteral("3"));
    make();
    QCOMPARE(m_collection->count(), 3);
    QCOMPARE(m_collection->at(0)->serialno(), first);
    QCOMPARE(m_collection->at(2)->serialno(), QString::number(first.toInt() + 2));
}

void TestAutomakeItems::largestBatch()
{
    open();
    typeNumber(QStringLiteral("999"));
    make();
    QCOMPARE(m_collection->count(), 999);
    QCOMPARE(m_collection->at(998)->serialno(), QStringLiteral("999"));
    QCOMPARE(m_list->topLevelItem(0)->childCount() + m_list->topLevelItem(1)->childCount(), 999);
}

void TestAutomakeItems::emptyNameAndNoSize()
{
    open();
    typeNumber(QStringLiteral("2"));
    make();
    QCOMPARE(m_collection->count(), 2);
    QVERIFY(m_collection->at(0)->name().isEmpty());
    // A name never holds the field separator of a database line, nor what the Latin-1 file
    // cannot hold; the notice line says what happened.
    auto* name = m_dialog->findChild<QLineEdit*>(QStringLiteral("nameLineEdit"));
    auto* notice = m_dialog->findChild<QLabel*>(QStringLiteral("noticeLabel"));
    QVERIFY(notice->isHidden());
    QTest::keyClicks(name, QStringLiteral("Box;1 "));
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("\u20ac"), Qt::NoModifier);
    QCOMPARE(name->text(), QStringLiteral("Box1 EUR"));
    QVERIFY(!notice->isHidden());
    QCOMPARE(notice->text(), QStringLiteral("CHARACTER_REPLACED \u20ac EUR"));
}

void TestAutomakeItems::closeButton()
{
    open();
    m_dialog->findChild<QPushButton*>(QStringLiteral("pushButtonClose"))->click();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_collection->count(), 0);
}

void TestAutomakeItems::numbersPastTheLargestInt()
{
    addExisting(QStringLiteral("2147483646"), 0);
    open();
    typeNumber(QStringLiteral("3"));
    make();
    QCOMPARE(m_collection->at(1)->serialno(), QStringLiteral("2147483647"));
    QCOMPARE(m_collection->at(2)->serialno(), QStringLiteral("2147483648"));
    QCOMPARE(m_collection->at(3)->serialno(), QStringLiteral("2147483649"));
}

void TestAutomakeItems::readOnlyDatabaseRefused()
{
    // Another program holds the database, so it opened read-only and can never be saved.
    QTemporaryDir dir;
    m_settings->setValue(Setting::LastDBDir, dir.path());
    QFile lock(dir.filePath(QStringLiteral("LockFile.txt")));
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("stock.db Locked by PC: other, User: someone") > 0);
    lock.close();
    QFile database(dir.filePath(QStringLiteral("stock.db")));
    QVERIFY(database.open(QIODevice::WriteOnly) && database.write("#2.5.6 (INV)- Format: x;\r\n") > 0);
    database.close();
    QVERIFY(m_collection->LoadFromAsciiFile(database.fileName()));
    QVERIFY(m_collection->isReadOnly());

    open();
    typeNumber(QStringLiteral("2"));
    make();
    QCOMPARE(m_collection->count(), 0);
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("AUTOMAKE_READ_ONLY"));
}

QTEST_MAIN(TestAutomakeItems)
#include "tst_automakeitems.moc"
