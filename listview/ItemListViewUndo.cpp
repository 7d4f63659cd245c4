// The item list's side of the undo history: the rows of each step done, undone or redone.

#include "ItemListView.h"

#include "UndoHistory.h"
#include "funiQListViewItem.h"

#include <QHash>
#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>

void ItemListView::setUndoHistory(UndoHistory* history)
{
    if (m_history == history)
        return;
    if (m_history) {
        disconnect(m_history, nullptr, this, nullptr);
        if (m_history->parent() == this)
            delete m_history;
    }
    m_history = history;
    if (!m_history)
        return;
    connect(m_history, &UndoHistory::itemsAdded, this, &ItemListView::addRowsOf);
    connect(m_history, &UndoHistory::itemsRemoved, this, &ItemListView::removeRowsOf);
    connect(m_history, &UndoHistory::itemsChanged, this, &ItemListView::refillRowsOf);
    connect(m_history, &UndoHistory::rebuildNeeded, this, &ItemListView::rebuildList);
}

UndoHistory* ItemListView::undoHistory()
{
    if (!m_history)
        setUndoHistory(new UndoHistory(this));
    return m_history;
}

void ItemListView::addRowsOf(const QList<Item*>& items)
{
    // Many at once (a batch or an import) are shown by building the list again.
    if (items.size() > 1000) {
        rebuildList();
        return;
    }
    // The last one added is the current and selected row, as a new item's row is.
    for (qsizetype i = 0; i < items.size(); ++i)
        addItemRow(items[i], i == items.size() - 1);
    refilter();
}

void ItemListView::removeRowsOf(const QList<Item*>& items)
{
    // Rows the filter took out can be among them: all are in the list while rows go.
    restoreAllRows();
    const QSet<Item*> gone(items.begin(), items.end());
    QList<QTreeWidgetItem*> rows;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (gone.contains(funiQListViewItem::itemOf(*it)))
            rows.append(*it);
    }
    if (rows.isEmpty())
        return;
    m_currentRow = nullptr;
    {
        // The view moves its current row as rows go; the list follows it once, at the end.
        const QSignalBlocker blocker(this);
        for (QTreeWidgetItem* row : rows) {
            m_pinnedRows.remove(row);
            delete row;
        }
        dropUnknownGroupRowWhenEmpty();
    }
    refilter();
    // The row the view now highlights is the one the commands act on.
    QTreeWidgetItem* next = currentItem();
    if (next && next->isHidden())
        next = nullptr;
    if (next) {
        clearSelection();
        next->setSelected(true);
    }
    m_currentRow = next;
    Q_EMIT rowSelected(next);
}

void ItemListView::refillRowsOf(const QList<Item*>& items)
{
    restoreAllRows();
    QHash<Item*, QTreeWidgetItem*> rows;
    const QSet<Item*> wanted(items.begin(), items.end());
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        Item* item = funiQListViewItem::itemOf(*it);
        if (item && wanted.contains(item))
            rows.insert(item, *it);
    }
    for (Item* item : items) {
        if (QTreeWidgetItem* row = rows.value(item))
            updateItemRow(row, item);
        else
            addItemRow(item, false);
    }
    refilter();
}

void ItemListView::refilter()
{
    // The quick filter stays in force for rows that came, went or changed.
    if (!m_filterText.isEmpty())
        applyFilter();
}
