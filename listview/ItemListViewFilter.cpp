// The item list's quick filter.
//
// Rows the filter hides are taken out of their group rows rather than hidden. A view hides a
// row by keeping a persistent index for it and looks every row up in that set at each layout:
// with a large register hidden, that costs more than the filtering itself. A group with rows
// taken out keeps all its rows, in list order, in m_allRows; they go back in one piece when the
// filter lets them, and before any change that removes or refills rows.

#include "ItemListView.h"

#include "funiQListViewItem.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QSet>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// The group rows of the list, and their item rows below them.
template <typename Visit> void forEachGroup(const QTreeWidget& list, Visit visit)
{
    for (int group = 0; group < list.topLevelItemCount(); ++group)
        visit(list.topLevelItem(group));
}

funiQListViewItem* cellsOf(QTreeWidgetItem* row)
{
    return row && row->type() == funiQListViewItem::RowType ? static_cast<funiQListViewItem*>(row) : nullptr;
}

QList<QTreeWidgetItem*> childrenOf(const QTreeWidgetItem* group)
{
    QList<QTreeWidgetItem*> rows;
    rows.reserve(group->childCount());
    for (int child = 0; child < group->childCount(); ++child)
        rows.append(group->child(child));
    return rows;
}

void markKept(const QList<QTreeWidgetItem*>& rows, bool kept)
{
    for (QTreeWidgetItem* row : rows) {
        if (funiQListViewItem* cells = cellsOf(row))
            cells->kept = kept;
    }
}

// Keeps the view from sorting rows while they are taken out and put back in list order, without
// the full sort that switching sorting on again would otherwise make.
class SortPause
{
public:
    explicit SortPause(QTreeWidget& list)
        : m_list(list)
        , m_sorting(list.isSortingEnabled())
        , m_column(list.header()->sortIndicatorSection())
        , m_order(list.header()->sortIndicatorOrder())
    {
        if (m_sorting)
            m_list.setSortingEnabled(false);
    }
    ~SortPause()
    {
        if (!m_sorting)
            return;
        const QSignalBlocker blocker(m_list.header());
        // Switched on for no column the view sorts nothing; then the column is put back.
        m_list.header()->setSortIndicator(-1, m_order);
        m_list.setSortingEnabled(true);
        m_list.header()->setSortIndicator(m_column, m_order);
    }
    SortPause(const SortPause&) = delete;
    SortPause& operator=(const SortPause&) = delete;

private:
    QTreeWidget& m_list;
    bool m_sorting;
    int m_column;
    Qt::SortOrder m_order;
};

// Rows taken out of a group and put back lose their selection and the current mark. Both are
// noted first and given back to the rows that are in the list again, without the list telling
// anyone, since for those rows nothing changed; rows left out stay deselected.
class SelectionKeeper
{
public:
    explicit SelectionKeeper(QTreeWidget& list)
        : m_list(list)
        , m_current(list.currentItem())
        , m_selected(list.selectedItems())
    {
    }

    void restore(const std::function<QModelIndex(QTreeWidgetItem*)>& indexOf)
    {
        auto shown = [this](const QTreeWidgetItem* row) {
            return row->treeWidget() == &m_list && !row->isHidden() && !(row->parent() && row->parent()->isHidden());
        };
        if (m_current && shown(m_current)) {
            const QSignalBlocker blocker(&m_list);
            m_list.setCurrentItem(m_current, 0, QItemSelectionModel::NoUpdate);
        }
        QItemSelection selection;
        for (QTreeWidgetItem* row : std::as_const(m_selected)) {
            if (shown(row)) {
                const QModelIndex index = indexOf(row);
                selection.select(index, index);
            }
        }
        m_list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

private:
    QTreeWidget& m_list;
    QTreeWidgetItem* m_current;
    QList<QTreeWidgetItem*> m_selected;
};

// Rows whose folded texts are made per step of the warm-up.
constexpr int WarmUpRows = 4000;

} // namespace

void ItemListView::setFilterText(const QString& text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
    // Rows added or changed under the last text were shown whatever it said; a new text decides.
    m_pinnedRows.clear();
    applyFilter(false);
}

quint32 ItemListView::shownColumnMask() const
{
    // The columns the user sees; a column made zero wide counts as hidden.
    quint32 shownColumns = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        if (!header()->isSectionHidden(column) && columnWidth(column) > 0)
            shownColumns |= 1u << column;
    }
    return shownColumns;
}

void ItemListView::warmUpFilter()
{
    // While the program waits for the user, the rows' folded texts are made a few thousand at a
    // time, so that the first letter typed into the filter finds them ready.
    m_warmUpGroup = 0;
    m_warmUpChild = 0;
    if (!m_warmUpTimer) {
        m_warmUpTimer = new QTimer(this);
        m_warmUpTimer->setInterval(0);
        connect(m_warmUpTimer, &QTimer::timeout, this, &ItemListView::warmUpStep);
    }
    m_warmUpTimer->start();
}

void ItemListView::warmUpStep()
{
    const quint32 shownColumns = shownColumnMask();
    int done = 0;
    while (m_warmUpGroup < topLevelItemCount() && done < WarmUpRows) {
        const QTreeWidgetItem* group = topLevelItem(m_warmUpGroup);
        if (m_warmUpChild >= group->childCount()) {
            ++m_warmUpGroup;
            m_warmUpChild = 0;
            continue;
        }
        const QTreeWidgetItem* row = group->child(m_warmUpChild++);
        if (row->type() == funiQListViewItem::RowType)
            static_cast<const funiQListViewItem*>(row)->prepareShownText(shownColumns);
        ++done;
    }
    if (m_warmUpGroup >= topLevelItemCount())
        m_warmUpTimer->stop();
}

bool ItemListView::filterTextsReady() const
{
    return !m_warmUpTimer || !m_warmUpTimer->isActive();
}

QString ItemListView::filterText() const
{
    return m_filterText;
}

bool ItemListView::rowBefore(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const
{
    // As the view sorts: ascending by the rows' order, descending by its reverse.
    const int column = sortColumn();
    const bool ascending = header()->sortIndicatorOrder() == Qt::AscendingOrder;
    const funiQListViewItem* first = cellsOf(const_cast<QTreeWidgetItem*>(a));
    const funiQListViewItem* second = cellsOf(const_cast<QTreeWidgetItem*>(b));
    if (!first || !second)
        return false;
    return ascending ? first->lessThan(*second, column, true) : second->lessThan(*first, column, false);
}

QList<QTreeWidgetItem*> ItemListView::allRowsOf(QTreeWidgetItem* group, const QList<QTreeWidgetItem*>& inList) const
{
    const auto kept = m_allRows.constFind(group);
    if (kept == m_allRows.constEnd())
        return inList;
    // Rows added to the group since its rows were kept go to their places in list order.
    QList<QTreeWidgetItem*> rows = *kept;
    for (QTreeWidgetItem* row : inList) {
        funiQListViewItem* cells = cellsOf(row);
        if (!cells || cells->kept)
            continue;
        // The list is always sorted (while rows move it only looks unsorted).
        const auto place = std::upper_bound(rows.begin(), rows.end(), row, [this](const QTreeWidgetItem* a,
                                                                                   const QTreeWidgetItem* b) {
            return rowBefore(a, b);
        });
        rows.insert(place, row);
        cells->kept = true;
    }
    return rows;
}

void ItemListView::restoreAllRows()
{
    if (m_allRows.isEmpty())
        return;
    SelectionKeeper selection(*this);
    {
        SortPause pause(*this);
        const QSignalBlocker blocker(this);
        for (auto group = m_allRows.keyBegin(); group != m_allRows.keyEnd(); ++group) {
            const QList<QTreeWidgetItem*> rows = allRowsOf(*group, (*group)->takeChildren());
            markKept(rows, false);
            for (QTreeWidgetItem* row : rows) {
                if (funiQListViewItem* cells = cellsOf(row))
                    cells->filteredOut = false;
            }
            (*group)->addChildren(rows);
        }
        m_allRows.clear();
    }
    selection.restore([this](QTreeWidgetItem* row) { return indexFromItem(row); });
}

int ItemListView::rowCountOf(QTreeWidgetItem* group) const
{
    const auto kept = m_allRows.constFind(group);
    return kept == m_allRows.constEnd() ? group->childCount() : int(kept->size());
}

void ItemListView::resortAllRows(int column, Qt::SortOrder order)
{
    // A header click sorts the rows the view has; the ones taken out are sorted with them.
    if (m_allRows.isEmpty() || m_resorting)
        return;
    m_resorting = true;
    restoreAllRows();
    sortItems(column, order);
    applyFilter();
    m_resorting = false;
}

void ItemListView::pinRow(const QTreeWidgetItem* row)
{
    if (row && !m_filterText.isEmpty())
        m_pinnedRows.insert(row);
}

void ItemListView::forgetRow(QTreeWidgetItem* row)
{
    m_pinnedRows.remove(row);
    funiQListViewItem* cells = cellsOf(row);
    if (!cells || !cells->kept)
        return;
    cells->kept = false;
    for (auto kept = m_allRows.begin(); kept != m_allRows.end(); ++kept) {
        if (kept->removeOne(row))
            return;
    }
}

void ItemListView::applyFilter(bool everyRow)
{
    const QString needle = m_filterText.toCaseFolded();
    // A text that holds the one filtered by before (a letter typed on) can only find rows that
    // one found: the rows it took out stay out without being searched again.
    const bool narrowing = !everyRow && !m_appliedFilter.isEmpty() && needle.contains(m_appliedFilter);
    m_appliedFilter = needle;
    const quint32 shownColumns = shownColumnMask();

    int shown = 0;
    int total = 0;
    std::optional<SelectionKeeper> selection;
    std::optional<SortPause> pause;
    std::optional<QSignalBlocker> blocker;
    forEachGroup(*this, [&](QTreeWidgetItem* group) {
        const bool kept = m_allRows.contains(group);
        const QList<QTreeWidgetItem*> inList = childrenOf(group);
        const QList<QTreeWidgetItem*>& rows = kept ? m_allRows[group] : inList;
        const bool groupMatches
            = !needle.isEmpty() && (shownColumns & 1u) && group->text(GroupColumn).toCaseFolded().contains(needle);
        bool changed = false;
        int matches = 0;
        auto decide = [&](QTreeWidgetItem* row) {
            funiQListViewItem* cells = cellsOf(row);
            if (!cells) {
                ++matches;
                return;
            }
            const bool match = needle.isEmpty() || groupMatches || m_pinnedRows.contains(row)
                || (!(narrowing && cells->filteredOut) && cells->shownTextContains(shownColumns, needle));
            changed = changed || cells->filteredOut == match;
            cells->filteredOut = !match;
            matches += match ? 1 : 0;
        };
        for (QTreeWidgetItem* row : rows)
            decide(row);
        // Rows added since the group's rows were kept are decided on as well.
        int added = 0;
        if (kept) {
            for (QTreeWidgetItem* row : inList) {
                if (const funiQListViewItem* cells = cellsOf(row); cells && !cells->kept) {
                    decide(row);
                    ++added;
                }
            }
        }
        total += int(rows.size()) + added;
        shown += matches;

        if (changed || added > 0) {
            if (!selection) {
                selection.emplace(*this);
                pause.emplace(*this);
                blocker.emplace(this);
            }
            // Taken out whole and put back in one piece: the view then lays the group out once.
            const QList<QTreeWidgetItem*> all = allRowsOf(group, group->takeChildren());
            QList<QTreeWidgetItem*> showing;
            showing.reserve(matches);
            for (QTreeWidgetItem* row : all) {
                const funiQListViewItem* cells = cellsOf(row);
                if (!cells || !cells->filteredOut)
                    showing.append(row);
            }
            if (showing.size() == all.size()) {
                markKept(all, false);
                m_allRows.remove(group);
            } else {
                markKept(all, true);
                m_allRows.insert(group, all);
            }
            group->addChildren(showing);
        }

        // A group row that is empty is a deleted group whose place the others keep: shown
        // only while items still belong to it.
        const bool groupShown = needle.isEmpty() ? rowCountOf(group) > 0 || !group->text(GroupColumn).isEmpty()
                                                 : matches > 0;
        if (group->isHidden() == groupShown)
            group->setHidden(!groupShown);
    });

    if (selection) {
        blocker.reset();
        pause.reset();
        selection->restore([this](QTreeWidgetItem* row) { return indexFromItem(row); });
    }
    // Rows in a group the filter hid are deselected, so that no command acts on a row nobody sees.
    forEachGroup(*this, [](QTreeWidgetItem* group) {
        if (!group->isHidden())
            return;
        for (int child = 0; child < group->childCount(); ++child) {
            if (group->child(child)->isSelected())
                group->child(child)->setSelected(false);
        }
    });
    if (m_currentRow
        && (m_currentRow->treeWidget() != this || m_currentRow->isHidden()
            || (m_currentRow->parent() && m_currentRow->parent()->isHidden())))
        m_currentRow = nullptr;
    Q_EMIT filterApplied(shown, total);
}

QList<Item*> ItemListView::shownItems() const
{
    QList<Item*> items;
    forEachGroup(*this, [&](QTreeWidgetItem* group) {
        if (group->isHidden())
            return;
        for (int child = 0; child < group->childCount(); ++child) {
            const QTreeWidgetItem* row = group->child(child);
            if (Item* item = funiQListViewItem::itemOf(row); item && !row->isHidden())
                items.append(item);
        }
    });
    return items;
}
