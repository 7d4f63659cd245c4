// The item list: rows per group, cells per product, icons, sorting, header names and column
// widths, with message boxes and the desktop replaced by recorders (ItemListViewTestSupport).

#include "ItemListViewTestSupport.h"
#include "ListOrder.h"
#include "Settings.h"
#include "funiQListViewItem.h"

#include <QHeaderView>
#include <QTest>

using namespace ItemListViewTesting;

class TestItemListView : public ItemListViewFixture
{
    Q_OBJECT

private Q_SLOTS:
    void rowsPerGroup();
    void groupBeyondTheList();
    void emptyGroupsList();
    void emptyEntryShowsNoGroupRow();
    void cellsPerProduct_data();
    void cellsPerProduct();
    void badLocation();
    void pictureFiles_data();
    void pictureFiles();
    void iconsPerProduct_data();
    void iconsPerProduct();
    void headerSortsAsPrintsDo();
    void headersByFileVersion_data();
    void headersByFileVersion();
    void headersOfLabelsZeroToFourteen();
    void viewAllOnEmptyList();
    void columnWidthsSurvive();
};

void TestItemListView::rowsPerGroup()
{
    add(0, QStringLiteral("Kettle"));
    add(2, QStringLiteral("Sledge"));
    Item* last = add(2, QStringLiteral("Trunk"));
    fill();

    QCOMPARE(m_list->GetNumberOfGroups(), 3);
    QCOMPARE(m_list->topLevelItemCount(), 3);
    // The rows sort by group name, as the list does from the start.
    QCOMPARE(m_list->topLevelItem(0)->text(0), QStringLiteral("Attic"));
    QCOMPARE(m_list->topLevelItem(0)->childCount(), 2);
    QCOMPARE(m_list->topLevelItem(1)->text(0), QStringLiteral("Hall"));
    QCOMPARE(m_list->topLevelItem(1)->childCount(), 0);
    QCOMPARE(m_list->topLevelItem(2)->childCount(), 1);
    QCOMPARE(m_list->topLevelItem(2)->child(0)->text(1), QStringLiteral("Kettle"));

    // Group rows can be opened even when empty; item rows cannot.
    QVERIFY(funiQListViewItem::isGroupRow(m_list->topLevelItem(1)));
    const QTreeWidgetItem* kettle = m_list->topLevelItem(2)->child(0);
    QCOMPARE(kettle->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    QVERIFY(!funiQListViewItem::itemOf(m_list->topLevelItem(0)));
    QCOMPARE(funiQListViewItem::itemOf(kettle)->name(), QStringLiteral("Kettle"));

    // The last row made is the current row.
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), last);
    QVERIFY(m_boxes.isEmpty());
}

void TestItemListView::groupBeyondTheList()
{
    add(0, QStringLiteral("Kept"));
    Item* beyond = add(3, QStringLiteral("Beyond"));
    Item* negative = add(-1, QStringLiteral("Negative"));
    add(7, QStringLiteral("Far"));
    fill();

    // Shown under a group row of their own at the end, and said once for them all.
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("3 items under (unknown group)"));
    QCOMPARE(m_list->GetNumberOfGroups(), 3);
    QTreeWidgetItem* unknown = m_list->topLevelItem(3);
    QCOMPARE(unknown->text(0), QStringLiteral("(unknown group)"));
    QVERIFY(funiQListViewItem::isGroupRow(unknown));
    QCOMPARE(unknown->childCount(), 3);
    m_list->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(m_list->topLevelItem(3), unknown);
    QCOMPARE(m_list->topLevelItem(0)->text(0), QStringLiteral("Kitchen"));

    // Opened like any other, and a double click on the row itself starts a new Item.
    m_list->doubleClickOnItemSlot(m_list->FindListViewItem(beyond));
    QCOMPARE(itemDialogs().value(0)->currentItem(), beyond);
    QVERIFY(shownModalAndDeletedOnClose(itemDialogs().value(0)));
    m_list->doubleClickOnItemSlot(unknown);
    QVERIFY(itemDialogs().value(0)->ownsCurrentItem());
    QVERIFY(shownModalAndDeletedOnClose(itemDialogs().value(0)));

    // Deleted like any other; moved to a real group, the Item leaves the unknown group, which
    // goes once it is empty.
    m_list->ItemSelected(m_list->FindListViewItem(negative));
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 3);
    beyond->setType(1);
    m_list->updateItemRow(m_list->FindListViewItem(beyond), beyond);
    QCOMPARE(m_list->FindListViewItem(beyond)->parent()->text(0), QStringLiteral("Hall"));
    QCOMPARE(unknown->childCount(), 1);
    m_list->ItemSelected(unknown->child(0));
    m_list->DeleteItem();
    QCOMPARE(m_list->topLevelItemCount(), 3);

    // One more such Item added later joins a new unknown group without a box.
    auto item = std::make_unique<Item>();
    item->setType(17);
    m_list->addItemRow(item.get(), true);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_list->topLevelItemCount(), 4);
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), item.get());
    m_list->clearRows();
}

void TestItemListView::emptyGroupsList()
{
    m_collection->groups().clear();
    add(0);
    add(0);
    QTest::ignoreMessage(QtDebugMsg, "group.size = 0");
    fill();
    QCOMPARE(m_list->GetNumberOfGroups(), 0);
    QCOMPARE(m_list->topLevelItemCount(), 1);
    QCOMPARE(m_list->topLevelItem(0)->childCount(), 2);
    QCOMPARE(m_boxes.size(), 1);
}

void TestItemListView::emptyEntryShowsNoGroupRow()
{
    // Hall was deleted and left its place empty; an older list file left items in another
    // empty place, whose row stays so that they are seen.
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QString(), QStringLiteral("Attic"), QString() });
    add(2, QStringLiteral("Trunk"));
    add(3, QStringLiteral("Stray"));
    fill();
    QStringList shown;
    for (int index = 0; index < m_list->topLevelItemCount(); ++index) {
        const QTreeWidgetItem* row = m_list->topLevelItem(index);
        if (!row->isHidden())
            shown.append(row->text(0) + u':' + QString::number(row->childCount()));
    }
    QCOMPARE(shown, (QStringList{ QStringLiteral(":1"), QStringLiteral("Attic:1"), QStringLiteral("Kitchen:0") }));
    QCOMPARE(m_list->GetNumberOfGroups(), 4);
    QVERIFY(m_boxes.isEmpty());
}

void TestItemListView::cellsPerProduct_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("price");
    QTest::newRow("Domvara shows the value") << ProgramVariant::Domvara << QStringLiteral("30.00");
    QTest::newRow("Stockvane shows the value") << ProgramVariant::Stockvane << QStringLiteral("30.00");
    QTest::newRow("Mintora shows the value") << ProgramVariant::Mintora << QStringLiteral("30.00");
    QTest::newRow("Pictova shows the price") << ProgramVariant::Pictova << QStringLiteral("10.00");
}

void TestItemListView::cellsPerProduct()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, price);
    SetProgramVariant(variant);

    Item* item = add(1, QStringLiteral("Lamp"));
    item->setProduct(QStringLiteral("Lumo"));
    item->setProductModel(QStringLiteral("L-3"));
    item->setNumber_of_items(3);
    item->setPrice(10.0);
    item->setPriceToday(7.126);
    item->setDate(QStringLiteral("24.12.2009"));
    item->setLocation(1);
    item->setDescription(QStringLiteral("Brass"));
    item->setSupplier(QStringLiteral("Shop"));
    item->setAddress(QStringLiteral("Main St"));
    item->setSerialno(QStringLiteral("77"));
    item->setWww(QStringLiteral("https://example.org"));
    item->setExtra1(QStringLiteral("e1"));
    item->setExtra4(QStringLiteral("e4"));
    fill();

    const QTreeWidgetItem* row = m_list->FindListViewItem(item);
    const QStringList expected{ QString(),
                                QStringLiteral("Lamp"),
                                QStringLiteral("Lumo"),
                                QStringLiteral("L-3"),
                                QStringLiteral("3"),
                                price,
                                QStringLiteral("7.13"),
                                QString(),
                                QString(),
                                QStringLiteral("24.12.2009"),
                                QStringLiteral("Loft"),
                                QStringLiteral("Brass"),
                                QStringLiteral("Shop"),
                                QStringLiteral("Main St"),
                                QStringLiteral("77"),
                                QStringLiteral("https://example.org"),
                                QString(),
                                QStringLiteral("e1"),
                                QString(),
                                QString(),
                                QStringLiteral("e4") };
    for (int column = 0; column < ItemListView::ColumnCount; ++column)
        QCOMPARE(row->text(column), expected[column]);
    // Numbers are right-aligned, icons centred, texts left.
    QCOMPARE(row->textAlignment(5), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(row->textAlignment(8), int(Qt::AlignCenter));
    QCOMPARE(row->textAlignment(1), int(Qt::AlignLeft | Qt::AlignVCenter));
}

void TestItemListView::badLocation()
{
    add(0)->setLocation(2);
    add(0)->setLocation(-1);
    add(0)->setLocation(0);
    fill();
    const QTreeWidgetItem* group = m_list->topLevelItem(2);
    QCOMPARE(group->child(0)->text(10), QStringLiteral("Error"));
    QCOMPARE(group->child(1)->text(10), QStringLiteral("Error"));
    QCOMPARE(group->child(2)->text(10), QStringLiteral("Ground floor"));
}

void TestItemListView::pictureFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("picture");
    QTest::newRow("mixed case") << QStringLiteral("/home/a/receipt.Jpg") << true;
    QTest::newRow("jpeg") << QStringLiteral("scan.JPEG") << true;
    QTest::newRow("png") << QStringLiteral("a.png") << true;
    QTest::newRow("every type") << QStringLiteral("x.bmp x.xbm x.xpm x.pnm x.mng") << true;
    QTest::newRow("folder called Gifts") << QStringLiteral("/home/a/Gifts/list.txt") << true;
    QTest::newRow("pdf") << QStringLiteral("/home/a/receipt.pdf") << false;
    QTest::newRow("tiff") << QStringLiteral("scan.tiff") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestItemListView::pictureFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, picture);
    QCOMPARE(isPictureFile(path), picture);
}

void TestItemListView::iconsPerProduct_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("receiptIcon");
    QTest::newRow("Domvara") << ProgramVariant::Domvara << QStringLiteral("receipt.png");
    QTest::newRow("Stockvane") << ProgramVariant::Stockvane << QStringLiteral("picture.png");
    QTest::newRow("Pictova") << ProgramVariant::Pictova << QStringLiteral("picture.png");
}

void TestItemListView::iconsPerProduct()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, receiptIcon);
    SetProgramVariant(variant);

    Item* pictured = add(0, QStringLiteral("a"));
    pictured->setPhotolink(QStringLiteral(" /pictures/chair.GIF "));
    pictured->setReceipt(QStringLiteral("/receipts/chair.Jpg"));
    pictured->setDocument(QStringLiteral("/documents/manual.pdf"));
    Item* plain = add(0, QStringLiteral("b"));
    plain->setPhotolink(QStringLiteral("/pictures/chair.tif"));
    plain->setReceipt(QStringLiteral("/receipts/chair.pdf"));
    plain->setDocument(QStringLiteral("   "));
    fill();

    // The three icons are built in and differ.
    QVERIFY(!resourceImage("picture.png").isNull());
    QVERIFY(resourceImage("receipt.png") != resourceImage("picture.png"));
    QVERIFY(resourceImage("document.png") != resourceImage("picture.png"));

    const QTreeWidgetItem* row = m_list->FindListViewItem(pictured);
    QCOMPARE(iconImage(row->icon(7)), resourceImage("picture.png"));
    QCOMPARE(iconImage(row->icon(8)), resourceImage(receiptIcon.toLatin1().constData()));
    QCOMPARE(iconImage(row->icon(16)), resourceImage("document.png"));
    QVERIFY(row->text(7).isEmpty());
    QVERIFY(row->text(16).isEmpty());
    QCOMPARE(row->toolTip(8), QStringLiteral("/receipts/chair.Jpg"));

    row = m_list->FindListViewItem(plain);
    QVERIFY(row->icon(7).isNull());
    QVERIFY(row->icon(8).isNull());
    QVERIFY(row->icon(16).isNull());
}

void TestItemListView::headerSortsAsPrintsDo()
{
    // Names in Danish order (the program's language here): case ignored, Æ, Ø and Å after Z.
    Item* eagle = add(0, QStringLiteral("\u00d8rn"));
    eagle->setDate(QStringLiteral("02.01.2001"));
    eagle->setPrice(20.0);
    Item* zinc = add(0, QStringLiteral("zink"));
    zinc->setDate(QStringLiteral("31.12.2000"));
    zinc->setPrice(100.0);
    Item* anchor = add(0, QStringLiteral("Anker"));
    anchor->setPrice(1000.0);
    Item* eel = add(0, QStringLiteral("\u00c5l"));
    eel->setDate(QStringLiteral("15.06.1999"));
    eel->setPrice(3.0);
    fill();
    m_list->show();
    QTreeWidgetItem* kitchen = m_list->findItems(QStringLiteral("Kitchen"), Qt::MatchExactly).value(0);
    QVERIFY(kitchen);

    auto clickHeader = [this](int column) {
        QHeaderView* header = m_list->header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    auto order = [kitchen] {
        QStringList names;
        for (int i = 0; i < kitchen->childCount(); ++i)
            names << kitchen->child(i)->text(1);
        return names.join(u',');
    };
    clickHeader(1);
    QCOMPARE(order(), QStringLiteral("Anker,zink,\u00d8rn,\u00c5l"));
    // Figures by value: 20.00 before 100.00.
    clickHeader(5);
    QCOMPARE(order(), QStringLiteral("\u00c5l,\u00d8rn,zink,Anker"));
    clickHeader(5);
    QCOMPARE(order(), QStringLiteral("Anker,zink,\u00d8rn,\u00c5l"));
    // Dates by the calendar, a missing date first.
    clickHeader(9);
    QCOMPARE(order(), QStringLiteral("Anker,\u00c5l,zink,\u00d8rn"));
    // Group rows stay in the order of their names whatever the column.
    QCOMPARE(m_list->topLevelItem(0)->text(0), QStringLiteral("Attic"));
    QCOMPARE(m_list->topLevelItem(2), kitchen);

    // The printed list sorts the same Items the same way.
    const std::vector<const Item*> printed
        = ListOrder().sorted(m_collection->items(), 5, m_collection->groups(), m_collection->locations());
    QCOMPARE(printed.front(), eel);
    QCOMPARE(printed.back(), anchor);
}

void TestItemListView::headersByFileVersion_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("label15");
    QTest::addColumn<QString>("label16");
    QTest::addColumn<QString>("documentHeader");
    QTest::addColumn<QString>("modelHeader");
    QTest::addColumn<QString>("extraHeader");

    QTest::newRow("252: document and model keep their defaults")
        << QByteArray("#2.5.2 (INB)- Format: x;") << QStringLiteral("Papers") << QStringLiteral("Type")
        << QStringLiteral("Dok.") << QStringLiteral("Produkt model") << QStringLiteral("Extra1");
    QTest::newRow("254: model keeps its default")
        << QByteArray("#2.5.4 (INB)- Format: x;") << QStringLiteral("Papers") << QStringLiteral("Type")
        << QStringLiteral("Papers") << QStringLiteral("Produkt model") << QStringLiteral("Extra1");
    QTest::newRow("255: an empty model label blanks the header")
        << QByteArray("#2.5.5 (INB)- Format: x;") << QStringLiteral("Papers") << QString() << QStringLiteral("Papers")
        << QString() << QStringLiteral("Extra1");
    QTest::newRow("255: placeholder labels are not shown")
        << QByteArray("#2.5.5 (INB)- Format: x;") << QStringLiteral("Column 16") << QStringLiteral("field_17")
        << QStringLiteral("Dok.") << QStringLiteral("Produkt model") << QStringLiteral("Extra1");
    QTest::newRow("256: the extra columns are named")
        << QByteArray("#2.5.6 (INB)- Format: x;") << QStringLiteral("Papers") << QStringLiteral("Type")
        << QStringLiteral("Papers") << QStringLiteral("Type") << QStringLiteral("Remarks");
}

void TestItemListView::headersByFileVersion()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, label15);
    QFETCH(QString, label16);
    QFETCH(QString, documentHeader);
    QFETCH(QString, modelHeader);
    QFETCH(QString, extraHeader);

    loadVersion(header.constData());
    QStringList labels(21);
    labels[15] = label15;
    labels[16] = label16;
    labels[17] = QStringLiteral("Remarks");
    m_collection->fieldLabels().setEntries(labels);
    add(0);
    fill();
    m_list->ViewAll(true);

    QCOMPARE(m_list->headerItem()->text(16), documentHeader);
    QCOMPARE(m_list->headerItem()->text(3), modelHeader);
    QCOMPARE(m_list->headerItem()->text(17), extraHeader);
    // Empty labels 0 to 14 leave their headers alone.
    QCOMPARE(m_list->headerItem()->text(9), QStringLiteral("Dato"));
    // The export sees the names the labels gave (the table belongs to the process, so a
    // header left alone keeps what an earlier database named it).
    if (documentHeader != u"Dok.")
        QCOMPARE(ItemListView::columnHeaderText(16), documentHeader.toLatin1());
    if (modelHeader != u"Produkt model")
        QCOMPARE(ItemListView::columnHeaderText(3), modelHeader.toLatin1());
}

void TestItemListView::headersOfLabelsZeroToFourteen()
{
    loadVersion("#2.5.5 (INB)- Format: x;");
    QStringList labels;
    for (int index = 0; index <= 14; ++index)
        labels << QStringLiteral("L%1").arg(index);
    labels[1] = QStringLiteral("&Name");
    labels[12] = QStringLiteral("S&erial");
    m_collection->fieldLabels().setEntries(labels);
    add(0);
    fill();
    m_list->ViewAll(false);

    // Where each label lands: count, price and value skip the model column; the receipt
    // label comes last in the list but names column 8.
    const QList<QPair<int, QString>> expected{
        { 0, QStringLiteral("L0") },      { 1, QStringLiteral("Name") }, { 2, QStringLiteral("L2") },
        { 4, QStringLiteral("L3") },      { 5, QStringLiteral("L4") },   { 6, QStringLiteral("L5") },
        { 7, QStringLiteral("L6") },      { 9, QStringLiteral("L7") },   { 10, QStringLiteral("L8") },
        { 11, QStringLiteral("L9") },     { 12, QStringLiteral("L10") }, { 13, QStringLiteral("L11") },
        { 14, QStringLiteral("Serial") }, { 15, QStringLiteral("L13") }, { 8, QStringLiteral("L14") },
    };
    for (const auto& [column, text] : expected) {
        QCOMPARE(m_list->headerItem()->text(column), text);
        QCOMPARE(ItemListView::columnHeaderText(column), text.toLatin1());
    }
    QCOMPARE(ItemListView::columnHeaderText(21), QByteArray("Unknown column"));
    QCOMPARE(ItemListView::columnHeaderText(-1), QByteArray("Unknown column"));
    // Closing the groups is the other half of the command.
    QVERIFY(!m_list->topLevelItem(0)->isExpanded());
    m_list->ViewAll(true);
    for (int group = 0; group < m_list->topLevelItemCount(); ++group)
        QVERIFY(m_list->topLevelItem(group)->isExpanded());
}

void TestItemListView::viewAllOnEmptyList()
{
    loadVersion("#2.5.6 (INB)- Format: x;");
    m_collection->fieldLabels().setEntries({ QStringLiteral("Changed") });
    m_list->createGroupRows(nullptr);
    m_list->ViewAll(true);
    QCOMPARE(m_list->headerItem()->text(0), QStringLiteral("Gruppe"));

    // Rows of a collection without items still count: the group rows are there.
    m_list->createGroupRows(m_collection.get());
    m_list->ViewAll(true);
    QCOMPARE(m_list->headerItem()->text(0), QStringLiteral("Changed"));
}

void TestItemListView::columnWidthsSurvive()
{
    Item* item = add(0, QStringLiteral("Kettle"));
    item->setNumber_of_items(12345);
    item->setPrice(80.5);
    item->setPriceToday(456789.5);
    item->setDate(QStringLiteral("28.02.2023"));
    item->setPhotolink(QStringLiteral("kettle.png"));
    loadVersion("#2.5.5 (INB)- Format: x;");
    QStringList labels(15, QString());
    labels[3] = QStringLiteral("Number of items in stock");
    m_collection->fieldLabels().setEntries(labels);
    fill();
    m_list->ViewAll(true);

    // A new user sees every header and every typical cell whole, also under a header the field
    // labels renamed: the count column shows counts, not "...". The view itself measures.
    class MeasuringList : public ItemListView
    {
    public:
        MeasuringList()
            : ItemListView(nullptr)
        {
        }
        using QTreeView::sizeHintForColumn;
    };
    MeasuringList measure;
    measure.createGroupRows(m_collection.get());
    measure.fillItemRows(m_collection.get());
    measure.ViewAll(true);
    measure.show();
    for (const int column : { 4, 5, 6, 7, 9 }) {
        QVERIFY2(m_list->columnWidth(column) >= measure.sizeHintForColumn(column), qPrintable(QString::number(column)));
        QVERIFY2(m_list->columnWidth(column) >= m_list->header()->sectionSizeHint(column),
                 qPrintable(QString::number(column)));
    }
    const int fittedCount = m_list->columnWidth(4);

    // A width the user drags is kept, without any command, and the next start uses it.
    m_list->header()->resizeSection(15, 231);
    QTRY_COMPARE(openSettings()->value(QStringLiteral("ListView/WWWCOLUMNwidth")).toInt(), 231);
    QVERIFY(!openSettings()->contains(QStringLiteral("ListView/COUNTCOLUMNwidth")));
    {
        ItemListView next(nullptr);
        QCOMPARE(next.columnWidth(15), 231);
        QVERIFY(next.columnWidth(4) >= next.header()->sectionSizeHint(4));
    }

    // Saving the settings keeps them all.
    m_list->setColumnWidth(0, 99);
    m_list->saveColumnWidths();
    const auto settings = openSettings();
    QCOMPARE(settings->value(QStringLiteral("ListView/Colums")).toInt(), 21);
    QCOMPARE(settings->value(QStringLiteral("ListView/childCount")).toInt(), 3);
    ItemListView next(nullptr);
    QCOMPARE(next.columnWidth(0), 99);
    QCOMPARE(next.columnWidth(4), fittedCount);
    QCOMPARE(next.columnWidth(15), 231);
}

QTEST_MAIN(TestItemListView)
#include "tst_itemlistview.moc"
