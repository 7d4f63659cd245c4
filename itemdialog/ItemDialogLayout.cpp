// The item dialog's look per product: its lists, labels, help texts and the fields it hides.

#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "ItemDialogPrivate.h"
#include "LookupComboBox.h"
#include "ProgramVariant.h"
#include "Settings.h"

using namespace ItemDialogDetail;

void ItemDialog::configureForVariant()
{
    Ui::ItemDialogBase& ui = *m_ui;
    const bool enableCount = openSettings()->value(QLatin1StringView(EnableCountKey), false).toBool();

    fillLookupComboBox(ui.groupComboBox, m_collection->groups());
    fillLookupComboBox(ui.locationComboBox, m_collection->locations());
    ui.supplierComboBox->clear();
    ui.supplierComboBox->addItems(m_collection->suppliers().entries());

    if (!m_collection->fieldLabels().isEmpty())
        relabelFromFieldLabels();

    const QByteArray language = GetLanguage();
    if (isDomvara() || isStockvane()) {
        if (isStockvane())
            ui.serialnoLineEdit->setEnabled(false);
        if (language == "en")
            ui.helpPushButton->setEnabled(false);
    } else if (language != "dk") {
        ui.helpPushButton->setEnabled(false);
    }
    // Nothing can be stored in a read-only database, in any product.
    if (m_collection->isReadOnly()) {
        for (QPushButton* button : { ui.savePushButton, ui.buttonOk, ui.newPushButton, ui.CopyPushButton })
            button->setEnabled(false);
    }

    // Household and coin databases are written in a format whose reader stops before the four
    // extra fields, so what they held would be gone after the next load: they show what an
    // Item has but take no typing.
    const bool extrasKept = isStockvane() || isPictova();
    for (QLineEdit* field : { ui.extra1LineEdit, ui.extra2LineEdit, ui.extra3LineEdit, ui.extra4LineEdit }) {
        field->setReadOnly(!extrasKept);
        if (!extrasKept)
            field->setToolTip(tr("EXTRA_FIELD_NOT_KEPT"));
    }

    const int writeOff = ui.primaryTabWidget->indexOf(ui.WriteOffPage);
    if (writeOff >= 0)
        ui.primaryTabWidget->removeTab(writeOff);

    auto removeHelp = [](QWidget* widget) {
        widget->setToolTip(QString());
        widget->setWhatsThis(QString());
    };
    if (isStockvane()) {
        if (!enableCount)
            ui.numberOfItemsLineEdit->setEnabled(false);
        for (QWidget* widget : std::initializer_list<QWidget*>{ ui.locationComboBox, ui.addressLineEdit,
                                                                ui.serialnoLineEdit, ui.browseReceiptPushButton })
            removeHelp(widget);
    }
    if (isMintora() || isPictova()) {
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 ui.numberOfItemsLineEdit, ui.productLineEdit, ui.priceLineEdit, ui.priceTodayLineEdit,
                 ui.locationComboBox, ui.supplierComboBox, ui.serialnoLineEdit, ui.documentLineEdit, ui.addressLineEdit,
                 ui.browseReceiptPushButton, ui.receiptLineEdit, ui.showReceiptPushButton })
            removeHelp(widget);
    }
    if (isPictova()) {
        setWindowTitle(tr("PICTURE_GALLERY"));
        for (QWidget* widget : std::initializer_list<QWidget*>{ ui.TotalPriceTextLabel, ui.priceTotalLineEdit,
                                                                ui.StkTextLabel, ui.KrTextLabel })
            widget->hide();
        ui.numberOfItemsLineEdit->setToolTip(tr("TOOLTIP_PICTOVA_REG_NUMBER"));
        ui.numberOfItemsLineEdit->setWhatsThis(tr("WHATSHIS_PICTOVA_REG_NUMBER"));
        ui.priceLineEdit->setToolTip(tr("TOOLTIP_PICTOVA_ESTIMATED_PRICE"));
        ui.priceLineEdit->setWhatsThis(tr("WHATSHIS_PICTOVA_ESTIMATED_PRICE"));
        ui.priceTodayLineEdit->setToolTip(tr("TOOLTIP_PICTOVA_SALESPRICE"));
        ui.priceTodayLineEdit->setWhatsThis(tr("WHATSHIS_PICTOVA_SALESPRICE"));
        ui.documentLineEdit->setToolTip(tr("TOOLTIP_PICTOVA_DOCUMENT"));
        ui.documentLineEdit->setWhatsThis(tr("WHATSHIS_PICTOVA_DOCUMENT"));
    } else if (isMintora()) {
        setWindowTitle(tr("MINTORA_DIALOG_TITLE"));
        removeHelp(ui.nameLineEdit);
        ui.numberOfItemsLineEdit->setToolTip(tr("TOOLTIP_DB_NUMBEROF"));
        ui.documentLineEdit->setToolTip(tr("TOOLTIP_MINTORA_DOCUMENT"));
        ui.addressLineEdit->setToolTip(tr("TOOLTIP_MINTORA_QUALITY"));
        ui.addressLineEdit->setWhatsThis(tr("WHATSHIS_MINTORA_QUALITY"));
        ui.receiptLineEdit->setToolTip(tr("TOOLTIP_MINTORA_BACKSIDE_PICTURE"));
        ui.browseReceiptPushButton->setToolTip(tr("TOOLTIP_BROWSE_BACKSIDE_PICTURE_MINTORA"));
        ui.showReceiptPushButton->setToolTip(tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA"));
    }
}

void ItemDialog::relabelFromFieldLabels()
{
    Ui::ItemDialogBase& ui = *m_ui;
    const LookupList& labels = m_collection->fieldLabels();
    // The labels keep their "&" marks, which give the fields their shortcut keys.
    auto raw = [&labels](int index) { return entryOf(labels, index); };
    auto label = [&raw](int index) {
        const QString text = raw(index);
        return text.isEmpty() ? text : QCoreApplication::translate("ItemDialog", text.toUtf8().constData());
    };

    ui.TypeTextLabel->setText(label(0));
    ui.NameTextLabel->setText(label(1));
    ui.ProductTextLabel->setText(label(2));
    ui.NumberTextLabel->setText(label(3));
    ui.PriceTextLabel->setText(label(4));
    ui.PriceTodayTextLabel->setText(label(5));
    ui.PictureTextLabel->setText(label(6));
    ui.primaryTabWidget->setTabText(ui.primaryTabWidget->indexOf(ui.picturePage), raw(6));
    ui.showPhotoPushButton->setText(tr("SHOWPHOTO") + label(6));
    ui.browsePhotoPushButton->setText(tr("BROWSEPHOTO") + label(6));
    ui.DateTextLabel->setText(label(7));
    ui.LocationTextLabel->setText(label(8));
    ui.DescriptionTextLabel->setText(label(9));
    ui.SupplierTextLabel->setText(label(10));
    ui.SupplierExtraTextLabel->setText(label(11));
    ui.SerialNoTextLabel->setText(label(12));
    ui.WwwTextLabel->setText(label(13));
    ui.showWwwPushButton->setText(tr("SHOWWWW") + label(13));
    ui.ReceiptTextLabel->setText(label(14));
    ui.primaryTabWidget->setTabText(ui.primaryTabWidget->indexOf(ui.receiptPage), raw(14));
    ui.browseReceiptPushButton->setText(tr("BROWSERECIEPT") + label(14));
    ui.showReceiptPushButton->setText(tr("SHOWRECIEPT") + label(14));
    // A "#" marks a labels file written before documents could be attached.
    if (!raw(15).contains(u'#')) {
        ui.documentTextLabel->setText(label(15));
        ui.insertDocumentPushButton->setText(tr("BROWSEDOC") + label(15));
        ui.showDocumentPushButton->setText(tr("SHOWDOC") + label(15));
    }
    ui.ManufacturerTextLabel->setText(label(16));
    ui.extra1TextLabel->setText(label(17));
    ui.extra2TextLabel->setText(label(18));
    ui.extra3TextLabel->setText(label(19));
    ui.extra4TextLabel->setText(label(20));
    // The labels come from a file anybody can edit: what it says is shown, never read as markup.
    for (QLabel* shown : { ui.TypeTextLabel, ui.NameTextLabel, ui.ProductTextLabel, ui.NumberTextLabel,
                           ui.PriceTextLabel, ui.PriceTodayTextLabel, ui.PictureTextLabel, ui.DateTextLabel,
                           ui.LocationTextLabel, ui.DescriptionTextLabel, ui.SupplierTextLabel,
                           ui.SupplierExtraTextLabel, ui.SerialNoTextLabel, ui.WwwTextLabel, ui.ReceiptTextLabel,
                           ui.documentTextLabel, ui.ManufacturerTextLabel, ui.extra1TextLabel, ui.extra2TextLabel,
                           ui.extra3TextLabel, ui.extra4TextLabel })
        shown->setTextFormat(Qt::PlainText);
}
