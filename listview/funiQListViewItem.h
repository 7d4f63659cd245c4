#pragma once

#include "Item.h"

#include <QCollatorSortKey>
#include <QIcon>
#include <QTreeWidgetItem>

#include <optional>

// One row of the item list: a group row (expandable, no Item) or an item row that shows one
// Item of the database. The row never owns its Item; the collection does.
//
// An item row keeps what it shows as a copy of the Item taken when its cells were last set
// (copies of an Item share its texts, so this costs no text copies) and makes the cell texts
// when the view asks for them. Filling a large database so takes two allocations per row
// instead of one per cell, and a row goes on showing what it showed even when its Item has
// changed since, until its cells are set again.
class funiQListViewItem : public QTreeWidgetItem
{
public:
    // Told apart from plain tree rows (the header, for example) by this type.
    static constexpr int RowType = QTreeWidgetItem::UserType + 1;

    // A top-level row in the list with its column-0 text.
    funiQListViewItem(QTreeWidget* list, const QString& text);
    // A child row; without a parent the row is built first and inserted later, which is how
    // the list fills a large database quickly.
    explicit funiQListViewItem(QTreeWidgetItem* parent = nullptr);

    // Sets the cells of an item row from an Item, with the text of its location. An icon is
    // only ever put in: a null icon leaves the cell as it was.
    void setCells(const Item& shown, const QString& locationText, const QIcon* picture, const QIcon* receipt,
                  const QIcon* document);

    QVariant data(int column, int role) const override;
    // Rows sort as the printed list and the HTML table do: figures by value, the date by calendar
    // date, texts case-insensitively in the alphabetical order of the user's language. Group
    // rows sort by their names whatever the column.
    bool operator<(const QTreeWidgetItem& other) const override;
    // The same for a given sort column and order, also for rows not in a list.
    bool lessThan(const QTreeWidgetItem& other, int column, bool ascending) const;

    // A row is a group row when it is marked expandable, as the list marks its group rows.
    static bool isGroupRow(const QTreeWidgetItem* row);
    // The Item an item row shows; null for null rows, group rows and rows of other kinds.
    static Item* itemOf(const QTreeWidgetItem* row);

    // Whether the row's cells in the shown columns (a bit per column) hold the text, which is
    // case-folded already; the row's own texts are folded once and kept until its cells change.
    bool shownTextContains(quint32 shownColumns, const QString& foldedText) const;
    // Makes those folded texts now, so that the first search need not.
    void prepareShownText(quint32 shownColumns) const;
    // Whether the quick filter hides the row: kept here, since asking the view is slow once
    // many rows are hidden.
    bool filteredOut = false;
    // Whether the row is in the list of all its group's rows that the list keeps while the
    // quick filter has taken some of them out.
    bool kept = false;

    // The column alignments of the list (header and cells).
    static Qt::Alignment columnAlignment(int column);

    Item* item = nullptr;
    // A row that stays at the end of its level whichever way the list is sorted.
    bool sortsLast = false;

private:
    QString cellText(int column) const;
    qint64 dayNumber() const;
    // The text an item row sorts by in a text column: its cell, or the path behind an icon.
    QString sortText(int column) const;
    const QCollatorSortKey& sortKey(int column) const;
    // The item row of the same kind as this one, or null.
    static const funiQListViewItem* cellsOf(const QTreeWidgetItem& row);

    bool m_hasCells = false;
    Item m_shown;
    QString m_location;
    QIcon m_pictureIcon;
    QIcon m_receiptIcon;
    QIcon m_documentIcon;
    // The date as a day number, worked out at the first sort by date: a sort compares each row
    // many times.
    mutable qint64 m_dayNumber = 0;
    // The folded texts of the shown columns, for the quick filter, and which columns they are.
    mutable QString m_filterText;
    mutable quint32 m_filterColumns = 0;
    mutable bool m_dayNumberKnown = false;
    // Likewise the sort key of the text column sorted by last.
    mutable std::optional<QCollatorSortKey> m_sortKey;
    mutable int m_sortKeyColumn = -1;
};
