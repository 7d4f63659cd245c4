// Search by example in the item dialog, search again, and stepping through the database.

#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "ItemDialogPrivate.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "funiQListViewItem.h"

#include <QDebug>

using namespace ItemDialogDetail;

void ItemDialog::seach_slot()
{
    const Ui::ItemDialogBase& ui = *m_ui;
    setCurrentItem(nullptr);
    SearchQuery query;
    query.name = ui.nameLineEdit->text();
    query.product = ui.productLineEdit->text();
    query.numberOfItems = ui.numberOfItemsLineEdit->text();
    query.price = ui.priceLineEdit->text();
    query.priceToday = ui.priceTodayLineEdit->text();
    query.date = ui.buyQDateEdit->date().toString(dateFormat());
    // Only coins are searched for by their catalogue.
    query.supplier = isMintora() ? ui.supplierComboBox->currentText() : QString();
    query.serialno = ui.serialnoLineEdit->text();
    query.description = ui.infoLineEdit->text();
    query.address = ui.addressLineEdit->text();
    query.photolink = ui.photolinkLineEdit->text();
    query.receipt = ui.receiptLineEdit->text();
    query.www = ui.wwwLineEdit->text();
    query.document = ui.documentLineEdit->text();
    query.location = -1;
    m_searchQuery = query;
    qDebug() << "Search date" << query.date;

    Item* found = m_collection->findByExample(query, false);
    if (found)
        m_ui->SearchAgainButton->setEnabled(true);
    finishSearch(found);
}

void ItemDialog::SearchAgainSlot()
{
    finishSearch(m_collection->findByExample(m_searchQuery, true));
}

void ItemDialog::finishSearch(Item* found)
{
    Ui::ItemDialogBase& ui = *m_ui;
    setCurrentItem(found);
    const bool hit = found != nullptr;
    if (hit) {
        configureForVariant();
        resetAllFields(false);
        showItem(found);
        selectRowOf(found);
    } else {
        MessageBoxes::ask(nullptr,
                          { QMessageBox::Critical, tr("Fejl søgning"), tr("Search_Error"), { tr("Ok") }, 0, 0 });
    }
    for (QPushButton* button : { ui.buttonOk, ui.savePushButton, ui.NextPushButton, ui.PrevPushButton })
        button->setEnabled(hit);
}

void ItemDialog::PreviousSlot()
{
    // A new Item and a search have no place in the collection to step from.
    if (!m_currentItem || m_ownedItem)
        return;
    bool atStart = false;
    Item* item = m_collection->previousItem(m_currentItem, atStart);
    setCurrentItem(item);
    showItem(item);
    selectRowOf(item);
    m_ui->PrevPushButton->setEnabled(!atStart);
    m_ui->NextPushButton->setEnabled(true);
}

void ItemDialog::NextSlot()
{
    if (!m_currentItem || m_ownedItem)
        return;
    bool atEnd = false;
    Item* item = m_collection->nextItem(m_currentItem, atEnd);
    setCurrentItem(item);
    showItem(item);
    selectRowOf(item);
    m_ui->NextPushButton->setEnabled(!atEnd);
    m_ui->PrevPushButton->setEnabled(true);
}

void ItemDialog::ResetSlot()
{
    Ui::ItemDialogBase& ui = *m_ui;
    setCurrentItem(nullptr);
    resetAllFields(true);
    clearPicturePage();
    clearReceiptPage();
    for (QPushButton* button :
         { ui.buttonOk, ui.savePushButton, ui.SearchAgainButton, ui.NextPushButton, ui.PrevPushButton })
        button->setEnabled(false);
    if (isStockvane())
        ui.serialnoLineEdit->setEnabled(true);
}

void ItemDialog::selectRowOf(Item* item)
{
    if (!m_listView || !item)
        return;
    QTreeWidgetItem* row = m_listView->FindListViewItem(item);
    if (funiQListViewItem::itemOf(row) == item)
        m_listView->ItemSelected(row);
}
