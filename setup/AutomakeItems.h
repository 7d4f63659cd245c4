#pragma once

#include <QDialog>

#include <memory>

class DBItemCollection;
class ItemListView;

namespace Ui {
class AutomakeItemsClass;
}

// Creates a batch of new, nearly empty items in one go, each with the next serial number, for
// example to number stock before its labels are printed. The dialog stays open after a batch.
class AutomakeItems : public QDialog
{
    Q_OBJECT

public:
    // The main window passes its database and its list and shows the dialog without waiting.
    AutomakeItems(DBItemCollection* collection, ItemListView* listView, QWidget* parent = nullptr);
    ~AutomakeItems() override;

    // The number of items a press on MakeItems creates: 1 to 999, or 0 when none is accepted.
    int numberOfItems() const;

private Q_SLOTS:
    void on_lineEdit_textChanged(const QString& text);
    void on_pushButtonMakeItems_clicked();
    void on_pushButtonClose_clicked();

private:
    const std::unique_ptr<Ui::AutomakeItemsClass> m_ui;
    DBItemCollection* m_collection;
    ItemListView* m_listView;
    int m_numberOfItems = 0;
};
