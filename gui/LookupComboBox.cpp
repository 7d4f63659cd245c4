#include "LookupComboBox.h"

#include "LookupList.h"

#include <QComboBox>
#include <QListView>
#include <QStandardItemModel>

void fillLookupComboBox(QComboBox* box, const LookupList& list)
{
    box->clear();
    box->addItems(list.entries());
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    auto* view = qobject_cast<QListView*>(box->view());
    int first = -1;
    for (int index = 0; index < list.size(); ++index) {
        if (!list.at(index).isEmpty()) {
            if (first < 0)
                first = index;
            continue;
        }
        // Disabled, so that neither the keys nor the wheel step onto it; hidden in the popup.
        if (QStandardItem* item = model ? model->item(index) : nullptr)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        if (view)
            view->setRowHidden(index, true);
    }
    box->setCurrentIndex(first);
}

bool isOfferedEntry(const QComboBox* box, int index)
{
    if (index < 0 || index >= box->count())
        return false;
    return box->model()->index(index, box->modelColumn()).flags().testFlag(Qt::ItemIsEnabled);
}
