#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "FileDialogs.h"
#include "HelpPages.h"
#include "Item.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "WaitCursor.h"
#include "funiQListViewItem.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QDoubleValidator>
#include <QGuiApplication>
#include <QIntValidator>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpressionValidator>

#include <cmath>

namespace {

constexpr char GeometryGroup[] = "ItemDialog";
constexpr char WidthKey[] = "ItemDialogWidth";
constexpr char HeightKey[] = "ItemDialogHeight";
constexpr char XKey[] = "ItemDialogX";
constexpr char YKey[] = "ItemDialogY";
constexpr int DefaultWidth = 627;
constexpr int DefaultHeight = 539;
constexpr int DefaultPosition = 100;
constexpr char EnableCountKey[] = "EnableNumberOfItemsLineEdit";
constexpr char PictureViewerKey[] = "PictureViewerProgram";
constexpr char WwwProgramKey[] = "wwwProgram";
constexpr char PicturePathKey[] = "PicturePath";
constexpr char ReceiptPathKey[] = "ReceiptPath";
constexpr char DocumentPathKey[] = "DocumentPath";

constexpr int MaxPrice = 9999999;
constexpr int PriceDecimals = 2;
constexpr int MinCount = 1;
constexpr int MaxCount = 100000;
// The longest text a line edit takes at all (its own default).
constexpr int FieldLengthLimit = 32767;
// A text field never holds the database's field separator, and no more than a database line
// can carry back whole.
constexpr char TextPattern[] = "[^;]{0,199}";

// The list columns whose headers label the printed lines.
using enum ItemListView::ColumnNumber;

QString dateFormat()
{
    return QStringLiteral("dd.MM.yyyy");
}

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

QString settingText(const char* key, const QString& defaultValue)
{
    return openSettings()->value(QLatin1StringView(key), defaultValue).toString();
}

// Where the file choosers start until the user has chosen default folders.
QString defaultFileFolder()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return programFiles + QStringLiteral("/Quorvane");
    return QDir::homePath();
}

QString entryOf(const LookupList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

QString headerText(int column)
{
    return QString::fromLatin1(ItemListView::columnHeaderText(column));
}

// A picture smaller than the label both ways is shown as it is; any other is scaled, keeping
// its proportions, to the label's width when it is wider than high, else to its height.
QPixmap scaledToLabel(const QPixmap& picture, const QSize& label)
{
    if (picture.isNull())
        return picture;
    const int w = picture.width();
    const int h = picture.height();
    if (w < label.width() && h < label.height())
        return picture;
    const double factor = h < w ? double(label.width()) / w : double(label.height()) / h;
    const QSize scaled(std::max(1, int(std::lround(w * factor))), std::max(1, int(std::lround(h * factor))));
    return picture.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void showScaled(QLabel* label, const QPixmap& picture)
{
    label->setPixmap(scaledToLabel(picture, label->size()));
}


} // namespace

ItemDialog::ItemDialog(DBItemCollection* collection, ItemListView* listView, Item* item, const QString& kind,
                       bool searchMode, QWidget* parent, const QString& groupName)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ItemDialogBase>())
    , m_collection(collection)
    , m_listView(listView)
{
    Q_ASSERT(collection);
    m_ui->setupUi(this);
    setModal(true);
    // The editor's own lower limit is 14.09.1752, which would move the date of an old picture or
    // coin there on the next save; the earliest date it can hold is the first day of year 100.
    m_ui->buyQDateEdit->setMinimumDate(QDate(100, 1, 1));
    connectWidgets();
    configureForVariant();
    m_pictureViewerProgram = settingText(PictureViewerKey, QString());
    m_wwwProgram = settingText(WwwProgramKey, QString());
    installValidators();
    m_ui->nameLineEdit->setFocus();
    // The link buttons follow their fields from here on; the fields start out empty.
    wwwFieldChanged_slot();
    receiptFieldChangedSlot();
    documentChangedSlot();

    if (m_collection->count() > 0 && item) {
        setCurrentItem(item);
        showItem(item);
        ShowPage(kind);
    } else if (m_collection->count() > 0 && searchMode) {
        ResetSlot();
    } else {
        // An empty database has nothing to search for or show: the dialog starts a new Item,
        // in the group it was opened from.
        newItem_slot();
        m_ui->groupComboBox->setCurrentIndex(0);
        const int group = m_ui->groupComboBox->findText(groupName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (group >= 0)
            m_ui->groupComboBox->setCurrentIndex(group);
    }

    if (GetLanguage() == "en")
        m_ui->helpPushButton->setEnabled(false);
    restoreDialogGeometry();
}

ItemDialog::~ItemDialog() = default;

Item* ItemDialog::currentItem() const
{
    return m_currentItem;
}

bool ItemDialog::ownsCurrentItem() const
{
    return m_ownedItem != nullptr;
}

void ItemDialog::connectWidgets()
{
    Ui::ItemDialogBase& ui = *m_ui;
    connect(ui.buttonOk, &QPushButton::clicked, this, &ItemDialog::accept);
    connect(ui.buttonCancel, &QPushButton::clicked, this, &ItemDialog::reject);
    connect(ui.PrevPushButton, &QPushButton::clicked, this, &ItemDialog::PreviousSlot);
    connect(ui.NextPushButton, &QPushButton::clicked, this, &ItemDialog::NextSlot);
    connect(ui.helpPushButton, &QPushButton::clicked, this, &ItemDialog::help_slot);
    connect(ui.CopyPushButton, &QPushButton::clicked, this, &ItemDialog::copy_slot);
    connect(ui.newPushButton, &QPushButton::clicked, this, &ItemDialog::newItem_slot);
    connect(ui.resetPushButton, &QPushButton::clicked, this, &ItemDialog::ResetSlot);
    connect(ui.seachPushButton, &QPushButton::clicked, this, &ItemDialog::seach_slot);
    connect(ui.SearchAgainButton, &QPushButton::clicked, this, &ItemDialog::SearchAgainSlot);
    connect(ui.printButton, &QPushButton::clicked, this, &ItemDialog::print_Slot);
    connect(ui.showWwwPushButton, &QPushButton::clicked, this, &ItemDialog::showWww_slot);
    connect(ui.browsePhotoPushButton, &QPushButton::clicked, this, &ItemDialog::browsePhoto_slot);
    connect(ui.showPhotoPushButton, &QPushButton::clicked, this, &ItemDialog::showPhoto_slot);
    connect(ui.browseReceiptPushButton, &QPushButton::clicked, this, &ItemDialog::browseReceipt_slot);
    connect(ui.showReceiptPushButton, &QPushButton::clicked, this, &ItemDialog::showReceipt_slot);
    connect(ui.insertDocumentPushButton, &QPushButton::clicked, this, &ItemDialog::InsertDocumentSlot);
    connect(ui.showDocumentPushButton, &QPushButton::clicked, this, &ItemDialog::ShowDocumentSlot);
    connect(ui.ViewCurrentAsHtmlPushButton, &QPushButton::clicked, this, &ItemDialog::ShowAsHTMLSlot);

    connect(ui.wwwLineEdit, &QLineEdit::textChanged, this, &ItemDialog::wwwFieldChanged_slot);
    connect(ui.photolinkLineEdit, &QLineEdit::textChanged, this, &ItemDialog::photoFieldChangedSlot);
    connect(ui.receiptLineEdit, &QLineEdit::textChanged, this, &ItemDialog::receiptFieldChangedSlot);
    connect(ui.documentLineEdit, &QLineEdit::textChanged, this, &ItemDialog::documentChangedSlot);
    // Only what the user types: countChanged_slot() would write into the stored Item, which a
    // cancelled dialog must leave as it was.
    connect(ui.numberOfItemsLineEdit, &QLineEdit::textEdited, this, &ItemDialog::showTypedTotal);
    connect(ui.priceLineEdit, &QLineEdit::textEdited, this, &ItemDialog::showTypedTotal);
    connect(ui.primaryTabWidget, &QTabWidget::currentChanged, this,
            [this](int index) { currentPageChangedSlot(m_ui->primaryTabWidget->widget(index)); });

    // The pages' pictures follow the size of their labels.
    ui.pixmapPictureLabel->installEventFilter(this);
    ui.pixmapReceipt->installEventFilter(this);
}

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

void ItemDialog::configureForVariant()
{
    Ui::ItemDialogBase& ui = *m_ui;
    const bool enableCount = openSettings()->value(QLatin1StringView(EnableCountKey), false).toBool();

    ui.groupComboBox->clear();
    ui.groupComboBox->addItems(m_collection->groups().entries());
    ui.locationComboBox->clear();
    ui.locationComboBox->addItems(m_collection->locations().entries());
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
        if (m_collection->isReadOnly()) {
            for (QPushButton* button : { ui.savePushButton, ui.buttonOk, ui.newPushButton, ui.CopyPushButton })
                button->setEnabled(false);
        }
    } else if (language != "dk") {
        ui.helpPushButton->setEnabled(false);
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
}

void ItemDialog::ShowValidateError(const QString& Error)
{
    if (Error.isEmpty())
        return;
    MessageBoxes::critical(this, tr("Felt grænseværdi fejl"), Error + QStringLiteral("\n\n") + tr("Ret det !"));
}

bool ItemDialog::ShowPage(const QString& PageName)
{
    QWidget* page = nullptr;
    if (PageName == QLatin1StringView("DATA"))
        page = m_ui->basicPage;
    else if (PageName == QLatin1StringView("PICTURE"))
        page = m_ui->picturePage;
    else if (PageName == QLatin1StringView("RECEIPT"))
        page = m_ui->receiptPage;
    if (!page)
        return false;
    m_ui->primaryTabWidget->setCurrentWidget(page);
    return true;
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

void ItemDialog::accept()
{
    if (!save_slot())
        return;
    storeDialogGeometry();
    QDialog::accept();
}

void ItemDialog::browsePhoto_slot()
{
    const QString filter = tr("Billed fil (*.bmp *.jpg *.jpeg *.gif *.png *.mng *.pnm *.xbm *.xpm);;Alle (*.*)");
    if (!chooseFile(PicturePathKey, filter, m_ui->photolinkLineEdit))
        return;
    const QString link = m_ui->photolinkLineEdit->text();
    if (isPictureFile(link))
        setTabEnabled(m_ui->picturePage, true);
    m_picture = QPixmap(link);
    m_ui->pixmapPictureLabel->setPixmap(m_picture);
}

void ItemDialog::browseReceipt_slot()
{
    chooseFile(ReceiptPathKey, tr("Kvittering (*.bmp *.jpg *.jpeg *.gif *.tif *.txt *.htm);;Alle (*.*)"),
               m_ui->receiptLineEdit);
}

void ItemDialog::InsertDocumentSlot()
{
    chooseFile(DocumentPathKey, tr("Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)"),
               m_ui->documentLineEdit);
}

bool ItemDialog::chooseFile(const char* settingsKey, const QString& filter, QLineEdit* target)
{
    FileDialogs::Request request;
    // A name that does not exist yet may be chosen: the file can be put there later.
    request.mode = FileDialogs::Mode::Save;
    request.directory = settingText(settingsKey, defaultFileFolder());
    request.filter = filter;
    const FileDialogs::Answer answer = FileDialogs::ask(this, request);
    if (answer.fileName.isEmpty())
        return false;
    target->setText(QDir::toNativeSeparators(answer.fileName));
    return true;
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

void ItemDialog::help_slot()
{
    ShellOpenFile(dialogHelpPageName(DialogHelp::ItemDialog, GetProgramVariant(), GetLanguage()), QString(), false);
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

    const int group = ui.groupComboBox->currentIndex();
    configureForVariant();
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

void ItemDialog::showPhoto_slot()
{
    OpenWithProgram(m_pictureViewerProgram, m_ui->photolinkLineEdit->text());
}

void ItemDialog::showReceipt_slot()
{
    // Coins and pictures keep a second picture here, household items and stock a receipt.
    if (isMintora() || isPictova())
        OpenWithProgram(m_pictureViewerProgram, m_ui->receiptLineEdit->text());
    else
        OpenWithAssociatedProgram(m_ui->receiptLineEdit->text());
}

void ItemDialog::showWww_slot()
{
    OpenWithProgram(m_wwwProgram, m_ui->wwwLineEdit->text());
}

void ItemDialog::ShowDocumentSlot()
{
    OpenWithAssociatedProgram(m_ui->documentLineEdit->text());
}

void ItemDialog::print_Slot()
{
    QPrinter printer(QPrinter::ScreenResolution);
    if (!PrintDialogs::ask(this, &printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(QFont(QStringLiteral("Courier"), 10, QFont::Normal));
    paintItem(painter);
    painter.end();
}

void ItemDialog::paintItem(QPainter& painter) const
{
    // The stored Item is printed, not what the form holds unsaved.
    if (!m_currentItem)
        return;
    const Item& item = *m_currentItem;
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.ascent() + metrics.descent();
    int baseline = lineHeight + metrics.ascent();
    auto line = [&painter, &baseline, lineHeight](const QString& label, const QString& value) {
        painter.drawText(60, baseline, label);
        painter.drawText(60 + 200, baseline, value);
        baseline += lineHeight;
    };

    line(headerText(GroupColumn), entryOf(m_collection->groups(), item.type()));
    line(headerText(NameColumn), item.name());
    line(headerText(ProductColumn), item.product());
    line(headerText(ProductModelColumn), item.productModel());
    line(headerText(CountColumn), item.numberOfItemsText());
    line(headerText(PriceColumn), item.priceText(PriceDecimals));
    if (!isPictova())
        line(tr("TotalPrice"), item.valueText());
    line(headerText(PriceTodayColumn), item.priceTodayText(PriceDecimals));
    line(headerText(DateColumn), item.date());
    line(headerText(LocationColumn), entryOf(m_collection->locations(), item.location()));
    line(headerText(SupplierColumn), item.supplier());
    line(headerText(AddressColumn), item.address());
    line(headerText(SerialnoColumn), item.serialno());
    line(headerText(DescriptionColumn), item.description());
    line(headerText(PictureColumn), item.photolink());
    line(headerText(WwwColumn), item.www());
    line(headerText(ReceiptColumn), item.receipt());
    line(headerText(DocumentColumn), item.document());
    line(headerText(Extra1Column), item.extra1());
    line(headerText(Extra1Column + 1), item.extra2());
    line(headerText(Extra1Column + 2), item.extra3());
    line(headerText(Extra1Column + 3), item.extra4());
}

void ItemDialog::wwwFieldChanged_slot()
{
    m_ui->showWwwPushButton->setEnabled(!m_ui->wwwLineEdit->text().isEmpty());
}

void ItemDialog::photoFieldChangedSlot()
{
    const QString link = m_ui->photolinkLineEdit->text();
    if (!link.isEmpty() && isPictureFile(link)) {
        m_ui->showPhotoPushButton->setEnabled(true);
        setTabEnabled(m_ui->picturePage, true);
    } else {
        clearPicturePage();
    }
    updateThumbnail();
}

void ItemDialog::receiptFieldChangedSlot()
{
    const QString link = m_ui->receiptLineEdit->text();
    m_ui->showReceiptPushButton->setEnabled(!link.isEmpty());
    setTabEnabled(m_ui->receiptPage, !link.isEmpty() && isPictureFile(link));
}

void ItemDialog::CreatePictureOnPicturePage()
{
    showLinkedPicture(m_ui->photolinkLineEdit->text(), m_picture, m_ui->pixmapPictureLabel);
}

void ItemDialog::CreatePictureOnReceiptPage()
{
    showLinkedPicture(m_ui->receiptLineEdit->text(), m_receiptPicture, m_ui->pixmapReceipt);
}

void ItemDialog::showLinkedPicture(const QString& link, QPixmap& picture, QLabel* label)
{
    // A link that names no picture shows none, rather than the picture of the Item shown before.
    picture = isPictureFile(link) ? QPixmap(link) : QPixmap();
    showScaled(label, picture);
}

void ItemDialog::currentPageChangedSlot(QWidget* page)
{
    if (!page)
        return;
    if (page == m_ui->picturePage)
        CreatePictureOnPicturePage();
    else if (page == m_ui->receiptPage)
        CreatePictureOnReceiptPage();
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

void ItemDialog::documentChangedSlot()
{
    m_ui->showDocumentPushButton->setEnabled(!m_ui->documentLineEdit->text().isEmpty());
}

void ItemDialog::ShowAsHTMLSlot()
{
    if (m_listView)
        m_listView->ViewCurrentAsHTML();
}

void ItemDialog::closeEvent(QCloseEvent* e)
{
    storeDialogGeometry();
    QDialog::closeEvent(e);
}

bool ItemDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_ui->pixmapPictureLabel && !m_picture.isNull())
            showScaled(m_ui->pixmapPictureLabel, m_picture);
        else if (watched == m_ui->pixmapReceipt && !m_receiptPicture.isNull())
            showScaled(m_ui->pixmapReceipt, m_receiptPicture);
    }
    return QDialog::eventFilter(watched, event);
}

void ItemDialog::on_savePushButton_clicked()
{
    save_slot();
}

void ItemDialog::setCurrentItem(Item* item)
{
    if (m_ownedItem && m_ownedItem.get() != item)
        m_ownedItem.reset();
    m_currentItem = item;
}

void ItemDialog::setOwnedItem(std::unique_ptr<Item> item)
{
    m_currentItem = item.get();
    m_ownedItem = std::move(item);
}

void ItemDialog::clearPicturePage()
{
    m_ui->pixmapPictureLabel->setText(QString());
    m_ui->ImageIconTextLabel->setText(QString());
    m_picture = QPixmap();
    m_ui->showPhotoPushButton->setEnabled(false);
    setTabEnabled(m_ui->picturePage, false);
}

void ItemDialog::clearReceiptPage()
{
    m_ui->pixmapReceipt->setText(QString());
    m_receiptPicture = QPixmap();
}

void ItemDialog::updateThumbnail()
{
    QLabel* label = m_ui->ImageIconTextLabel;
    const QString link = m_ui->photolinkLineEdit->text();
    if (!isPictureFile(link)) {
        label->setText(QStringLiteral(" "));
        return;
    }
    label->setPixmap(scaledToLabel(QPixmap(link), label->size()));
}

void ItemDialog::setTabEnabled(QWidget* page, bool enabled)
{
    const int index = m_ui->primaryTabWidget->indexOf(page);
    if (index >= 0)
        m_ui->primaryTabWidget->setTabEnabled(index, enabled);
}

void ItemDialog::selectRowOf(Item* item)
{
    if (!m_listView || !item)
        return;
    QTreeWidgetItem* row = m_listView->FindListViewItem(item);
    if (funiQListViewItem::itemOf(row) == item)
        m_listView->ItemSelected(row);
}

void ItemDialog::storeDialogGeometry() const
{
    const auto settings = openSettings();
    settings->beginGroup(QLatin1StringView(GeometryGroup));
    settings->setValue(QLatin1StringView(WidthKey), width());
    settings->setValue(QLatin1StringView(HeightKey), height());
    settings->setValue(QLatin1StringView(XKey), x());
    settings->setValue(QLatin1StringView(YKey), y());
}

void ItemDialog::restoreDialogGeometry()
{
    const auto settings = openSettings();
    settings->beginGroup(QLatin1StringView(GeometryGroup));
    resize(settings->value(QLatin1StringView(WidthKey), DefaultWidth).toInt(),
           settings->value(QLatin1StringView(HeightKey), DefaultHeight).toInt());
    move(settings->value(QLatin1StringView(XKey), DefaultPosition).toInt(),
         settings->value(QLatin1StringView(YKey), DefaultPosition).toInt());
}
