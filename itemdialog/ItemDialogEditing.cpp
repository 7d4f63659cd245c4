// Editing in the item dialog: the form filled from an Item and stored back into it, new Items,
// copies and deletion, the validators and the checks before saving.

#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "Item.h"
#include "ItemDialogPrivate.h"
#include "ItemListView.h"
#include "LookupComboBox.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "StorableTextValidator.h"
#include "TextRules.h"
#include "UndoHistory.h"
#include "WaitCursor.h"
#include "funiQListViewItem.h"

#include <optional>
#include <utility>

using namespace ItemDialogDetail;

namespace {

constexpr int MaxPrice = 9999999;
constexpr int MinCount = 1;
constexpr int MaxCount = 100000;
// The longest text a line edit takes at all (its own default).
constexpr int FieldLengthLimit = 32767;

// The column whose header names the missing location.
using enum ItemListView::ColumnNumber;

// The date an editor shows for an Item without a readable date: the one that means "no date".
QDate noDate()
{
    return QDate(1900, 1, 1);
}

// A field as its label names it, without the shortcut mark and the colon.
QString fieldName(const QLabel* label)
{
    QString name;
    const QString text = label->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size())
            ++i;
        name += text.at(i);
    }
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

// A price as typed, with a comma or a point; none when the field is empty or cannot be read.
std::optional<double> typedPrice(const QLineEdit* field)
{
    return TextRules::readFigure(field->text(), PriceDecimals);
}

} // namespace

QList<QLineEdit*> ItemDialog::textFields() const
{
    const Ui::ItemDialogBase& ui = *m_ui;
    return { ui.nameLineEdit,      ui.productLineEdit, ui.productBrandLineEdit, ui.supplierComboBox->lineEdit(),
             ui.addressLineEdit,   ui.wwwLineEdit,     ui.serialnoLineEdit,     ui.infoLineEdit,
             ui.photolinkLineEdit, ui.receiptLineEdit, ui.documentLineEdit,     ui.extra1LineEdit,
             ui.extra2LineEdit,    ui.extra3LineEdit,  ui.extra4LineEdit };
}

void ItemDialog::installValidators()
{
    Ui::ItemDialogBase& ui = *m_ui;
    StorableTextValidator::install(textFields(), ui.textNoticeLabel);
    // Figures take every keystroke, so that a comma typed as the decimal separator stays where
    // it was typed; they are read when saved or searched for, and one that cannot be read is
    // refused then, by the field's name. Nine characters cannot hold 1234567.89, and a price
    // shown cut short would be saved cut short.
    for (QLineEdit* field : { ui.priceLineEdit, ui.priceTodayLineEdit, ui.priceTotalLineEdit })
        field->setMaxLength(FieldLengthLimit);
}

void ItemDialog::makeFieldsStorable()
{
    QStringList notices;
    for (QLineEdit* field : textFields()) {
        if (!TextRules::isLatin1(field->text()))
            field->setText(TextRules::toLatin1(field->text(), &notices));
    }
    if (notices.isEmpty())
        return;
    m_ui->textNoticeLabel->setText(notices.join(u' '));
    m_ui->textNoticeLabel->setToolTip(m_ui->textNoticeLabel->text());
    m_ui->textNoticeLabel->show();
}

void ItemDialog::ShowValidateError(const QString& Error)
{
    if (Error.isEmpty())
        return;
    MessageBoxes::critical(this, tr("Felt grænseværdi fejl"), Error + QStringLiteral("\n\n") + tr("Ret det !"));
}

void ItemDialog::updateCurrentItem()
{
    if (!m_currentItem)
        return;
    writeFormInto(*m_currentItem);
    if (!isPictova())
        m_ui->priceTotalLineEdit->setText(m_currentItem->valueText());
}

std::optional<Item> ItemDialog::formItem()
{
    if (!m_currentItem)
        return std::nullopt;
    const Ui::ItemDialogBase& ui = *m_ui;
    // A figure that cannot be read is told, not shown as 0.
    if (!checkFigure(ui.priceLineEdit, ui.PriceTextLabel, false)
        || !checkFigure(ui.priceTodayLineEdit, ui.PriceTodayTextLabel, false)
        || !checkFigure(ui.numberOfItemsLineEdit, ui.NumberTextLabel, true))
        return std::nullopt;
    Item item(*m_currentItem);
    writeFormInto(item);
    return item;
}

void ItemDialog::writeFormInto(Item& item) const
{
    const Ui::ItemDialogBase& ui = *m_ui;
    // An Item whose group or location lies beyond its lookup list shows an empty list; unless
    // the user picks an entry, it keeps its own number rather than gaining -1.
    if (ui.groupComboBox->currentIndex() >= 0)
        item.setType(ui.groupComboBox->currentIndex());
    item.setName(ui.nameLineEdit->text());
    item.setProduct(ui.productLineEdit->text());
    // A price the form shows as the Item has it is kept to its last decimal (the file holds six,
    // the form two); a typed one is read with a comma or a point. Text that is no number counts
    // as 0 (saving refuses it before it gets here).
    auto price = [](const QLineEdit* field, double stored) {
        if (field->text() == fixedText(stored, PriceDecimals))
            return stored;
        return typedPrice(field).value_or(0.0);
    };
    item.setPrice(price(ui.priceLineEdit, item.price()));
    item.setDescription(ui.infoLineEdit->text());
    // A date the form could not read was shown as "no date"; left so, the Item keeps its own
    // text (an empty date, say) rather than gaining 01.01.1900.
    const QDate date = ui.buyQDateEdit->date();
    if (date != noDate() || dateFromText(item.date()).isValid())
        item.setDate(date.toString(dateFormat()));
    if (ui.locationComboBox->currentIndex() >= 0)
        item.setLocation(ui.locationComboBox->currentIndex());
    item.setSupplier(ui.supplierComboBox->currentText());
    item.setSerialno(ui.serialnoLineEdit->text());
    item.setPriceToday(price(ui.priceTodayLineEdit, item.priceToday()));
    item.setAddress(ui.addressLineEdit->text());
    item.setPhotolink(ui.photolinkLineEdit->text());
    if (ui.numberOfItemsLineEdit->text() != item.numberOfItemsText())
        item.setNumber_of_items(TextRules::readWholeNumber(ui.numberOfItemsLineEdit->text()).value_or(0));
    item.setWww(ui.wwwLineEdit->text());
    item.setReceipt(ui.receiptLineEdit->text());
    item.setDocument(ui.documentLineEdit->text());
    item.setProductModel(ui.productBrandLineEdit->text());
    item.setExtra1(ui.extra1LineEdit->text());
    item.setExtra2(ui.extra2LineEdit->text());
    item.setExtra3(ui.extra3LineEdit->text());
    item.setExtra4(ui.extra4LineEdit->text());
}

void ItemDialog::showItem(Item* item)
{
    if (!item)
        return;
    Ui::ItemDialogBase& ui = *m_ui;
    ui.groupComboBox->setCurrentIndex(item->type());
    ui.nameLineEdit->setText(item->name());
    ui.productLineEdit->setText(item->product());
    ui.numberOfItemsLineEdit->setText(item->numberOfItemsText());
    ui.priceLineEdit->setText(item->priceText(PriceDecimals));
    ui.priceTotalLineEdit->setText(item->valueText());
    ui.infoLineEdit->setText(item->description());
    const QDate date = dateFromText(item->date());
    ui.buyQDateEdit->setDate(date.isValid() ? date : noDate());
    ui.locationComboBox->setCurrentIndex(item->location());
    ui.supplierComboBox->setEditText(item->supplier());
    ui.serialnoLineEdit->setText(item->serialno());
    ui.priceTodayLineEdit->setText(item->priceTodayText(PriceDecimals));
    ui.addressLineEdit->setText(item->address());
    ui.photolinkLineEdit->setText(item->photolink());
    updateThumbnail();
    ui.receiptLineEdit->setText(item->receipt());
    ui.wwwLineEdit->setText(item->www());
    wwwFieldChanged_slot();
    ui.documentLineEdit->setText(item->document());
    ui.productBrandLineEdit->setText(item->productModel());
    ui.extra1LineEdit->setText(item->extra1());
    ui.extra2LineEdit->setText(item->extra2());
    ui.extra3LineEdit->setText(item->extra3());
    ui.extra4LineEdit->setText(item->extra4());

    if (!item->photolink().isEmpty()) {
        ui.showPhotoPushButton->setEnabled(true);
        setTabEnabled(ui.picturePage, true);
    } else {
        clearPicturePage();
    }
    const bool hasReceipt = !item->receipt().isEmpty();
    ui.showReceiptPushButton->setEnabled(hasReceipt);
    setTabEnabled(ui.receiptPage, hasReceipt);
    ui.showDocumentPushButton->setEnabled(!item->document().isEmpty());
    for (QComboBox* list : { ui.groupComboBox, ui.locationComboBox, ui.supplierComboBox })
        list->setEnabled(true);
    ui.ViewCurrentAsHtmlPushButton->setEnabled(true);
    CreatePictureOnPicturePage();
    CreatePictureOnReceiptPage();
    StorableTextValidator::clearNotice(ui.textNoticeLabel);
    markFormUnchanged();
}

void ItemDialog::delete_slot()
{
    if (!m_currentItem || m_ownedItem)
        return;
    if (m_collection->isReadOnly()) {
        MessageBoxes::warning(this, tr("READ ONLY"), tr("DELETE_READ_ONLY"));
        return;
    }
    Item* item = m_currentItem;
    m_currentItem = nullptr;
    // One step to undo; the history takes the Item's row out of the list with it, so that no
    // row points at an Item that is gone.
    if (m_listView) {
        m_listView->undoHistory()->deleteItems(*m_collection, {item});
    } else {
        const std::unique_ptr<Item> removed = m_collection->removeItem(item);
        DBItemCollection::setModified(true);
    }
    resetAllFields(false);
}

void ItemDialog::resetAllFields(bool SeachMode)
{
    Ui::ItemDialogBase& ui = *m_ui;
    if (SeachMode) {
        // A list without an empty entry keeps its selection.
        ui.groupComboBox->setCurrentText(QString());
        ui.locationComboBox->setCurrentText(QString());
        if (!isStockvane()) {
            ui.groupComboBox->setEnabled(false);
            ui.locationComboBox->setEnabled(false);
        }
        // The supplier list stays usable: coins are sought by their catalogue there.
        ui.buyQDateEdit->setDate(noDate());
    } else {
        ui.locationComboBox->setEnabled(true);
        ui.groupComboBox->setEnabled(true);
        ui.buyQDateEdit->setDate(QDate::currentDate());
    }
    ui.nameLineEdit->clear();
    ui.productLineEdit->clear();
    ui.numberOfItemsLineEdit->clear();
    ui.priceLineEdit->clear();
    // Also in the products that leave the total out of the file: a new coin must not show the
    // total of the one shown before.
    ui.priceTotalLineEdit->clear();
    if (isStockvane())
        ui.serialnoLineEdit->setEnabled(false);
    ui.infoLineEdit->clear();
    ui.serialnoLineEdit->clear();
    ui.priceTodayLineEdit->clear();
    ui.supplierComboBox->clearEditText();
    for (QLineEdit* field :
         { ui.addressLineEdit, ui.photolinkLineEdit, ui.receiptLineEdit, ui.wwwLineEdit, ui.documentLineEdit,
           ui.productBrandLineEdit, ui.extra1LineEdit, ui.extra2LineEdit, ui.extra3LineEdit, ui.extra4LineEdit })
        field->clear();
}

void ItemDialog::copy_slot()
{
    if (!m_currentItem)
        return;
    // The copy changes the database only when it is saved: one left unsaved leaves the
    // database's changed flag as it was. Edits made before the copy stay unsaved edits.
    const bool unchanged = !hasUnsavedEdits();
    setOwnedItem(std::make_unique<Item>(*m_currentItem));
    m_ownedIsCopy = true;
    if (isStockvane())
        m_ui->serialnoLineEdit->setText(DBItemCollection::nextSerialNumber(m_collection->highestSerialNumber()));
    for (QPushButton* button :
         { m_ui->CopyPushButton, m_ui->seachPushButton, m_ui->PrevPushButton, m_ui->NextPushButton })
        button->setEnabled(false);
    if (unchanged)
        markFormUnchanged();
}

void ItemDialog::newItem_slot()
{
    if (!settleEdits())
        return;
    Ui::ItemDialogBase& ui = *m_ui;
    for (QPushButton* button :
         { ui.newPushButton, ui.CopyPushButton, ui.resetPushButton, ui.seachPushButton, ui.SearchAgainButton,
           ui.PrevPushButton, ui.NextPushButton, ui.printButton, ui.previewButton })
        button->setEnabled(false);
    // A search without a hit leaves these disabled; a new Item must be savable. A read-only
    // database disables them again in the configuration below.
    ui.savePushButton->setEnabled(true);
    ui.buttonOk->setEnabled(true);
    ui.ViewCurrentAsHtmlPushButton->setEnabled(true);

    int group = ui.groupComboBox->currentIndex();
    configureForVariant();
    // After a search the list may stand on an emptied entry: a new Item goes into the first
    // group offered instead.
    if (!isOfferedEntry(ui.groupComboBox, group))
        group = ui.groupComboBox->currentIndex();
    resetAllFields(false);

    auto item = std::make_unique<Item>();
    item->setType(std::max(group, 0));
    setOwnedItem(std::move(item));

    ui.numberOfItemsLineEdit->setText(isPictova() ? QStringLiteral("0") : QStringLiteral("1"));
    if (isStockvane()) {
        if (!openSettings()->value(QLatin1StringView(EnableCountKey), true).toBool())
            ui.numberOfItemsLineEdit->setEnabled(false);
        ui.serialnoLineEdit->setText(DBItemCollection::nextSerialNumber(m_collection->highestSerialNumber()));
        ui.locationComboBox->setCurrentText(QString());
    }
    ui.buyQDateEdit->setDate(QDate::currentDate());
    ui.groupComboBox->setCurrentIndex(group);
    clearPicturePage();
    clearReceiptPage();
    StorableTextValidator::clearNotice(ui.textNoticeLabel);
    markFormUnchanged();
}

void ItemDialog::countChanged_slot()
{
    if (!m_currentItem)
        return;
    const std::optional<int> count = TextRules::readWholeNumber(m_ui->numberOfItemsLineEdit->text());
    if (count && *count != 0)
        m_currentItem->setNumber_of_items(*count);
    if (isPictova())
        return;
    if (const std::optional<double> price = typedPrice(m_ui->priceLineEdit))
        m_currentItem->setPrice(*price);
    m_ui->priceTotalLineEdit->setText(m_currentItem->valueText());
}

void ItemDialog::showTypedTotal()
{
    if (isPictova())
        return;
    const double total = TextRules::readWholeNumber(m_ui->numberOfItemsLineEdit->text()).value_or(0)
        * typedPrice(m_ui->priceLineEdit).value_or(0.0);
    m_ui->priceTotalLineEdit->setText(fixedText(total, PriceDecimals));
}

bool ItemDialog::checkFigure(QLineEdit* field, const QLabel* label, bool wholeNumber)
{
    const QString text = field->text();
    if (text.trimmed().isEmpty())
        return true;
    // What the form shows of the Item itself stands, even where it is no figure typed today
    // (a negative count from an older file, say).
    if (m_currentItem) {
        const QString shown = field == m_ui->numberOfItemsLineEdit ? m_currentItem->numberOfItemsText()
            : field == m_ui->priceLineEdit                         ? m_currentItem->priceText(PriceDecimals)
                                                                   : m_currentItem->priceTodayText(PriceDecimals);
        if (text == shown)
            return true;
    }
    if (wholeNumber ? TextRules::readWholeNumber(text).has_value()
                    : TextRules::readFigure(text, PriceDecimals).has_value())
        return true;
    // The text stays in the field, for the user to put right.
    if (wholeNumber)
        ShowValidateError(tr("WHOLE_NUMBER_NOT_READABLE %1 %2").arg(fieldName(label), text));
    else
        ShowValidateError(tr("FIGURE_NOT_READABLE %1 %2").arg(fieldName(label), text));
    field->setFocus();
    return false;
}

bool ItemDialog::validate()
{
    Ui::ItemDialogBase& ui = *m_ui;
    if (!checkFigure(ui.priceLineEdit, ui.PriceTextLabel, false)
        || !checkFigure(ui.priceTodayLineEdit, ui.PriceTodayTextLabel, false))
        return false;
    if (isDomvara()) {
        const std::optional<double> price = typedPrice(ui.priceLineEdit);
        if (!price || *price > MaxPrice) {
            ShowValidateError(tr("'Købspris' skal være: 0.0 -> %1").arg(MaxPrice));
            return false;
        }
        if (ui.priceTodayLineEdit->text().trimmed().isEmpty()) {
            // Nothing valued yet: the item is worth what it cost.
            ui.priceTodayLineEdit->setText(ui.priceLineEdit->text());
        } else if (const std::optional<double> today = typedPrice(ui.priceTodayLineEdit); !today || *today > MaxPrice) {
            ShowValidateError(tr("'Vurderet pris' skal være: 0.0 -> %1").arg(MaxPrice));
            return false;
        }
    }
    // A count the user cannot change (stock counted by the location updates) is kept as it is.
    if (ui.numberOfItemsLineEdit->isEnabled()) {
        if (!checkFigure(ui.numberOfItemsLineEdit, ui.NumberTextLabel, true))
            return false;
        if (isDomvara() || isStockvane()) {
            const std::optional<int> count = TextRules::readWholeNumber(ui.numberOfItemsLineEdit->text());
            if (!count || *count < MinCount || *count > MaxCount) {
                ShowValidateError(tr("'Antal' skal være i intervalet: 0 -> %1").arg(MaxCount));
                return false;
            }
        }
    }
    if (ui.nameLineEdit->text().isEmpty()) {
        QString text;
        switch (GetProgramVariant()) {
        case ProgramVariant::Domvara:
            text = tr("DomvaraNameMissing");
            break;
        case ProgramVariant::Stockvane:
            text = tr("StockvaneNameMissing");
            break;
        case ProgramVariant::Pictova:
            text = tr("PictovaNameMissing");
            break;
        case ProgramVariant::Mintora:
            text = tr("MintoraNameMissing");
            break;
        }
        MessageBoxes::critical(this, tr("Fejl"), text);
        return false;
    }
    if (isStockvane() && ui.locationComboBox->currentText().isEmpty()) {
        MessageBoxes::critical(this, tr("Fejl"),
                               tr("StockvaneItemTypeHasNotBeenSelected") + headerText(LocationColumn));
        return false;
    }
    return true;
}

bool ItemDialog::save_slot()
{
    if (!validate())
        return false;
    if (!m_currentItem)
        return true;
    // A database another user has open is never written to. The user is told so and the
    // dialog stays open, rather than closing as if the changes had been kept.
    if (m_collection->count() > 0 && m_collection->isReadOnly()) {
        MessageBoxes::warning(this, tr("READ ONLY"), tr("READ ONLY MODE - No Save"));
        return false;
    }

    const WaitCursor waitCursor;
    makeFieldsStorable();
    const Item before = *m_currentItem;
    updateCurrentItem();
    if (m_listView) {
        // One step to undo; the history puts the row in the list or refills it.
        UndoHistory* history = m_listView->undoHistory();
        if (m_ownedItem)
            m_currentItem = history->addItem(*m_collection, std::move(m_ownedItem),
                                             m_ownedIsCopy ? UndoHistory::AddKind::Copy : UndoHistory::AddKind::New);
        else
            history->itemEdited(*m_collection, m_currentItem, before);
    } else {
        if (m_ownedItem)
            m_currentItem = m_collection->addItem(std::move(m_ownedItem));
        DBItemCollection::setModified(true);
    }

    Ui::ItemDialogBase& ui = *m_ui;
    for (QPushButton* button : { ui.CopyPushButton, ui.seachPushButton, ui.resetPushButton, ui.newPushButton,
                                 ui.PrevPushButton, ui.NextPushButton, ui.printButton, ui.previewButton })
        button->setEnabled(true);
    setTabEnabled(ui.picturePage, !m_currentItem->photolink().isEmpty());
    markFormUnchanged();
    return true;
}

QStringList ItemDialog::formState() const
{
    const Ui::ItemDialogBase& ui = *m_ui;
    QStringList state{ QString::number(ui.groupComboBox->currentIndex()),
                       QString::number(ui.locationComboBox->currentIndex()),
                       ui.buyQDateEdit->date().toString(dateFormat()),
                       ui.numberOfItemsLineEdit->text(),
                       ui.priceLineEdit->text(),
                       ui.priceTodayLineEdit->text() };
    for (const QLineEdit* field : textFields())
        state << field->text();
    return state;
}

void ItemDialog::markFormUnchanged()
{
    m_formAtFill = m_currentItem ? formState() : QStringList();
}

bool ItemDialog::hasUnsavedEdits() const
{
    // Search criteria are no edits.
    return m_currentItem && formState() != m_formAtFill;
}

bool ItemDialog::settleEdits()
{
    if (!hasUnsavedEdits())
        return true;
    MessageBoxes::Request question;
    question.icon = QMessageBox::Question;
    question.title = windowTitle();
    question.text = tr("SAVE_ITEM_CHANGES_QUESTION");
    question.buttons = { tr("&Gem"), tr("Gem &ikke"), tr("&Fortryd") };
    question.defaultButton = 0;
    question.escapeButton = 2;
    switch (MessageBoxes::ask(this, question)) {
    case 0:
        // Changes that cannot be saved (invalid input, a read-only database) stay in the form.
        return save_slot();
    case 1:
        return true;
    default:
        return false;
    }
}

void ItemDialog::reject()
{
    if (!std::exchange(m_discarding, false) && !settleEdits())
        return;
    QDialog::reject();
}
