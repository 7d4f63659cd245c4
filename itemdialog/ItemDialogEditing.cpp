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
#include "WaitCursor.h"
#include "funiQListViewItem.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>
#include <QRegularExpressionValidator>

using namespace ItemDialogDetail;

namespace {

constexpr int MaxPrice = 9999999;
constexpr int MinCount = 1;
constexpr int MaxCount = 100000;
// The longest text a line edit takes at all (its own default).
constexpr int FieldLengthLimit = 32767;
// A text field never holds the database's field separator, and no more than a database line
// can carry back whole.
constexpr char TextPattern[] = "[^;]{0,199}";

// The column whose header names the missing location.
using enum ItemListView::ColumnNumber;

// The date an editor shows for an Item without a readable date: the one that means "no date".
QDate noDate()
{
    return QDate(1900, 1, 1);
}

// Numbers are typed and stored with a point, whatever the desktop's language.
QLocale numberLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

std::unique_ptr<QDoubleValidator> makePriceValidator(QObject* parent)
{
    auto validator = std::make_unique<QDoubleValidator>(0, MaxPrice, PriceDecimals, parent);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(numberLocale());
    return validator;
}

std::unique_ptr<QIntValidator> makeCountValidator(QObject* parent)
{
    auto validator = std::make_unique<QIntValidator>(MinCount, MaxCount, parent);
    validator->setLocale(numberLocale());
    return validator;
}

// Whether a validator takes the text as it stands, not merely as the start of a valid text.
bool acceptsInFull(const QValidator& validator, QString text)
{
    int position = 0;
    return validator.validate(text, position) == QValidator::Acceptable;
}

} // namespace

void ItemDialog::installValidators()
{
    Ui::ItemDialogBase& ui = *m_ui;
    auto* text = new QRegularExpressionValidator(QRegularExpression(QLatin1StringView(TextPattern)), this);
    for (QLineEdit* field :
         { ui.nameLineEdit, ui.productLineEdit, ui.addressLineEdit, ui.serialnoLineEdit, ui.infoLineEdit,
           ui.photolinkLineEdit, ui.wwwLineEdit, ui.receiptLineEdit, ui.documentLineEdit, ui.productBrandLineEdit,
           ui.extra1LineEdit, ui.extra2LineEdit, ui.extra3LineEdit, ui.extra4LineEdit })
        field->setValidator(text);
    ui.supplierComboBox->setValidator(text);
    // The validators belong to the dialog (their parent), which outlives the fields' use of them.
    ui.priceLineEdit->setValidator(makePriceValidator(this).release());
    ui.priceTodayLineEdit->setValidator(makePriceValidator(this).release());
    ui.numberOfItemsLineEdit->setValidator(makeCountValidator(this).release());
    // Nine characters cannot hold a price the validator accepts, such as 1234567.89, and a price
    // shown cut short is saved cut short. The validators limit what can be typed.
    for (QLineEdit* field : { ui.priceLineEdit, ui.priceTodayLineEdit, ui.priceTotalLineEdit })
        field->setMaxLength(FieldLengthLimit);
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
    const Ui::ItemDialogBase& ui = *m_ui;
    Item& item = *m_currentItem;
    // An Item whose group or location lies beyond its lookup list shows an empty list; unless
    // the user picks an entry, it keeps its own number rather than gaining -1.
    if (ui.groupComboBox->currentIndex() >= 0)
        item.setType(ui.groupComboBox->currentIndex());
    item.setName(ui.nameLineEdit->text());
    item.setProduct(ui.productLineEdit->text());
    // Text that is no number counts as 0.
    item.setPrice(ui.priceLineEdit->text().toDouble());
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
    item.setPriceToday(ui.priceTodayLineEdit->text().toDouble());
    item.setAddress(ui.addressLineEdit->text());
    item.setPhotolink(ui.photolinkLineEdit->text());
    item.setNumber_of_items(ui.numberOfItemsLineEdit->text().toInt());
    item.setWww(ui.wwwLineEdit->text());
    item.setReceipt(ui.receiptLineEdit->text());
    item.setDocument(ui.documentLineEdit->text());
    item.setProductModel(ui.productBrandLineEdit->text());
    item.setExtra1(ui.extra1LineEdit->text());
    item.setExtra2(ui.extra2LineEdit->text());
    item.setExtra3(ui.extra3LineEdit->text());
    item.setExtra4(ui.extra4LineEdit->text());
    if (!isPictova())
        m_ui->priceTotalLineEdit->setText(item.valueText());
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
    CreatePictureOnPicturePage();
    CreatePictureOnReceiptPage();
}

void ItemDialog::delete_slot()
{
    if (!m_currentItem || m_ownedItem)
        return;
    Item* item = m_currentItem;
    m_currentItem = nullptr;
    // The Item's row goes with it: a row must never point at a destroyed Item. The list's own
    // delete takes the Item out of the collection and destroys it.
    QTreeWidgetItem* row = m_listView ? m_listView->FindListViewItem(item) : nullptr;
    if (row && funiQListViewItem::itemOf(row) == item) {
        m_listView->ItemSelected(row);
        m_listView->DeleteItem();
    } else {
        const std::unique_ptr<Item> removed = m_collection->removeItem(item);
    }
    resetAllFields(false);
    DBItemCollection::setModified(true);
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
        if (isMintora())
            ui.supplierComboBox->setEnabled(false);
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
    if (isDomvara() || isStockvane())
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
    setOwnedItem(std::make_unique<Item>(*m_currentItem));
    DBItemCollection::setModified(true);
    if (isStockvane())
        m_ui->serialnoLineEdit->setText(QString::number(m_collection->nextSerialNumberBase() + 1));
    for (QPushButton* button :
         { m_ui->CopyPushButton, m_ui->seachPushButton, m_ui->PrevPushButton, m_ui->NextPushButton })
        button->setEnabled(false);
}

void ItemDialog::newItem_slot()
{
    Ui::ItemDialogBase& ui = *m_ui;
    for (QPushButton* button : { ui.newPushButton, ui.CopyPushButton, ui.resetPushButton, ui.seachPushButton,
                                 ui.SearchAgainButton, ui.PrevPushButton, ui.NextPushButton, ui.printButton })
        button->setEnabled(false);
    // A search without a hit leaves these disabled; a new Item must be savable. A read-only
    // database disables them again in the configuration below.
    ui.savePushButton->setEnabled(true);
    ui.buttonOk->setEnabled(true);

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
        ui.serialnoLineEdit->setText(QString::number(m_collection->nextSerialNumberBase() + 1));
        ui.locationComboBox->setCurrentText(QString());
    }
    ui.buyQDateEdit->setDate(QDate::currentDate());
    ui.groupComboBox->setCurrentIndex(group);
    clearPicturePage();
    clearReceiptPage();
}

void ItemDialog::countChanged_slot()
{
    if (!m_currentItem)
        return;
    bool isNumber = false;
    const int count = m_ui->numberOfItemsLineEdit->text().toInt(&isNumber);
    if (isNumber && count != 0)
        m_currentItem->setNumber_of_items(count);
    if (isPictova())
        return;
    if (!m_ui->priceLineEdit->text().isEmpty())
        m_currentItem->setPrice(m_ui->priceLineEdit->text().toDouble());
    m_ui->priceTotalLineEdit->setText(m_currentItem->valueText());
}

void ItemDialog::showTypedTotal()
{
    if (isPictova())
        return;
    const double total = m_ui->numberOfItemsLineEdit->text().toInt() * m_ui->priceLineEdit->text().toDouble();
    m_ui->priceTotalLineEdit->setText(fixedText(total, PriceDecimals));
}

bool ItemDialog::validate()
{
    Ui::ItemDialogBase& ui = *m_ui;
    if (isDomvara()) {
        const auto price = makePriceValidator(nullptr);
        if (!acceptsInFull(*price, ui.priceLineEdit->text())) {
            ShowValidateError(tr("'Købspris' skal være: 0.0 -> %1").arg(MaxPrice));
            return false;
        }
        if (!acceptsInFull(*price, ui.priceTodayLineEdit->text())) {
            if (!ui.priceTodayLineEdit->text().isEmpty()) {
                ShowValidateError(tr("'Vurderet pris' skal være: 0.0 -> %1").arg(MaxPrice));
                return false;
            }
            // Nothing valued yet: the item is worth what it cost.
            ui.priceTodayLineEdit->setText(ui.priceLineEdit->text());
        }
    }
    if (isDomvara() || isStockvane()) {
        if (!acceptsInFull(*makeCountValidator(nullptr), ui.numberOfItemsLineEdit->text())) {
            ShowValidateError(tr("'Antal' skal være i intervalet: 0 -> %1").arg(MaxCount));
            return false;
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
    updateCurrentItem();
    if (m_ownedItem) {
        Item* added = m_collection->addItem(std::move(m_ownedItem));
        m_currentItem = added;
        if (m_listView)
            m_listView->addItemRow(added, true);
    } else if (m_listView) {
        QTreeWidgetItem* row = m_listView->isItemSelected();
        if (funiQListViewItem::itemOf(row) != m_currentItem) {
            row = m_listView->FindListViewItem(m_currentItem);
            if (funiQListViewItem::itemOf(row) != m_currentItem)
                row = nullptr;
        }
        if (row)
            m_listView->updateItemRow(row, m_currentItem);
    }
    DBItemCollection::setModified(true);

    Ui::ItemDialogBase& ui = *m_ui;
    for (QPushButton* button : { ui.CopyPushButton, ui.seachPushButton, ui.resetPushButton, ui.newPushButton,
                                 ui.PrevPushButton, ui.NextPushButton, ui.printButton })
        button->setEnabled(true);
    setTabEnabled(ui.picturePage, !m_currentItem->photolink().isEmpty());
    return true;
}
