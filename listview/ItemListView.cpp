#include "ItemListView.h"
#include "ItemListViewColumns.h"

#include "ExportCommands.h"

#include "DBItemCollection.h"
#include "ItemDialog.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "UndoHistory.h"
#include "funiQListViewItem.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <array>

using namespace ItemListViewDetail;

namespace {

using enum ItemListView::ColumnNumber;

// The column each of the field labels 0 to 16 renames.
constexpr std::array<int, 17> LabelColumns{
    GroupColumn,    NameColumn, ProductColumn,  CountColumn,       PriceColumn,        PriceTodayColumn,
    PictureColumn,  DateColumn, LocationColumn, DescriptionColumn, SupplierColumn,     AddressColumn,
    SerialnoColumn, WwwColumn,  ReceiptColumn,  DocumentColumn,    ProductModelColumn,
};

constexpr char PictureViewerKey[] = "PictureViewerProgram";
constexpr char WwwProgramKey[] = "wwwProgram";

QString defaultPictureViewer()
{
#ifdef Q_OS_WIN
    return QStringLiteral("mspaint.exe");
#else
    return QStringLiteral("xdg-open");
#endif
}

QString settingText(const char* key, const QString& defaultValue)
{
    return openSettings()->value(QLatin1StringView(key), defaultValue).toString();
}

// The header texts as the field labels last named them; the HTML export reads them too, so
// they belong to the process, not to one list.
std::array<QString, ItemListView::ColumnCount>& headerTable()
{
    static std::array<QString, ItemListView::ColumnCount> table = [] {
        std::array<QString, ItemListView::ColumnCount> defaults;
        for (int column = 0; column < ItemListView::ColumnCount; ++column)
            defaults[column] = QString::fromUtf8(Columns[column].header);
        return defaults;
    }();
    return table;
}

ItemListView::MenuRunner& menuRunner()
{
    static ItemListView::MenuRunner runner;
    return runner;
}

// The test behind isPictureFile(), on a text that need not be copied first.
bool namesPictureFile(QStringView path)
{
    static constexpr std::array<QLatin1StringView, 9> types{
        QLatin1StringView("PNG"), QLatin1StringView("BMP"), QLatin1StringView("XBM"),
        QLatin1StringView("XPM"), QLatin1StringView("PNM"), QLatin1StringView("JPEG"),
        QLatin1StringView("JPG"), QLatin1StringView("MNG"), QLatin1StringView("GIF"),
    };
    for (const QLatin1StringView type : types) {
        if (path.contains(type, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

// The icons are built into the GUI library, a static library whose resources reach a program
// only when something asks for them by name.
static void registerIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered)
}

bool isPictureFile(const QString& path)
{
    return namesPictureFile(path);
}

ItemListView::ItemListView(QWidget* parent)
    : QTreeWidget(parent)
    , m_contextMenu(new QMenu(this))
{
    registerIcons();
    m_pictureIcon = QIcon(QStringLiteral(":/icons/picture.png"));
    m_receiptIcon = QIcon(QStringLiteral(":/icons/receipt.png"));
    m_documentIcon = QIcon(QStringLiteral(":/icons/document.png"));
    setObjectName(QStringLiteral("ItemListView"));
    setGeometry(0, 0, 1200, 700);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row is one line high; telling the view so spares it measuring a hundred thousand rows.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);

    QStringList headers;
    for (const Column& column : Columns)
        headers << QString::fromUtf8(column.header);
    headers[NameColumn] = tr("Navn");
    setColumnCount(ColumnCount);
    setHeaderLabels(headers);
    // The style's smallest section would widen a narrow column beyond the width the user set.
    header()->setMinimumSectionSize(8);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setStretchLastSection(true);
    setSortingEnabled(true);
    sortByColumn(GroupColumn, Qt::AscendingOrder);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, &ItemListView::resortAllRows);
    for (int column = 0; column < ColumnCount; ++column)
        headerItem()->setTextAlignment(column, funiQListViewItem::columnAlignment(column));
    restoreColumnWidths();

    if (isPictova())
        setWhatsThis(tr("LIST_HELP_PICTOVA"));
    else if (isMintora())
        setWhatsThis(tr("LIST_HELP_MINTORA"));
    else
        setWhatsThis(tr("LIST_HELP_1"));

    m_contextMenu->setObjectName(QStringLiteral("listContextMenu"));
    setContextMenuPolicy(Qt::CustomContextMenu);

    // Shift and Ctrl select ranges and single rows as in any list: the view keeps the selection,
    // the list follows its current row.
    connect(this, &QTreeWidget::itemClicked, this, &ItemListView::followCurrentRow);
    connect(this, &QTreeWidget::currentItemChanged, this, &ItemListView::followCurrentRow);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &ItemListView::doubleClickOnItemSlot);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowContextMenu(itemAt(position)); });
    connect(this, &QTreeWidget::itemPressed, this, &ItemListView::MousePressed);
}

ItemListView::~ItemListView()
{
    // Rows the filter took out are the list's to delete, as the others are.
    restoreAllRows();
    if (m_widthSaveTimer->isActive())
        saveChosenColumnWidths();
}

void ItemListView::addContextMenuAction(QAction* action)
{
    if (action)
        m_contextMenu->addAction(action);
    else
        m_contextMenu->addSeparator();
}

QMenu* ItemListView::contextMenu() const
{
    return m_contextMenu;
}

void ItemListView::createGroupRows(DBItemCollection* collection)
{
    m_collection = collection;
    m_groupRows.clear();
    m_unknownGroupRow = nullptr;
    if (!collection)
        return;
    const LookupList& groups = collection->groups();
    if (groups.isEmpty())
        qDebug() << "group.size = 0";

    QList<QTreeWidgetItem*> rows;
    rows.reserve(groups.size());
    m_groupRows.reserve(groups.size());
    for (const QString& name : groups.entries()) {
        auto* row = new funiQListViewItem();
        row->setText(GroupColumn, name);
        row->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        m_groupRows.push_back(row);
        rows.append(row);
    }
    // Inserted all at once and sorted once, rather than each row finding its sorted place.
    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    addTopLevelItems(rows);
    setSortingEnabled(sorting);
    // An empty entry is a deleted group whose place the later groups keep: no row is shown for
    // it, unless items still belong to it (which fillItemRows shows).
    for (funiQListViewItem* row : m_groupRows) {
        if (row->text(GroupColumn).isEmpty())
            row->setHidden(true);
    }
}

void ItemListView::fillItemRows(DBItemCollection* collection, bool tellUnknown)
{
    m_collection = collection;
    if (!collection)
        return;
    restoreAllRows();

    // The rows are built detached from the list and handed to their group rows in one piece per
    // group, with sorting off: one by one, each row would be sorted into place and announced to
    // the view on its own.
    // The last list holds the Items whose group the groups list does not have.
    std::vector<QList<QTreeWidgetItem*>> children(m_groupRows.size() + 1);
    funiQListViewItem* last = nullptr;
    for (const auto& owned : collection->items()) {
        Item* item = owned.get();
        auto* row = new funiQListViewItem();
        fillCells(row, *item);
        row->item = item;
        children[groupRow(item->type()) ? std::size_t(item->type()) : m_groupRows.size()].append(row);
        last = row;
    }

    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    for (std::size_t group = 0; group < m_groupRows.size(); ++group) {
        if (children[group].isEmpty())
            continue;
        m_groupRows[group]->addChildren(children[group]);
        m_groupRows[group]->setHidden(false);
    }
    const QList<QTreeWidgetItem*>& unknown = children.back();
    if (!unknown.isEmpty())
        unknownGroupRow()->addChildren(unknown);
    setSortingEnabled(sorting);
    if (last)
        m_currentRow = last;
    // A filter typed before stays in force for the rows now shown; without one, the filter
    // gets ready for the first letter while nobody types.
    if (!m_filterText.isEmpty())
        applyFilter();
    else
        warmUpFilter();
    // Said once for them all, not once for each.
    if (tellUnknown && !unknown.isEmpty())
        MessageBoxes::warning(this, tr("Fejl - type"),
                              tr("ITEMS_IN_UNKNOWN_GROUP %1 %2")
                                  .arg(unknown.size())
                                  .arg(unknownGroupRow()->text(GroupColumn)));
}

void ItemListView::addItemRow(Item* item, bool select)
{
    if (!item)
        return;
    // An Item of a group the groups list does not have is shown under the unknown group.
    funiQListViewItem* group = groupRow(item->type());
    if (!group)
        group = unknownGroupRow();
    auto* row = new funiQListViewItem();
    fillCells(row, *item);
    row->item = item;
    group->addChild(row);
    group->setHidden(false);
    pinRow(row);
    m_currentRow = row;
    // A new row shows where it went: its group opens and the row is selected and in view.
    if (select)
        ItemSelected(row);
}

void ItemListView::updateItemRow(QTreeWidgetItem* row, Item* item)
{
    if (!row || !item)
        return;
    // A row whose group row no longer matches the Item's group was moved to another group.
    const int type = item->type();
    const funiQListViewItem* group = groupRow(type);
    const LookupList* groups = m_collection ? &m_collection->groups() : nullptr;
    bool moved = false;
    if (!group)
        moved = !m_unknownGroupRow || row->parent() != m_unknownGroupRow;
    else
        moved = row->parent() != group || !groups || type >= groups->size()
            || group->text(GroupColumn) != groups->at(type);
    if (moved) {
        if (funiQListViewItem::isGroupRow(row) || row->type() != funiQListViewItem::RowType)
            return;
        if (m_currentRow == row)
            m_currentRow = nullptr;
        forgetRow(row);
        delete row;
        dropUnknownGroupRowWhenEmpty();
        addItemRow(item, true);
        return;
    }
    // The row may move in the list order: its place among the rows the filter took out is found
    // again when they go back.
    forgetRow(row);
    fillCells(static_cast<funiQListViewItem*>(row), *item);
    pinRow(row);
}

void ItemListView::clearRows()
{
    restoreAllRows();
    m_pinnedRows.clear();
    m_groupRows.clear();
    m_unknownGroupRow = nullptr;
    m_currentRow = nullptr;
    clear();
    m_currentRow = nullptr;
}

void ItemListView::rebuildList()
{
    DBItemCollection* collection = m_collection;
    clearRows();
    createGroupRows(collection);
    fillItemRows(collection, false);
    ViewAll(true);
}

QByteArray ItemListView::columnHeaderText(int column)
{
    if (column < 0 || column >= ColumnCount)
        return QByteArrayLiteral("Unknown column");
    return headerTable()[column].toLatin1();
}

void ItemListView::setMenuRunner(MenuRunner runner)
{
    menuRunner() = std::move(runner);
}

QTreeWidgetItem* ItemListView::FindListViewItem(Item* item)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        m_currentRow = *it;
        if (m_currentRow->type() == funiQListViewItem::RowType
            && static_cast<funiQListViewItem*>(m_currentRow)->item == item)
            break;
    }
    return m_currentRow;
}

bool ItemListView::HasReceipt(QTreeWidgetItem* item)
{
    return hasLink(item, Item::Receipt);
}

bool ItemListView::HasPictureLink(QTreeWidgetItem* item)
{
    return hasLink(item, Item::Photolink);
}

bool ItemListView::HasUrl(QTreeWidgetItem* item)
{
    return hasLink(item, Item::Www);
}

bool ItemListView::HasDocument(QTreeWidgetItem* item)
{
    return hasLink(item, Item::Document);
}

bool ItemListView::hasLink(const QTreeWidgetItem* row, Item::TextField link) const
{
    const Item* shown = m_currentRow ? funiQListViewItem::itemOf(row) : nullptr;
    return shown && !shown->textView(link).isEmpty();
}

int ItemListView::GetNumberOfGroups()
{
    return int(m_groupRows.size());
}

void ItemListView::UpdateGroupItemName(int item, const QString& name)
{
    if (funiQListViewItem* row = groupRow(item))
        row->setText(GroupColumn, name);
}

void ItemListView::DeleteItem()
{
    // Only rows the user sees selected go: after a load, or a search through the rows, the
    // current row can be one that nobody selected, and rows the quick filter hides are never
    // taken along. All of them are one step to undo.
    QList<Item*> items;
    for (QTreeWidgetItem* row : selectedItemRows()) {
        if (!row->isHidden() && !(row->parent() && row->parent()->isHidden()))
            items.append(funiQListViewItem::itemOf(row));
    }
    if (items.isEmpty() || !m_collection)
        return;
    // A database another user holds cannot be saved: a delete would be gone again at the next
    // start, or lost with other changes the user then cannot keep.
    if (m_collection->isReadOnly()) {
        MessageBoxes::warning(this, tr("READ ONLY"), tr("DELETE_READ_ONLY"));
        return;
    }
    // One row is deleted as the user pressed Delete; several only when the user says so once.
    if (items.size() > 1) {
        MessageBoxes::Request question;
        question.icon = QMessageBox::Question;
        question.title = GetVariantName(true);
        question.text = tr("DELETE_ROWS_QUESTION %1").arg(items.size());
        question.buttons = { tr("DELETE_ROWS"), tr("&Fortryd") };
        question.defaultButton = 1;
        question.escapeButton = 1;
        if (MessageBoxes::ask(this, question) != 0)
            return;
    }
    undoHistory()->deleteItems(*m_collection, items);
}

void ItemListView::SeachItem()
{
    openItemDialog(nullptr, QStringLiteral("DATA"), true, nullptr);
}

void ItemListView::ShowPicture1()
{
    Item* item = currentRowItem();
    if (!item)
        return;
    const QString program = settingText(PictureViewerKey, defaultPictureViewer());
    const QString link = item->photolink();
    if (link.isEmpty())
        return;
    if (isPictureFile(link)) {
        openItemDialog(item, QStringLiteral("PICTURE"), false, nullptr);
        return;
    }
    OpenWithProgram(program, link);
}

void ItemListView::ShowImage2()
{
    Item* item = currentRowItem();
    if (!item)
        return;
    const QString link = item->receipt();
    if (link.isEmpty())
        return;
    if (isPictureFile(link)) {
        openItemDialog(item, QStringLiteral("RECEIPT"), false, nullptr);
        return;
    }
    OpenWithAssociatedProgram(link);
}

void ItemListView::ShowDocument()
{
    const Item* item = currentRowItem();
    if (!item)
        return;
    OpenWithAssociatedProgram(item->document());
}

void ItemListView::ShowUrl()
{
    const Item* item = currentRowItem();
    if (!item)
        return;
    const QString program = settingText(WwwProgramKey, QString());
    const QString link = item->www();
    if (link.isEmpty()) {
        MessageBoxes::ask(
            nullptr,
            { QMessageBox::Critical, tr("NB!"), tr("Ingen URL tilknyttet valgte inventar"), { tr("Ok") }, 0, 0 });
        return;
    }
    OpenWebLink(program, link);
}

void ItemListView::ItemSelected(QTreeWidgetItem* row)
{
    if (!row)
        return;
    for (QTreeWidgetItem* group = row->parent(); group; group = group->parent())
        group->setExpanded(true);
    // Scrolling waits until the events are handled: a batch of new rows (a location update,
    // items made in advance) scrolls once, to the last, rather than laying the list out for each.
    const bool scrolling = hasAutoScroll();
    setAutoScroll(false);
    setCurrentItem(row);
    setAutoScroll(scrolling);
    clearSelection();
    row->setSelected(true);
    m_currentRow = row;
    m_rowToReveal = QPersistentModelIndex(indexFromItem(row));
    if (!m_revealPending) {
        m_revealPending = true;
        QTimer::singleShot(0, this, [this] {
            m_revealPending = false;
            if (m_rowToReveal.isValid())
                scrollTo(m_rowToReveal);
        });
    }
}

void ItemListView::followCurrentRow(QTreeWidgetItem* row)
{
    if (!row)
        return;
    m_currentRow = row;
    Q_EMIT rowSelected(row);
}

QList<QTreeWidgetItem*> ItemListView::selectedItemRows() const
{
    QList<QTreeWidgetItem*> rows;
    for (QTreeWidgetItemIterator it(const_cast<ItemListView*>(this), QTreeWidgetItemIterator::Selected); *it; ++it) {
        if (funiQListViewItem::itemOf(*it))
            rows.append(*it);
    }
    return rows;
}

QTreeWidgetItem* ItemListView::isItemSelected()
{
    return m_currentRow;
}

void ItemListView::selectionChangedSlot(funiQListViewItem* row)
{
    ItemSelected(row);
}

void ItemListView::returnPressedSlot(QTreeWidgetItem* row)
{
    doubleClickOnItemSlot(row);
}

void ItemListView::doubleClickOnItemSlot(QTreeWidgetItem* row)
{
    if (!row)
        return;
    row->setSelected(true);
    if (funiQListViewItem::isGroupRow(row)) {
        openItemDialog(nullptr, QStringLiteral("DATA"), false, this,
                       row == m_unknownGroupRow ? QString() : row->text(GroupColumn));
        return;
    }
    Item* item = funiQListViewItem::itemOf(row);
    if (!item)
        return;
    openItemDialog(item, QStringLiteral("DATA"), false, this);
    updateItemRow(row, item);
}

void ItemListView::MousePressed(QTreeWidgetItem* row, int column)
{
    if (!row)
        return;
    switch (column) {
    case PictureColumn:
        ShowPicture1();
        break;
    case ReceiptColumn:
        ShowImage2();
        break;
    case WwwColumn:
        ShowUrl();
        break;
    case DocumentColumn:
        ShowDocument();
        break;
    default:
        break;
    }
}

void ItemListView::EditItem()
{
    if (m_currentRow)
        doubleClickOnItemSlot(m_currentRow);
}

void ItemListView::ViewAll(bool showall)
{
    if (topLevelItemCount() == 0)
        return;
    renameHeaders();
    if (showall) {
        // Only group rows have rows below them. Opening the whole tree would also mark every item
        // row as opened, which the view then carries as one index per row through every layout
        // and every row taken out; and laid out once, later, rather than once per group.
        scheduleDelayedItemsLayout();
        for (int group = 0; group < topLevelItemCount(); ++group)
            topLevelItem(group)->setExpanded(true);
    } else
        collapseAll();
}

void ItemListView::ViewCurrentAsHTML()
{
    Item* item = currentRowItem();
    if (item && m_collection)
        ExportCommands::ViewCurrentAsHTML(*m_collection, *item);
}

void ItemListView::ShowContextMenu(QTreeWidgetItem* row)
{
    if (!row)
        return;
    if (menuRunner())
        menuRunner()(*m_contextMenu, QCursor::pos());
    else
        m_contextMenu->exec(QCursor::pos());
}

void ItemListView::keyPressEvent(QKeyEvent* event)
{
    // Return opens the current row as a double click does. The view's own "activated" signal
    // is not used for it, because a double click sends that signal as well.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState) {
        returnPressedSlot(QTreeWidget::currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

funiQListViewItem* ItemListView::groupRow(int group) const
{
    if (group < 0 || std::size_t(group) >= m_groupRows.size())
        return nullptr;
    return m_groupRows[std::size_t(group)];
}

Item* ItemListView::currentRowItem() const
{
    return funiQListViewItem::itemOf(m_currentRow);
}

void ItemListView::dropUnknownGroupRowWhenEmpty()
{
    if (m_unknownGroupRow && rowCountOf(m_unknownGroupRow) == 0) {
        if (m_currentRow == m_unknownGroupRow)
            m_currentRow = nullptr;
        m_allRows.remove(m_unknownGroupRow);
        delete m_unknownGroupRow;
        m_unknownGroupRow = nullptr;
    }
}

funiQListViewItem* ItemListView::unknownGroupRow()
{
    if (!m_unknownGroupRow) {
        m_unknownGroupRow = new funiQListViewItem();
        m_unknownGroupRow->setText(GroupColumn, tr("UNKNOWN_GROUP"));
        m_unknownGroupRow->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        m_unknownGroupRow->sortsLast = true;
        addTopLevelItem(m_unknownGroupRow);
    }
    return m_unknownGroupRow;
}

void ItemListView::fillCells(funiQListViewItem* row, const Item& item)
{
    const LookupList* locations = m_collection ? &m_collection->locations() : nullptr;
    const int location = item.location();
    static const QString invalidLocation = QStringLiteral("Error");
    const QString& locationText
        = locations && location >= 0 && location < locations->size() ? locations->at(location) : invalidLocation;
    const QIcon* picture = namesPictureFile(item.textView(Item::Photolink).trimmed()) ? &m_pictureIcon : nullptr;
    const QIcon* receipt = nullptr;
    if (namesPictureFile(item.textView(Item::Receipt).trimmed()))
        receipt = isDomvara() ? &m_receiptIcon : &m_pictureIcon;
    const QIcon* document = item.textView(Item::Document).trimmed().isEmpty() ? nullptr : &m_documentIcon;
    row->setCells(item, locationText, picture, receipt, document);
    row->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void ItemListView::renameHeaders()
{
    if (!m_collection)
        return;
    // A copy: fieldLabel() takes the "&" marks out of the list it reads.
    LookupList labels = m_collection->fieldLabels();
    auto rename = [this](int column, const QString& label, bool translated) {
        headerTable()[column] = label;
        headerItem()->setText(
            column, translated ? QCoreApplication::translate("ItemListView", label.toUtf8().constData()) : label);
    };
    for (int index = 0; index <= 14; ++index) {
        const QString label = labels.fieldLabel(index);
        if (!label.isEmpty())
            rename(LabelColumns[index], label, index <= 1);
    }
    // The document, product model and extra columns came with later file versions; an older
    // database keeps their default headers. Labels still holding the placeholder words of an
    // unfinished labels file are not shown.
    const int version = fileVersion();
    if (version >= 253) {
        const QString label = labels.fieldLabel(15);
        if (!label.contains(QLatin1StringView("COLUMN"), Qt::CaseInsensitive))
            rename(LabelColumns[15], label, false);
    }
    if (version >= 255) {
        const QString label = labels.fieldLabel(16);
        if (!label.contains(QLatin1StringView("FIELD"), Qt::CaseInsensitive))
            rename(LabelColumns[16], label, false);
    }
    if (version >= 256) {
        for (int index = 17; index <= 20; ++index) {
            const QString label = labels.fieldLabel(index);
            if (!label.isEmpty())
                rename(index, label, false);
        }
    }
    fitColumnsNotChosen();
}

void ItemListView::openItemDialog(Item* item, const QString& kind, bool searchMode, QWidget* parent,
                                  const QString& groupName)
{
    if (!m_collection)
        return;
    auto* dialog = new ItemDialog(m_collection, this, item, kind, searchMode, parent, groupName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
