// The item list's quick filter.

#include "ItemListView.h"

#include "funiQListViewItem.h"

#include <QHeaderView>
#include <QSet>

namespace {

// The group rows of the list, and their item rows below them.
template <typename Visit> void forEachGroup(const QTreeWidget& list, Visit visit)
{
    for (int group = 0; group < list.topLevelItemCount(); ++group)
        visit(list.topLevelItem(group));
}

} // namespace

void ItemListView::setFilterText(const QString& text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
    applyFilter();
}

QString ItemListView::filterText() const
{
    return m_filterText;
}

void ItemListView::applyFilter()
{
    const QString needle = m_filterText.toCaseFolded();
    // The columns the user sees; a column made zero wide counts as hidden.
    quint32 shownColumns = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        if (!header()->isSectionHidden(column) && columnWidth(column) > 0)
            shownColumns |= 1u << column;
    }
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
                const bool match = groupMatches
                    || (row->type() == funiQListViewItem::RowType
                        && static_cast<const funiQListViewItem*>(row)->shownTextContains(shownColumns, needle));
                // Only rows whose state changes are told, since each call costs the view work.
                if (row->isHidden() == match)
                    row->setHidden(!match);
                matches += match ? 1 : 0;
            }
            shown += matches;
            groupShown = matches > 0;
        } else {
            for (int child = 0; child < children; ++child) {
                if (QTreeWidgetItem* row = group->child(child); row->isHidden())
                    row->setHidden(false);
            }
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
