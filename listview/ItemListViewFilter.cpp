// The item list's quick filter.

#include "ItemListView.h"

#include "funiQListViewItem.h"

#include <QHeaderView>
#include <QSet>
#include <QTimer>

namespace {

// The group rows of the list, and their item rows below them.
template <typename Visit> void forEachGroup(const QTreeWidget& list, Visit visit)
{
    for (int group = 0; group < list.topLevelItemCount(); ++group)
        visit(list.topLevelItem(group));
}

void setFilteredOut(QTreeWidgetItem* row, bool out)
{
    if (row->type() != funiQListViewItem::RowType) {
        if (row->isHidden() != out)
            row->setHidden(out);
        return;
    }
    auto* cells = static_cast<funiQListViewItem*>(row);
    if (cells->filteredOut == out)
        return;
    cells->filteredOut = out;
    row->setHidden(out);
}

// Rows whose folded texts are made per step of the warm-up.
constexpr int WarmUpRows = 4000;

} // namespace

void ItemListView::setFilterText(const QString& text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
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

void ItemListView::applyFilter(bool everyRow)
{
    const QString needle = m_filterText.toCaseFolded();
    // A text that holds the one filtered by before (a letter typed on) can only find rows that
    // one found: the rows it hid stay hidden without being searched again.
    const bool narrowing = !everyRow && !m_appliedFilter.isEmpty() && needle.contains(m_appliedFilter);
    m_appliedFilter = needle;
    const quint32 shownColumns = shownColumnMask();
    // Rows the filter hides are deselected, so that no command acts on a row nobody sees.
    const QList<QTreeWidgetItem*> selected = selectedItems();

    int shown = 0;
    int total = 0;
    forEachGroup(*this, [&](QTreeWidgetItem* group) {
        const int children = group->childCount();
        total += children;
        // A group row that is empty is a deleted group whose place the others keep: shown
        // only while items still belong to it.
        bool groupShown = children > 0 || !group->text(GroupColumn).isEmpty();
        if (!needle.isEmpty()) {
            const bool groupMatches = (shownColumns & 1u) && group->text(GroupColumn).toCaseFolded().contains(needle);
            int matches = 0;
            for (int child = 0; child < children; ++child) {
                QTreeWidgetItem* row = group->child(child);
                const auto* cells
                    = row->type() == funiQListViewItem::RowType ? static_cast<const funiQListViewItem*>(row) : nullptr;
                const bool match = groupMatches
                    || (cells && !(narrowing && cells->filteredOut) && cells->shownTextContains(shownColumns, needle));
                // Only rows whose state changes are told, since each call costs the view work.
                setFilteredOut(row, !match);
                matches += match ? 1 : 0;
            }
            shown += matches;
            groupShown = matches > 0;
        } else {
            for (int child = 0; child < children; ++child)
                setFilteredOut(group->child(child), false);
            shown += children;
        }
        if (group->isHidden() == groupShown)
            group->setHidden(!groupShown);
    });

    for (QTreeWidgetItem* row : selected) {
        if (row->isHidden() || (row->parent() && row->parent()->isHidden()))
            row->setSelected(false);
    }
    if (m_currentRow && (m_currentRow->isHidden() || (m_currentRow->parent() && m_currentRow->parent()->isHidden())))
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
