#include "funiQListViewItem.h"

#include "ListOrder.h"
#include "ProgramVariant.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <limits>

namespace {

constexpr int CountColumn = 4;
constexpr int PriceColumn = 5;
constexpr int PriceTodayColumn = 6;
constexpr int PictureColumn = 7;
constexpr int ReceiptColumn = 8;
constexpr int DateColumn = 9;
constexpr int LocationColumn = 10;
constexpr int DocumentColumn = 16;

// The Item text a column shows, or TextFieldCount for the columns that show something else.
Item::TextField textFieldOf(int column)
{
    switch (column) {
    case 1:
        return Item::Name;
    case 2:
        return Item::Product;
    case 3:
        return Item::ProductModel;
    case DateColumn:
        return Item::Date;
    case 11:
        return Item::Description;
    case 12:
        return Item::Supplier;
    case 13:
        return Item::Address;
    case 14:
        return Item::Serialno;
    case 15:
        return Item::Www;
    case 17:
        return Item::Extra1;
    case 18:
        return Item::Extra2;
    case 19:
        return Item::Extra3;
    case 20:
        return Item::Extra4;
    default:
        return Item::TextFieldCount;
    }
}

// Days since the start of the calendar; a text that is no "dd.MM.yyyy" date sorts first.
qint64 dayNumber(QStringView text)
{
    const QDate date = dateFromText(text);
    return date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::min();
}

} // namespace

funiQListViewItem::funiQListViewItem(QTreeWidget* list, const QString& text)
    : QTreeWidgetItem(list, RowType)
{
    setText(0, text);
}

funiQListViewItem::funiQListViewItem(QTreeWidgetItem* parent)
    : QTreeWidgetItem(parent, RowType)
{
}

void funiQListViewItem::setCells(const Item& shown, const QString& locationText, const QIcon* picture,
                                 const QIcon* receipt, const QIcon* document)
{
    m_hasCells = true;
    m_shown = shown;
    m_location = locationText;
    m_dayNumberKnown = false;
    m_sortKey.reset();
    m_filterColumns = 0;
    if (picture)
        m_pictureIcon = *picture;
    if (receipt)
        m_receiptIcon = *receipt;
    if (document)
        m_documentIcon = *document;
    if (treeWidget())
        emitDataChanged();
}

QVariant funiQListViewItem::data(int column, int role) const
{
    // Alignment never differs between the rows of a column, so it is answered here rather
    // than kept in every cell.
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columnAlignment(column));
    if (!m_hasCells)
        return QTreeWidgetItem::data(column, role);

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(column);
    case Qt::DecorationRole: {
        const QIcon* icon = column == PictureColumn ? &m_pictureIcon
            : column == ReceiptColumn               ? &m_receiptIcon
            : column == DocumentColumn              ? &m_documentIcon
                                                    : nullptr;
        return icon && !icon->isNull() ? QVariant(*icon) : QVariant();
    }
    case Qt::ToolTipRole: {
        // The icon columns show no text; their tip names the file behind the icon.
        if (column == PictureColumn)
            return m_shown.photolink();
        if (column == ReceiptColumn)
            return m_shown.receipt();
        if (column == DocumentColumn)
            return m_shown.document();
        const QString text = cellText(column);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    default:
        return QTreeWidgetItem::data(column, role);
    }
}

QString funiQListViewItem::cellText(int column) const
{
    const Item::TextField field = textFieldOf(column);
    if (field != Item::TextFieldCount)
        return m_shown.text(field);
    switch (column) {
    case CountColumn:
        return m_shown.numberOfItemsText();
    case PriceColumn:
        // A picture has no number of copies worth multiplying: Pictova shows the price itself.
        return isPictova() ? m_shown.priceText(2) : m_shown.valueText();
    case PriceTodayColumn:
        return m_shown.priceTodayText(2);
    case LocationColumn:
        return m_location;
    default:
        return QString();
    }
}

bool funiQListViewItem::operator<(const QTreeWidgetItem& other) const
{
    const QTreeWidget* list = treeWidget();
    return lessThan(other, list ? list->sortColumn() : 0,
                    !list || list->header()->sortIndicatorOrder() == Qt::AscendingOrder);
}

bool funiQListViewItem::lessThan(const QTreeWidgetItem& other, int column, bool ascending) const
{
    const bool otherSortsLast = other.type() == RowType && static_cast<const funiQListViewItem&>(other).sortsLast;
    if (sortsLast != otherSortsLast) {
        // Descending order puts the larger rows first, so the last row then counts as smallest.
        return sortsLast != ascending;
    }
    const funiQListViewItem* mine = cellsOf(*this);
    const funiQListViewItem* theirs = cellsOf(other);
    // Group rows show nothing but their names.
    if (!mine || !theirs)
        return listOrder().compareTexts(text(0), other.text(0)) < 0;
    // The values are compared where they are kept, without making a text for every comparison
    // of a large sort.
    switch (ListOrder::kindOf(column)) {
    case ListOrder::Kind::Figure:
        return ListOrder::figureOf(column, m_shown) < ListOrder::figureOf(column, theirs->m_shown);
    case ListOrder::Kind::Date:
        return dayNumber() < theirs->dayNumber();
    case ListOrder::Kind::Text:
        break;
    }
    return sortKey(column).compare(theirs->sortKey(column)) < 0;
}

QString funiQListViewItem::sortText(int column) const
{
    switch (column) {
    case PictureColumn:
        return m_shown.photolink();
    case ReceiptColumn:
        return m_shown.receipt();
    case DocumentColumn:
        return m_shown.document();
    default:
        return cellText(column);
    }
}

const QCollatorSortKey& funiQListViewItem::sortKey(int column) const
{
    if (!m_sortKey || m_sortKeyColumn != column) {
        m_sortKey = listOrder().sortKey(sortText(column));
        m_sortKeyColumn = column;
    }
    return *m_sortKey;
}

qint64 funiQListViewItem::dayNumber() const
{
    if (!m_dayNumberKnown) {
        m_dayNumber = ::dayNumber(m_shown.textView(Item::Date));
        m_dayNumberKnown = true;
    }
    return m_dayNumber;
}

bool funiQListViewItem::shownTextContains(quint32 shownColumns, const QString& foldedText) const
{
    prepareShownText(shownColumns);
    return m_filterText.contains(foldedText, Qt::CaseSensitive);
}

void funiQListViewItem::prepareShownText(quint32 shownColumns) const
{
    if (m_filterColumns == shownColumns && !m_filterText.isNull())
        return;
    QString texts;
    texts.reserve(256);
    for (int column = 0; column < 32; ++column) {
        if (!(shownColumns & (1u << column)))
            continue;
        // Text fields straight from the item; a line break between the cells, which the filter
        // box cannot hold, keeps a text from matching across two cells.
        const Item::TextField field = m_hasCells ? textFieldOf(column) : Item::TextFieldCount;
        if (field != Item::TextFieldCount)
            texts += m_shown.textView(field);
        else
            texts += m_hasCells ? cellText(column) : text(column);
        texts += u'\n';
    }
    m_filterText = std::move(texts).toCaseFolded();
    m_filterColumns = shownColumns;
}

bool funiQListViewItem::isGroupRow(const QTreeWidgetItem* row)
{
    return row && row->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

Item* funiQListViewItem::itemOf(const QTreeWidgetItem* row)
{
    if (!row || row->type() != RowType || isGroupRow(row))
        return nullptr;
    return static_cast<const funiQListViewItem*>(row)->item;
}

const funiQListViewItem* funiQListViewItem::cellsOf(const QTreeWidgetItem& row)
{
    if (row.type() != RowType || isGroupRow(&row))
        return nullptr;
    const auto* cells = static_cast<const funiQListViewItem*>(&row);
    return cells->m_hasCells ? cells : nullptr;
}

Qt::Alignment funiQListViewItem::columnAlignment(int column)
{
    switch (column) {
    case CountColumn:
    case PriceColumn:
    case PriceTodayColumn:
        return Qt::AlignRight | Qt::AlignVCenter;
    case PictureColumn:
    case ReceiptColumn:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
