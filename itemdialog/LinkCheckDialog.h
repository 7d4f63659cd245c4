#pragma once

#include "LinkCheck.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class DBItemCollection;
class ItemListView;

namespace Ui {
class LinkCheckDialogBase;
}

// Lists every item whose picture, second picture or receipt, or document link points to a
// missing file. From the list the user opens an item, or has a folder (with its subfolders)
// searched for files of the same names: what would change is shown first, and Relink then
// changes the links as one step to undo. A name found more than once is listed, never relinked.
class LinkCheckDialog : public QDialog
{
    Q_OBJECT

public:
    LinkCheckDialog(DBItemCollection* collection, ItemListView* listView, QWidget* parent = nullptr);
    ~LinkCheckDialog() override;

    // Checks the links again and lists what is missing.
    void refresh();
    int missingCount() const;

public Q_SLOTS:
    void openItemSlot();
    void searchFolderSlot();
    void relinkSlot();

private:
    void showPlan();

    const std::unique_ptr<Ui::LinkCheckDialogBase> m_ui;
    DBItemCollection* m_collection;
    QPointer<ItemListView> m_listView;
    std::vector<LinkCheck::MissingLink> m_missing;
    LinkCheck::RelinkPlan m_plan;
};
