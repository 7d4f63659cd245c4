// Search by example in the item dialog, search again, and stepping through the database.

#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "ItemDialogPrivate.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "StorableTextValidator.h"
#include "TextRules.h"
#include "funiQListViewItem.h"

#include <QDebug>

#include <cmath>
#include <optional>
#include <utility>

using namespace ItemDialogDetail;

bool ItemDialog::figureCriteria(SearchQuery& query)
{
    Ui::ItemDialogBase& ui = *m_ui;
    // The form holds criteria now, not an Item: a figure is checked as typed.
    Item* const shown = std::exchange(m_currentItem, nullptr);
    const bool readable = checkFigure(ui.numberOfItemsLineEdit, ui.NumberTextLabel, true)
        && checkFigure(ui.priceLineEdit, ui.PriceTextLabel, false)
        && checkFigure(ui.priceTodayLineEdit, ui.PriceTodayTextLabel, false);
    m_currentItem = shown;
    if (!readable)
        return false;
    if (const std::optional<int> count = TextRules::readWholeNumber(ui.numberOfItemsLineEdit->text()))
        query.numberOfItems = QString::number(*count);
    // A whole figure finds the prices that round to it, one with decimals the price to the cent;
    // either is handed on with a point.
    auto price = [](const QLineEdit* field) {
        const std::optional<double> figure = TextRules::readFigure(field->text(), PriceDecimals);
        if (!figure)
            return QString();
        return fixedText(*figure, *figure == std::trunc(*figure) ? 0 : PriceDecimals);
    };
    query.price = price(ui.priceLineEdit);
    query.priceToday = price(ui.priceTodayLineEdit);
    return true;
}

void ItemDialog::seach_slot()
{
    if (!settleEdits())
        return;
    const Ui::ItemDialogBase& ui = *m_ui;
    SearchQuery query;
    if (!figureCriteria(query))
        return;
    setCurrentItem(nullptr);
    query.name = ui.nameLineEdit->text();
    query.product = ui.productLineEdit->text();
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
    if (!settleEdits())
        return;
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
        // Finding nothing is an answer, not a failure.
        MessageBoxes::ask(this,
                          { QMessageBox::Information, tr("Fejl søgning"), tr("Search_Error"), { tr("Ok") }, 0, 0 });
    }
    for (QPushButton* button : { ui.NextPushButton, ui.PrevPushButton })
        button->setEnabled(hit);
    // A found Item of a read-only database can be looked at, not stored.
    const bool storable = hit && !m_collection->isReadOnly();
    for (QPushButton* button : { ui.buttonOk, ui.savePushButton })
        button->setEnabled(storable);
}

void ItemDialog::PreviousSlot()
{
    // A new Item and a search have no place in the collection to step from.
    if (!m_currentItem || m_ownedItem || !settleEdits())
        return;
    bool atStart = false;
    Item* item = m_collection->previousItem(m_currentItem, atStart);
    setCurrentItem(item);
    showItem(item);
    selectRowOf(item);
    m_ui->PrevPushButton->setEnabled(!atStart);
    m_ui->NextPushButton->setEnabled(true);
    m_steppedBack = true;
    prefetchNeighbour();
}

void ItemDialog::NextSlot()
{
    if (!m_currentItem || m_ownedItem || !settleEdits())
        return;
    bool atEnd = false;
    Item* item = m_collection->nextItem(m_currentItem, atEnd);
    setCurrentItem(item);
    showItem(item);
    selectRowOf(item);
    m_ui->NextPushButton->setEnabled(!atEnd);
    m_ui->PrevPushButton->setEnabled(true);
    m_steppedBack = false;
    prefetchNeighbour();
}

void ItemDialog::ResetSlot()
{
    if (!settleEdits())
        return;
    Ui::ItemDialogBase& ui = *m_ui;
    setCurrentItem(nullptr);
    m_formAtFill.clear();
    StorableTextValidator::clearNotice(ui.textNoticeLabel);
    resetAllFields(true);
    clearPicturePage();
    clearReceiptPage();
    // Without an Item there is nothing to show as a page either.
    for (QPushButton* button : { ui.buttonOk, ui.savePushButton, ui.SearchAgainButton, ui.NextPushButton,
                                 ui.PrevPushButton, ui.ViewCurrentAsHtmlPushButton })
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
