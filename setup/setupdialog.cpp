#include "setupdialog.h"

#include "ui_setupdialogBase.h"

#include "DBItemCollection.h"
#include "HelpPages.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "ShellHelpers.h"
#include "handlebarcodes.h"

#include <QDebug>
#include <QListWidget>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// A name never holds the field separator of a database line, and is no longer than a line
// can carry back whole.
constexpr char NamePattern[] = "[^;]{0,199}";

// The list column whose caption names the item field a kind of list fills.
constexpr int GroupColumn = 0;
constexpr int LocationColumn = 10;
constexpr int SupplierColumn = 12;

// The default captions of those columns, so that the translation files carry them for a
// database that names no fields of its own.
[[maybe_unused]] constexpr const char* DefaultCaptions[] = {
    QT_TRANSLATE_NOOP("setupdialog", "Gruppe"),
    QT_TRANSLATE_NOOP("setupdialog", "Rum"),
    QT_TRANSLATE_NOOP("setupdialog", "Leverandør"),
};

int captionColumn(int kind)
{
    switch (kind) {
    case setupdialog::Locations:
        return LocationColumn;
    case setupdialog::Suppliers:
        return SupplierColumn;
    default:
        return GroupColumn;
    }
}

} // namespace

setupdialog::setupdialog(ItemListView* listView, DBItemCollection* collection, int kind, QWidget* parent,
                         const QString& name, bool modal, LogXML* log)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::setupdialogBase>())
    , m_listView(listView)
    , m_collection(collection)
    , m_log(log)
    , m_kind(kind == Locations || kind == Suppliers ? kind : Groups)
{
    m_ui->setupUi(this);
    setObjectName(name);
    setModal(modal);

    m_ui->selectedItemLineEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QLatin1StringView(NamePattern)), this));

    connect(m_ui->addButton, &QPushButton::clicked, this, &setupdialog::AddSlot);
    connect(m_ui->DeleteButton, &QPushButton::clicked, this, &setupdialog::DeleteSlot);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &setupdialog::SaveSlot);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &setupdialog::OKSlot);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this, &setupdialog::HelpSlot);
    connect(m_ui->printButton, &QPushButton::clicked, this, &setupdialog::PrintSlot);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &setupdialog::reject);
    // Connected before the list is filled, so that the first entry arrives in the edit field.
    connect(m_ui->listLineEdit, &QListWidget::currentItemChanged, this, &setupdialog::listLineEdit_highlighted);

    m_ui->typeLabel->setText(listCaption(m_kind));

    if (m_kind == Groups && isStockvane()) {
        m_ui->printButton->setText(tr("PRINT_BARCODE"));
        m_ui->printButton->setToolTip(tr("TOOLTIP_PRINT_BARCODE"));
        m_ui->printButton->setWhatsThis(tr("WHATSHIS_PRINT_LOCATION_BARCODE"));
    } else {
        m_ui->printButton->hide();
    }

    if (m_collection) {
        m_ui->listLineEdit->addItems(list().entries());
        if (m_ui->listLineEdit->count() > 0)
            m_ui->listLineEdit->setCurrentRow(0);
    }

    m_ui->buttonHelp->setVisible(isDomvara() && GetLanguage() != "en");
}

setupdialog::~setupdialog() = default;

QString setupdialog::listCaption(int kind)
{
    const QByteArray header = ItemListView::columnHeaderText(captionColumn(kind));
    return QCoreApplication::translate("setupdialog", QString::fromLatin1(header).toUtf8().constData());
}

LookupList& setupdialog::list() const
{
    switch (m_kind) {
    case Locations:
        return m_collection->locations();
    case Suppliers:
        return m_collection->suppliers();
    default:
        return m_collection->groups();
    }
}

void setupdialog::listLineEdit_highlighted(QListWidgetItem* item)
{
    m_highlighted = item;
    if (item)
        m_ui->selectedItemLineEdit->setText(item->text());
}

bool setupdialog::nameInUse(const QString& name) const
{
    if (m_collection && list().contains(name))
        return true;
    // A prefix counts as taken too: "stue" beside "Stue 2" would be told apart only by the end.
    const QListWidget* entries = m_ui->listLineEdit;
    for (int row = 0; row < entries->count(); ++row) {
        if (entries->item(row)->text().startsWith(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void setupdialog::refuse(const QString& title, const QString& text)
{
    MessageBoxes::critical(this, title, text);
}

void setupdialog::AddSlot()
{
    if (!m_collection)
        return;
    if (m_ui->listLineEdit->count() >= list().maxEntries()) {
        refuse(tr("SETUP_WARNING"), tr("SETUP_MAX_LIMIT_REACHED"));
        return;
    }
    const QString name = m_ui->selectedItemLineEdit->text();
    if (name.isEmpty())
        return;
    if (nameInUse(name)) {
        refuse(tr("Fejl indtastning"), tr("Dette navn er allerede anvendt"));
        return;
    }
    m_ui->listLineEdit->addItem(name);
    m_structureChanged = true;
}

void setupdialog::DeleteSlot()
{
    if (!m_collection)
        return;
    // Items keep the position of their group or location. A list shorter than the highest
    // position in use would leave items pointing past its end, so that is refused; which entry
    // goes is the user's choice.
    const int entries = m_ui->listLineEdit->count();
    if (m_kind == Groups && m_collection->maxGroup() + 1 >= entries) {
        refuse(tr("Fejl"), tr("Kan ikke have færre grupper end i databasen - omplacer evt. domvara til andre grupper"));
        return;
    }
    if (m_kind == Locations && m_collection->maxLocation() + 1 >= entries) {
        refuse(tr("Fejl"), tr("Kan ikke have færre lokaler end dem der allerede er i databasen"));
        return;
    }
    const int row = m_ui->listLineEdit->currentRow();
    if (row < 0)
        return;
    QListWidgetItem* taken = m_ui->listLineEdit->takeItem(row);
    if (taken == m_highlighted)
        m_highlighted = nullptr;
    delete taken;
    m_structureChanged = true;
}

void setupdialog::SaveSlot()
{
    save();
}

bool setupdialog::save()
{
    if (!m_collection)
        return true;
    // The list files lie beside a database another user holds. Their items refer to positions
    // in these lists, so a reader must not rename, add or remove entries under them.
    if (m_collection->isReadOnly()) {
        refuse(tr("SETUP_WARNING"), tr("SETUP_READ_ONLY"));
        return false;
    }
    QListWidget* entries = m_ui->listLineEdit;
    // A rename is taken only while no entry has moved: after an add or a delete the current
    // position may no longer be the entry the user had in mind.
    const int row = entries->currentRow();
    if (row >= 0 && !m_structureChanged) {
        const QString name = m_ui->selectedItemLineEdit->text();
        entries->item(row)->setText(name);
        if (m_kind == Groups && m_listView && row < m_listView->GetNumberOfGroups())
            m_listView->UpdateGroupItemName(row, name);
    }

    QStringList names;
    names.reserve(entries->count());
    for (int i = 0; i < entries->count(); ++i)
        names.append(entries->item(i)->text());
    list().setEntries(names);
    // Written the safe way: a failed write leaves the old list files as they were.
    m_collection->saveLookupLists();

    if (m_structureChanged && m_listView)
        m_listView->rebuildList();
    m_structureChanged = false;
    return true;
}

void setupdialog::OKSlot()
{
    // A refused save keeps the dialog open, so that the box is not taken for a saved list.
    if (save())
        accept();
}

void setupdialog::HelpSlot()
{
    DialogHelp page = DialogHelp::SetupGroups;
    if (m_kind == Locations)
        page = DialogHelp::SetupLocations;
    else if (m_kind == Suppliers)
        page = DialogHelp::SetupSuppliers;
    const QString name = dialogHelpPageName(page, GetProgramVariant(), GetLanguage());
    if (!name.isEmpty())
        ShellOpenFile(name, QString(), false);
}

void setupdialog::PrintSlot()
{
    if (!isStockvane()) {
        qDebug() << "NOT Stockvane";
        return;
    }
    if (!m_highlighted)
        return;
    const QString name = m_ui->selectedItemLineEdit->text();
    if (name.isEmpty()) {
        refuse(tr("SETUP_ERROR"), tr("NO_ITEM_SELECTED"));
        return;
    }
    printLocationLabel(m_ui->listLineEdit->row(m_highlighted), name);
}

void setupdialog::printLocationLabel(int position, const QString& name)
{
    qDebug() << "Stockvane";
    qDebug().noquote() << QStringLiteral("Index %1").arg(position);

    PrintLocationLabel(position, name, m_log);
}
