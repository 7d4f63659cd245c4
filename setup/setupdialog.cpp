#include "setupdialog.h"

#include "ui_setupdialogBase.h"

#include "DBItemCollection.h"
#include "HelpPages.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "UndoHistory.h"
#include "ProgramVariant.h"
#include "ShellHelpers.h"
#include "StorableTextValidator.h"
#include "handlebarcodes.h"

#include <QDebug>
#include <QListWidget>

#include <algorithm>

namespace {

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

    // The rules of the item dialog's text fields: no field separator, no longer than a line
    // carries back whole, and only what the Latin-1 list files can hold, each change told in
    // the notice line rather than turned into "?" when the file is written.
    StorableTextValidator::install({ m_ui->selectedItemLineEdit }, m_ui->noticeLabel);

    connect(m_ui->addButton, &QPushButton::clicked, this, &setupdialog::AddSlot);
    connect(m_ui->DeleteButton, &QPushButton::clicked, this, &setupdialog::DeleteSlot);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &setupdialog::SaveSlot);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &setupdialog::OKSlot);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this, &setupdialog::HelpSlot);
    connect(m_ui->printButton, &QPushButton::clicked, this, &setupdialog::PrintSlot);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &setupdialog::reject);
    // Connected before the list is filled, so that the first entry arrives in the edit field.
    connect(m_ui->listLineEdit, &QListWidget::currentItemChanged, this, &setupdialog::listLineEdit_highlighted);

    // The caption comes from the field labels file: shown as written, never read as markup.
    m_ui->typeLabel->setTextFormat(Qt::PlainText);
    m_ui->typeLabel->setText(listCaption(m_kind));

    if (m_kind == Groups && isStockvane()) {
        m_ui->printButton->setText(tr("PRINT_BARCODE"));
        m_ui->printButton->setToolTip(tr("TOOLTIP_PRINT_BARCODE"));
        m_ui->printButton->setWhatsThis(tr("WHATSHIS_PRINT_LOCATION_BARCODE"));
    } else {
        m_ui->printButton->hide();
    }

    if (m_collection) {
        QListWidget* entries = m_ui->listLineEdit;
        entries->addItems(list().entries());
        if (holdsPositions()) {
            for (int row = 0; row < entries->count(); ++row)
                entries->item(row)->setHidden(entries->item(row)->text().isEmpty());
        }
        selectShownEntry(0);
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
    StorableTextValidator::clearNotice(m_ui->noticeLabel);
    if (item)
        m_ui->selectedItemLineEdit->setText(item->text());
}

bool setupdialog::nameInUse(const QString& name, int exceptRow) const
{
    const QListWidget* entries = m_ui->listLineEdit;
    for (int row = 0; row < entries->count(); ++row) {
        if (row != exceptRow && entries->item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool setupdialog::holdsPositions() const
{
    return m_kind == Groups || m_kind == Locations;
}

int setupdialog::itemsUsing(int position) const
{
    int users = 0;
    for (const auto& item : m_collection->items()) {
        if ((m_kind == Groups ? item->type() : item->location()) == position)
            ++users;
    }
    return users;
}

void setupdialog::selectShownEntry(int row)
{
    QListWidget* entries = m_ui->listLineEdit;
    for (int r = std::max(row, 0); r < entries->count(); ++r) {
        if (!entries->item(r)->isHidden()) {
            entries->setCurrentRow(r);
            return;
        }
    }
    for (int r = std::min(row, int(entries->count())) - 1; r >= 0; --r) {
        if (!entries->item(r)->isHidden()) {
            entries->setCurrentRow(r);
            return;
        }
    }
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
    if (name.isEmpty()) {
        refuse(tr("Fejl indtastning"), tr("SETUP_NAME_EMPTY"));
        return;
    }
    if (nameInUse(name)) {
        refuse(tr("Fejl indtastning"), tr("Dette navn er allerede anvendt"));
        return;
    }
    // Always at the end: an emptied place stays empty, so nothing printed or stored for it
    // ever names the new entry.
    m_ui->listLineEdit->addItem(name);
    m_structureChanged = true;
}

void setupdialog::DeleteSlot()
{
    if (!m_collection)
        return;
    QListWidget* entries = m_ui->listLineEdit;
    const int row = entries->currentRow();
    if (row < 0 || entries->item(row)->isHidden())
        return;
    auto removeRow = [this, entries](int r) {
        QListWidgetItem* taken = entries->takeItem(r);
        if (taken == m_highlighted)
            m_highlighted = nullptr;
        delete taken;
    };
    if (!holdsPositions()) {
        removeRow(row);
        m_structureChanged = true;
        return;
    }

    const int users = itemsUsing(row);
    if (users > 0) {
        refuse(tr("Fejl"), tr("SETUP_ENTRY_IN_USE").arg(QString::number(users), entries->item(row)->text()));
        return;
    }
    // One named entry always stays: a new item goes into it.
    int named = 0;
    for (int r = 0; r < entries->count(); ++r)
        named += entries->item(r)->text().isEmpty() ? 0 : 1;
    if (named <= 1) {
        if (m_kind == Groups)
            refuse(tr("Fejl"),
                   tr("Kan ikke have færre grupper end i databasen - omplacer evt. domvara til andre grupper"));
        else
            refuse(tr("Fejl"), tr("Kan ikke have færre lokaler end dem der allerede er i databasen"));
        return;
    }
    if (row == entries->count() - 1) {
        // The last entry goes, and with it the empty places before it that nobody uses.
        removeRow(row);
        while (entries->count() > 0 && entries->item(entries->count() - 1)->text().isEmpty()
               && itemsUsing(entries->count() - 1) == 0)
            removeRow(entries->count() - 1);
    } else {
        // The later entries keep their positions: this one stays as an empty place.
        entries->item(row)->setText(QString());
        entries->item(row)->setHidden(true);
    }
    m_structureChanged = true;
    selectShownEntry(row);
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
    QStringList names;
    names.reserve(entries->count());
    for (int i = 0; i < entries->count(); ++i)
        names.append(entries->item(i)->text());

    // A rename is taken only while no entry was added or deleted since the last save: after
    // that the edit field holds what was added or deleted, not a new name for the current entry.
    const int row = entries->currentRow();
    const QString name = m_ui->selectedItemLineEdit->text();
    const bool renamed = row >= 0 && !m_structureChanged && !entries->item(row)->isHidden() && name != names[row];
    if (renamed) {
        // Only the case of its own name may change; another entry's name, or none, is refused.
        if (name.isEmpty()) {
            refuse(tr("Fejl indtastning"), tr("SETUP_NAME_EMPTY"));
            return false;
        }
        if (nameInUse(name, row)) {
            refuse(tr("Fejl indtastning"), tr("Dette navn er allerede anvendt"));
            return false;
        }
        names[row] = name;
    }

    static constexpr DBItemCollection::ListKind Kinds[]
        = { DBItemCollection::ListKind::Groups, DBItemCollection::ListKind::Groups,
            DBItemCollection::ListKind::Locations, DBItemCollection::ListKind::Suppliers };
    // Written the safe way: a failed write leaves the old list file as it was.
    const QStringList before = list().entries();
    const bool saved = m_collection->saveLookupList(Kinds[m_kind], names);
    // Refused (a folder another program has locked): the database's list is as it was.
    if (list().entries() != names)
        return false;
    // Each save of the editor is one step to undo.
    if (m_listView)
        m_listView->undoHistory()->listEdited(*m_collection, Kinds[m_kind], before, names, listCaption(m_kind));
    if (renamed) {
        entries->item(row)->setText(name);
        if (m_kind == Groups && m_listView && row < m_listView->GetNumberOfGroups())
            m_listView->UpdateGroupItemName(row, name);
    }
    if (m_structureChanged && m_listView)
        m_listView->rebuildList();
    m_structureChanged = false;
    return saved;
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
