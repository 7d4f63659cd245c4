// The item list: rows per group, cells per product, icons, sorting, header names, column
// widths, and the commands that act on the current row, with message boxes, the desktop and
// the context menu replaced by recorders.

#include "DBItemCollection.h"
#include "Desktop.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "TestSettings.h"
#include "funiQListViewItem.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(ProgramVariant)

namespace {

// Gives the error text its placeholders, as the real translations do, so that the tests see
// which numbers the list puts in.
class PlaceholderTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "ItemListView") == 0 && qstrcmp(source, "MAX_LIMIT_ERROR") == 0)
            return QStringLiteral("group %1 of at most %2");
        return {};
    }
};

struct StartCall
{
    QString program;
    QStringList arguments;
};

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage resourceImage(const char* name)
{
    return iconImage(QIcon(QStringLiteral(":/icons/") + QLatin1StringView(name)));
}

// The item dialogs the list has opened and not yet closed.
QList<ItemDialog*> itemDialogs()
{
    QList<ItemDialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ItemDialog*>(widget))
            dialogs.append(dialog);
    }
    return dialogs;
}

// Whether a dialog the list opened is shown without waiting, application-modal, and deleted
// once it is closed, so that nothing is left behind.
bool shownModalAndDeletedOnClose(ItemDialog* dialog)
{
    if (!dialog->isVisible() || dialog->windowModality() != Qt::ApplicationModal
        || !dialog->testAttribute(Qt::WA_DeleteOnClose))
        return false;
    const QPointer<ItemDialog> guard(dialog);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return guard.isNull();
}

QString pageOf(const ItemDialog* dialog)
{
    return dialog->findChild<QTabWidget*>(QStringLiteral("primaryTabWidget"))->currentWidget()->objectName();
}

} // namespace

class TestItemListView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rowsPerGroup();
    void groupBeyondTheList();
    void emptyGroupsList();
    void cellsPerProduct_data();
    void cellsPerProduct();
    void badLocation();
    void pictureFiles_data();
    void pictureFiles();
    void iconsPerProduct_data();
    void iconsPerProduct();
    void dateAndTextSorting();
    void headersByFileVersion_data();
    void headersByFileVersion();
    void headersOfLabelsZeroToFourteen();
    void viewAllOnEmptyList();
    void columnWidthsSurvive();
    void findListViewItem();
    void deleteItem();
    void updateItemRowMovesToNewGroup();
    void updateItemRowRewritesCells();
    void selectionAndLinkQueries();
    void pressOnLinkColumns();
    void pictureViewerFallsBack();
    void showUrl();
    void showUrlWithoutLinkWarns();
    void editRequests();
    void contextMenu();
    void rebuildAndClear();

private:
    Item* add(int type, const QString& name = QString());
    // A file that exists, so that the desktop is asked to open it.
    QString file(const QString& name);
    void fill();
    // Sets the format version of the last load, as opening a database of that version would.
    void loadVersion(const char* header);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    QList<MessageBoxes::Request> m_boxes;
    QList<StartCall> m_starts;
    QList<QUrl> m_opened;
    bool m_startSucceeds = false;
    PlaceholderTranslator m_translator;
};

void TestItemListView::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void TestItemListView::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_files = std::make_unique<QTemporaryDir>();
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_boxes.clear();
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = false;
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        },
        [this](const QString& program, const QStringList& arguments) {
            m_starts.append({ program, arguments });
            return m_startSucceeds;
        });
    m_list = std::make_unique<ItemListView>(nullptr);
}

void TestItemListView::cleanup()
{
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    Desktop::setHandlers({}, {});
    ItemListView::setMenuRunner({});
    m_files.reset();
    m_settings.reset();
}

Item* TestItemListView::add(int type, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setNumber_of_items(1);
    return m_collection->addItem(std::move(item));
}

QString TestItemListView::file(const QString& name)
{
    const QString path = m_files->filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot write a test file");
    return path;
}

void TestItemListView::fill()
{
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
}

void TestItemListView::loadVersion(const char* header)
{
    DBItemCollection loader;
    QVERIFY(loader.loadFromData(QByteArray(header) + "\r\n"));
}

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
    add(3, QStringLiteral("Beyond"));
    add(-1, QStringLiteral("Negative"));
    fill();

    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl - type"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("group 3 of at most 9999"));
    QCOMPARE(m_boxes[1].text, QStringLiteral("group -1 of at most 9999"));
    int rows = 0;
    for (int group = 0; group < m_list->topLevelItemCount(); ++group)
        rows += m_list->topLevelItem(group)->childCount();
    QCOMPARE(rows, 1);

    // One more such item added later gets the same box and no row.
    auto item = std::make_unique<Item>();
    item->setType(17);
    m_list->addItemRow(item.get(), true);
    QCOMPARE(m_boxes.size(), 3);
    QCOMPARE(m_boxes[2].text, QStringLiteral("group 17 of at most 9999"));
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected())->name(), QStringLiteral("Kept"));
}

void TestItemListView::emptyGroupsList()
{
    m_collection->groups().clear();
    add(0);
    add(0);
    QTest::ignoreMessage(QtDebugMsg, "group.size = 0");
    fill();
    QCOMPARE(m_list->GetNumberOfGroups(), 0);
    QCOMPARE(m_list->topLevelItemCount(), 0);
    QCOMPARE(m_boxes.size(), 2);
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

void TestItemListView::dateAndTextSorting()
{
    Item* late = add(0, QStringLiteral("late"));
    late->setDate(QStringLiteral("02.01.2001"));
    late->setNumber_of_items(1);
    late->setPrice(100.0);
    Item* early = add(0, QStringLiteral("early"));
    early->setDate(QStringLiteral("31.12.2000"));
    early->setPrice(20.0);
    Item* undated = add(0, QStringLiteral("undated"));
    undated->setPrice(3.0);
    fill();
    QTreeWidgetItem* group = m_list->topLevelItem(2);

    auto order = [group] {
        QStringList names;
        for (int i = 0; i < group->childCount(); ++i)
            names << group->child(i)->text(1);
        return names.join(u',');
    };
    // The date column sorts by calendar date, a missing date first.
    m_list->sortByColumn(9, Qt::AscendingOrder);
    QCOMPARE(order(), QStringLiteral("undated,early,late"));
    m_list->sortByColumn(9, Qt::DescendingOrder);
    QCOMPARE(order(), QStringLiteral("late,early,undated"));
    // The price column sorts as text: 100.00 comes before 20.00.
    m_list->sortByColumn(5, Qt::AscendingOrder);
    QCOMPARE(order(), QStringLiteral("late,early,undated"));
    QCOMPARE(group->child(0)->text(5), QStringLiteral("100.00"));
    // Texts sort by character codes: capitals first.
    undated->setName(QStringLiteral("Zinc"));
    m_list->updateItemRow(m_list->FindListViewItem(undated), undated);
    m_list->sortByColumn(1, Qt::AscendingOrder);
    QCOMPARE(order(), QStringLiteral("Zinc,early,late"));
    // Group rows sort by name whatever the column.
    m_list->sortByColumn(0, Qt::AscendingOrder);
    QCOMPARE(m_list->topLevelItem(0)->text(0), QStringLiteral("Attic"));
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
    // A new user starts with the default widths.
    QCOMPARE(m_list->columnWidth(4), 18);
    QCOMPARE(m_list->columnWidth(9), 66);
    QCOMPARE(m_list->columnWidth(15), 120);

    fill();
    m_list->setColumnWidth(15, 231);
    m_list->setColumnWidth(0, 99);
    m_list->saveColumnWidths();
    const auto settings = openSettings();
    QCOMPARE(settings->value(QStringLiteral("ListView/WWWCOLUMNwidth")).toInt(), 231);
    QCOMPARE(settings->value(QStringLiteral("ListView/Colums")).toInt(), 21);
    QCOMPARE(settings->value(QStringLiteral("ListView/childCount")).toInt(), 3);

    ItemListView next(nullptr);
    QCOMPARE(next.columnWidth(15), 231);
    QCOMPARE(next.columnWidth(0), 99);
    QCOMPARE(next.columnWidth(9), 66);
}

void TestItemListView::findListViewItem()
{
    // With no rows the current row stays as it was: none.
    QCOMPARE(m_list->FindListViewItem(nullptr), nullptr);

    Item* kettle = add(0, QStringLiteral("Kettle"));
    Item* sledge = add(2, QStringLiteral("Sledge"));
    fill();
    QTreeWidgetItem* found = m_list->FindListViewItem(kettle);
    QCOMPARE(funiQListViewItem::itemOf(found), kettle);
    QCOMPARE(m_list->isItemSelected(), found);
    QCOMPARE(funiQListViewItem::itemOf(m_list->FindListViewItem(sledge)), sledge);

    // An Item without a row leaves the last row of the tree current.
    Item stranger;
    QTreeWidgetItem* last = m_list->FindListViewItem(&stranger);
    QCOMPARE(last, m_list->topLevelItem(2)->child(0));
    QCOMPARE(m_list->isItemSelected(), last);
}

void TestItemListView::deleteItem()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    add(0, QStringLiteral("Pan"));
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);

    // A group row is not deleted.
    m_list->ItemSelected(kitchen);
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 2);
    QCOMPARE(kitchen->childCount(), 2);

    // A current row that nobody selected (the walk of a search leaves one) is not deleted.
    QTreeWidgetItem* kettleRow = m_list->FindListViewItem(kettle);
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 2);

    m_list->ItemSelected(kettleRow);
    DBItemCollection::setModified(false);
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 1);
    QCOMPARE(m_collection->at(0)->name(), QStringLiteral("Pan"));
    QCOMPARE(kitchen->childCount(), 1);
    QCOMPARE(kitchen->child(0)->text(1), QStringLiteral("Pan"));
    QCOMPARE(m_list->isItemSelected(), nullptr);
    // Nothing is asked and the flag is the caller's.
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(!DBItemCollection::isModified());

    // Without a current row there is nothing to delete.
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 1);
}

void TestItemListView::updateItemRowMovesToNewGroup()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    add(0, QStringLiteral("Pan"));
    fill();
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);

    kettle->setType(1);
    kettle->setName(QStringLiteral("Umbrella stand"));
    m_list->updateItemRow(row, kettle);

    const QTreeWidgetItem* hall = m_list->topLevelItem(1);
    QCOMPARE(hall->text(0), QStringLiteral("Hall"));
    QCOMPARE(hall->childCount(), 1);
    QTreeWidgetItem* moved = hall->child(0);
    QCOMPARE(funiQListViewItem::itemOf(moved), kettle);
    QCOMPARE(moved->text(1), QStringLiteral("Umbrella stand"));
    QVERIFY(moved->isSelected());
    QCOMPARE(m_list->selectedItems().size(), 1);
    QCOMPARE(m_list->isItemSelected(), moved);
    QCOMPARE(m_list->topLevelItem(2)->childCount(), 1);

    // A group beyond the list takes the row away and says so.
    kettle->setType(9);
    m_list->updateItemRow(moved, kettle);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_list->FindListViewItem(kettle), m_list->topLevelItem(2)->child(0));
    QVERIFY(funiQListViewItem::itemOf(m_list->topLevelItem(2)->child(0)) != kettle);
}

void TestItemListView::updateItemRowRewritesCells()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPhotolink(QStringLiteral("kettle.png"));
    fill();
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);

    kettle->setName(QStringLiteral("Copper kettle"));
    kettle->setNumber_of_items(2);
    kettle->setPrice(4.5);
    kettle->setLocation(5);
    kettle->setDocument(QStringLiteral("guide.txt"));
    kettle->setPhotolink(QString());
    // The row shows the Item as it was until it is told otherwise.
    QCOMPARE(row->text(1), QStringLiteral("Kettle"));
    QCOMPARE(row->text(5), QStringLiteral("0.00"));
    m_list->updateItemRow(row, kettle);
    QCOMPARE(m_list->FindListViewItem(kettle), row);
    QCOMPARE(row->text(1), QStringLiteral("Copper kettle"));
    QCOMPARE(row->text(5), QStringLiteral("9.00"));
    QCOMPARE(row->text(10), QStringLiteral("Error"));
    QVERIFY(!row->icon(16).isNull());
    // An icon once shown stays when its link no longer names a picture.
    QVERIFY(!row->icon(7).isNull());
    QCOMPARE(row->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

void TestItemListView::selectionAndLinkQueries()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setWww(QStringLiteral("https://example.org/kettle"));
    kettle->setReceipt(QStringLiteral("r.pdf"));
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);
    QTreeWidgetItem* row = kitchen->child(0);

    // Before anything is current, nothing has links.
    ItemListView fresh(nullptr);
    QVERIFY(!fresh.HasUrl(row));

    QSignalSpy selected(m_list.get(), &ItemListView::rowSelected);
    m_list->setCurrentItem(row);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0][0].value<QTreeWidgetItem*>(), row);
    QCOMPARE(m_list->isItemSelected(), row);
    QVERIFY(row->isSelected());
    QVERIFY(m_list->HasUrl(row));
    QVERIFY(m_list->HasReceipt(row));
    QVERIFY(!m_list->HasPictureLink(row));
    QVERIFY(!m_list->HasDocument(row));
    QVERIFY(!m_list->HasUrl(kitchen));
    QVERIFY(!m_list->HasUrl(nullptr));

    // Choosing another row leaves only that one selected.
    m_list->ItemSelected(kitchen);
    QCOMPARE(m_list->selectedItems(), QList<QTreeWidgetItem*>{ kitchen });
    m_list->ItemSelected(nullptr);
    QCOMPARE(m_list->isItemSelected(), kitchen);

    m_list->UpdateGroupItemName(0, QStringLiteral("Scullery"));
    QCOMPARE(kitchen->text(0), QStringLiteral("Scullery"));
}

void TestItemListView::pressOnLinkColumns()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPhotolink(QStringLiteral("/pictures/kettle.gif"));
    kettle->setReceipt(QStringLiteral("/receipts/kettle.Jpg"));
    const QString manual = file(QStringLiteral("kettle manual.pdf"));
    kettle->setDocument(manual);
    Item* pan = add(0, QStringLiteral("Pan"));
    const QString panReceipt = file(QStringLiteral("pan.pdf"));
    pan->setReceipt(panReceipt);
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));

    // A picture opens inside the program, whatever viewer is chosen: an item dialog without a
    // parent, on the picture page, or on the receipt page for the receipt.
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);
    m_list->MousePressed(row, 7);
    QList<ItemDialog*> dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QCOMPARE(dialogs[0]->parent(), nullptr);
    QCOMPARE(pageOf(dialogs[0]), QStringLiteral("picturePage"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));
    m_list->MousePressed(row, 8);
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QCOMPARE(pageOf(dialogs[0]), QStringLiteral("receiptPage"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));
    QVERIFY(m_starts.isEmpty());

    // A document goes to the desktop as stored.
    m_list->MousePressed(row, 16);
    QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(manual) });

    // A receipt that is no picture goes to the desktop, never to the viewer.
    m_opened.clear();
    m_list->MousePressed(m_list->FindListViewItem(pan), 8);
    QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(panReceipt) });
    QVERIFY(m_starts.isEmpty());

    // Other columns, group rows and missing links do nothing.
    m_opened.clear();
    m_list->MousePressed(m_list->FindListViewItem(pan), 1);
    m_list->MousePressed(m_list->FindListViewItem(pan), 7);
    m_list->MousePressed(m_list->FindListViewItem(pan), 16);
    m_list->ItemSelected(kitchen);
    m_list->MousePressed(kitchen, 8);
    m_list->MousePressed(nullptr, 8);
    QVERIFY(itemDialogs().isEmpty());
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_starts.isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

void TestItemListView::pictureViewerFallsBack()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    const QString scan = file(QStringLiteral("kettle.pdf"));
    kettle->setPhotolink(scan);
    fill();
    m_list->FindListViewItem(kettle);

    // The default viewer is tried first; when it cannot start, the box names it and the desktop
    // opens the file.
    m_list->ShowPicture1();
#ifdef Q_OS_WIN
    const QString viewer = QStringLiteral("mspaint.exe");
#else
    const QString viewer = QStringLiteral("xdg-open");
#endif
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, viewer);
    QCOMPARE(m_starts[0].arguments, QStringList{ scan });
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl"));
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("Program (") + viewer + QStringLiteral(") ikke fundet.")));
    QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(scan) });

    // A viewer that starts is all it takes.
    m_starts.clear();
    m_boxes.clear();
    m_opened.clear();
    m_startSucceeds = true;
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));
    m_list->ShowPicture1();
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, QStringLiteral("/opt/viewer"));
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_opened.isEmpty());
}

void TestItemListView::showUrl()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setWww(QStringLiteral("https://example.org/kettle"));
    fill();
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);

    // Without a chosen program the desktop's browser opens it; the link is never started as a
    // program itself.
    m_list->MousePressed(row, 15);
    QVERIFY(m_starts.isEmpty());
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_opened, QList<QUrl>{ QUrl(QStringLiteral("https://example.org/kettle")) });

    // A chosen program gets the link as its one argument.
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = true;
    m_settings->setValue("wwwProgram", QStringLiteral("/usr/bin/browser"));
    m_list->ShowUrl();
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, QStringLiteral("/usr/bin/browser"));
    QCOMPARE(m_starts[0].arguments, QStringList{ QStringLiteral("https://example.org/kettle") });
    QVERIFY(m_opened.isEmpty());
}

void TestItemListView::showUrlWithoutLinkWarns()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    // The last row made is current.
    m_list->ShowUrl();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("NB!"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Ingen URL tilknyttet valgte inventar"));
    QCOMPARE(m_boxes[0].buttons, QStringList{ QStringLiteral("Ok") });
    QVERIFY(m_starts.isEmpty());

    // A group row has no link to miss.
    m_list->ItemSelected(m_list->topLevelItem(0));
    m_list->ShowUrl();
    QCOMPARE(m_boxes.size(), 1);
}

void TestItemListView::editRequests()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);
    QTreeWidgetItem* row = kitchen->child(0);

    // A double click on an item row opens the item dialog on that Item, as a child of the list,
    // and shows the row's cells afresh.
    kettle->setName(QStringLiteral("Whistling kettle"));
    m_list->doubleClickOnItemSlot(row);
    QList<ItemDialog*> dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QVERIFY(!dialogs[0]->ownsCurrentItem());
    QCOMPARE(dialogs[0]->parent(), m_list.get());
    QCOMPARE(pageOf(dialogs[0]), QStringLiteral("basicPage"));
    QCOMPARE(row->text(1), QStringLiteral("Whistling kettle"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    // On a group row it starts a new Item in that group.
    m_list->doubleClickOnItemSlot(kitchen);
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs[0]->ownsCurrentItem());
    QCOMPARE(dialogs[0]->parent(), m_list.get());
    QCOMPARE(dialogs[0]->findChild<QComboBox*>(QStringLiteral("groupComboBox"))->currentText(),
             QStringLiteral("Kitchen"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    // Return on the current row does what a double click does.
    m_list->setCurrentItem(row);
    QTest::keyClick(m_list.get(), Qt::Key_Return);
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    m_list->ItemSelected(kitchen);
    m_list->EditItem();
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs[0]->ownsCurrentItem());
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    m_list->doubleClickOnItemSlot(nullptr);
    QVERIFY(itemDialogs().isEmpty());

    // The search dialog has no parent and no Item.
    m_list->SeachItem();
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->parent(), nullptr);
    QCOMPARE(dialogs[0]->currentItem(), nullptr);
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    // Without a database there is nothing to open a dialog on.
    ItemListView empty(nullptr);
    empty.SeachItem();
    QVERIFY(itemDialogs().isEmpty());
}

void TestItemListView::contextMenu()
{
    QAction edit(QStringLiteral("Edit"));
    QAction remove(QStringLiteral("Delete"));
    m_list->addContextMenuAction(&edit);
    m_list->addContextMenuAction(nullptr);
    m_list->addContextMenuAction(&remove);
    const QList<QAction*> actions = m_list->contextMenu()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[0], &edit);
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2], &remove);

    QList<QMenu*> shown;
    ItemListView::setMenuRunner([&shown](QMenu& menu, const QPoint&) { shown.append(&menu); });
    add(0, QStringLiteral("Kettle"));
    fill();
    m_list->ViewAll(true);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));

    // Only a row has a menu.
    m_list->ShowContextMenu(nullptr);
    QVERIFY(shown.isEmpty());
    m_list->ShowContextMenu(m_list->topLevelItem(2));
    QCOMPARE(shown, QList<QMenu*>{ m_list->contextMenu() });

    // A right click asks for it at the row below the mouse, and not on empty space.
    const QRect rect = m_list->visualItemRect(m_list->topLevelItem(2)->child(0));
    Q_EMIT m_list->customContextMenuRequested(rect.center());
    QCOMPARE(shown.size(), 2);
    Q_EMIT m_list->customContextMenuRequested(QPoint(5, m_list->viewport()->height() - 2));
    QCOMPARE(shown.size(), 2);
}

void TestItemListView::rebuildAndClear()
{
    add(0, QStringLiteral("Kettle"));
    add(1, QStringLiteral("Coat"));
    fill();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Wardrobe") });

    m_list->rebuildList();
    QCOMPARE(m_list->topLevelItemCount(), 2);
    QCOMPARE(m_list->topLevelItem(1)->text(0), QStringLiteral("Wardrobe"));
    QCOMPARE(m_list->topLevelItem(1)->child(0)->text(1), QStringLiteral("Coat"));
    QVERIFY(m_list->topLevelItem(1)->isExpanded());
    QVERIFY(m_list->isItemSelected());

    m_list->clearRows();
    QCOMPARE(m_list->topLevelItemCount(), 0);
    QCOMPARE(m_list->GetNumberOfGroups(), 0);
    QCOMPARE(m_list->isItemSelected(), nullptr);
    // The Items belong to the collection and stay.
    QCOMPARE(m_collection->count(), 2);
}

QTEST_MAIN(TestItemListView)
#include "tst_itemlistview.moc"
