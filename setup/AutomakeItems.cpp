#include "AutomakeItems.h"

#include "ui_AutomakeItems.h"

#include "DBItemCollection.h"
#include "Item.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "UndoHistory.h"
#include "StorableTextValidator.h"
#include "TextRules.h"
#include "WaitCursor.h"

#include <QDate>

namespace {

constexpr int MinBatch = 1;
constexpr int MaxBatch = 999;

} // namespace

AutomakeItems::AutomakeItems(DBItemCollection* collection, ItemListView* listView, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AutomakeItemsClass>())
    , m_collection(collection)
    , m_listView(listView)
{
    // setupUi connects the on_..._clicked and on_..._textChanged slots by their names.
    m_ui->setupUi(this);
    // The same rule as the item dialog's name field: no field separator, no longer than a line
    // carries back whole, and only what the Latin-1 file can hold, told in the notice line.
    StorableTextValidator::install({ m_ui->nameLineEdit }, m_ui->noticeLabel);
}

AutomakeItems::~AutomakeItems() = default;

int AutomakeItems::numberOfItems() const
{
    return m_numberOfItems;
}

void AutomakeItems::on_lineEdit_textChanged(const QString& text)
{
    // Digits only: "1.000" or "-5" is no number of items.
    const int number = TextRules::readWholeNumber(text).value_or(0);
    if (number >= MinBatch && number <= MaxBatch) {
        m_numberOfItems = number;
        return;
    }
    // Told at once, also when the field is emptied, so that the user never presses MakeItems
    // believing a batch is set.
    m_numberOfItems = 0;
    MessageBoxes::warning(this, tr("Warning"), tr("Number of items must be:\nGreater than 0 and less than 1000"));
}

void AutomakeItems::on_pushButtonMakeItems_clicked()
{
    if (!m_collection || m_numberOfItems == 0)
        return;
    // Another user holds the database: it can never be saved from here, so items made now would
    // be lost at the end of the session.
    if (m_collection->isReadOnly()) {
        MessageBoxes::warning(this, tr("Warning"), tr("AUTOMAKE_READ_ONLY"));
        return;
    }
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const QString name = m_ui->nameLineEdit->text();
    // The batch follows on from the highest number in the database, one number per item. Worked
    // out once, since each new item is the highest so far.
    QString number = m_collection->highestSerialNumber();
    // A batch of hundreds of rows takes a moment.
    const WaitCursor wait;
    std::vector<std::unique_ptr<Item>> items;
    for (int i = 0; i < m_numberOfItems; ++i) {
        auto item = std::make_unique<Item>();
        item->setNumber_of_items(1);
        item->setDate(today);
        item->setType(0);
        number = DBItemCollection::nextSerialNumber(number);
        item->setSerialno(number);
        item->setName(name);
        items.push_back(std::move(item));
    }
    // The batch is one step to undo; the history puts the rows in the list.
    if (m_listView) {
        m_listView->undoHistory()->addItems(*m_collection, std::move(items));
        return;
    }
    for (auto& item : items)
        m_collection->addItem(std::move(item));
}

void AutomakeItems::on_pushButtonClose_clicked()
{
    close();
}
