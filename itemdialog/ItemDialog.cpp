// The item dialog's construction, its geometry and printing (with its preview). Its other source files hold the
// look per product (ItemDialogLayout.cpp), editing and validation (ItemDialogEditing.cpp), search
// and stepping through the database (ItemDialogSearch.cpp), and the pictures, links and
// documents (ItemDialogPictures.cpp).

#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "ExportCommands.h"
#include "HelpPages.h"
#include "Item.h"
#include "ItemDialogPrivate.h"
#include "ItemListView.h"
#include "ItemPrinting.h"
#include "LookupComboBox.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "PrintLayout.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"

#include <QCloseEvent>
#include <QPrinter>

using namespace ItemDialogDetail;

namespace {

constexpr char GeometryGroup[] = "ItemDialog";
constexpr char WidthKey[] = "ItemDialogWidth";
constexpr char HeightKey[] = "ItemDialogHeight";
constexpr char XKey[] = "ItemDialogX";
constexpr char YKey[] = "ItemDialogY";
constexpr int DefaultWidth = 627;
constexpr int DefaultHeight = 539;
constexpr int DefaultPosition = 100;
constexpr char PictureViewerKey[] = "PictureViewerProgram";
constexpr char WwwProgramKey[] = "wwwProgram";

// The list columns whose headers label the printed lines.
using enum ItemListView::ColumnNumber;

} // namespace

namespace ItemDialogDetail {

QString dateFormat()
{
    return QStringLiteral("dd.MM.yyyy");
}

QString settingText(const char* key, const QString& defaultValue)
{
    return openSettings()->value(QLatin1StringView(key), defaultValue).toString();
}

QString entryOf(const LookupList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

QString headerText(int column)
{
    return QString::fromLatin1(ItemListView::columnHeaderText(column));
}

} // namespace ItemDialogDetail

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
        const int group = m_ui->groupComboBox->findText(groupName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (isOfferedEntry(m_ui->groupComboBox, group))
            m_ui->groupComboBox->setCurrentIndex(group);
    }

    if (GetLanguage() == "en")
        m_ui->helpPushButton->setEnabled(false);
    restoreDialogGeometry();
    markFormUnchanged();
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
    // The Cancel button throws unsaved changes away; closing the window otherwise asks first.
    connect(ui.buttonCancel, &QPushButton::clicked, this, [this] {
        m_discarding = true;
        reject();
    });
    connect(ui.PrevPushButton, &QPushButton::clicked, this, &ItemDialog::PreviousSlot);
    connect(ui.NextPushButton, &QPushButton::clicked, this, &ItemDialog::NextSlot);
    connect(ui.helpPushButton, &QPushButton::clicked, this, &ItemDialog::help_slot);
    connect(ui.CopyPushButton, &QPushButton::clicked, this, &ItemDialog::copy_slot);
    connect(ui.newPushButton, &QPushButton::clicked, this, &ItemDialog::newItem_slot);
    connect(ui.resetPushButton, &QPushButton::clicked, this, &ItemDialog::ResetSlot);
    connect(ui.seachPushButton, &QPushButton::clicked, this, &ItemDialog::seach_slot);
    connect(ui.SearchAgainButton, &QPushButton::clicked, this, &ItemDialog::SearchAgainSlot);
    connect(ui.printButton, &QPushButton::clicked, this, &ItemDialog::print_Slot);
    connect(ui.previewButton, &QPushButton::clicked, this, &ItemDialog::preview_Slot);
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

    // The pages' pictures follow the size of their labels. A note in their place names a file,
    // which is shown as it is written, never read as markup.
    for (QLabel* label : { ui.pixmapPictureLabel, ui.pixmapReceipt }) {
        label->installEventFilter(this);
        label->setTextFormat(Qt::PlainText);
    }
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

void ItemDialog::accept()
{
    if (!save_slot())
        return;
    storeDialogGeometry();
    QDialog::accept();
}

void ItemDialog::help_slot()
{
    ShellOpenFile(dialogHelpPageName(DialogHelp::ItemDialog, GetProgramVariant(), GetLanguage()), QString(), false);
}

void ItemDialog::print_Slot()
{
    printItem(false);
}

void ItemDialog::preview_Slot()
{
    printItem(true);
}

void ItemDialog::printItem(bool preview)
{
    // What the form shows is printed, unsaved edits included: the page is what the user sees.
    // Without an Item (a search) the page stays empty.
    const std::optional<Item> item = formItem();
    if (m_currentItem && !item)
        return;
    const ItemPrinting::Lines lines = item ? printedLines(*item) : ItemPrinting::Lines();
    QPrinter printer(QPrinter::HighResolution);
    PrintJob::run(preview ? PrintJob::Mode::Preview : PrintJob::Mode::Print, this, printer,
                  [&lines](QPrinter& pages) { return ItemPrinting::render(pages, lines); });
}

ItemPrinting::Lines ItemDialog::printedLines(const Item& item) const
{
    ItemPrinting::Lines lines;
    auto line = [&lines](const QString& label, const QString& value) { lines.emplace_back(label, value); };
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
    return lines;
}

void ItemDialog::ShowAsHTMLSlot()
{
    // The Item as the form shows it, unsaved edits included, like printing; in a search there
    // is none to show.
    if (const std::optional<Item> item = formItem())
        ExportCommands::ViewCurrentAsHTML(*m_collection, *item);
}

void ItemDialog::closeEvent(QCloseEvent* e)
{
    storeDialogGeometry();
    QDialog::closeEvent(e);
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
    m_ownedIsCopy = false;
}

void ItemDialog::setTabEnabled(QWidget* page, bool enabled)
{
    const int index = m_ui->primaryTabWidget->indexOf(page);
    if (index >= 0)
        m_ui->primaryTabWidget->setTabEnabled(index, enabled);
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
