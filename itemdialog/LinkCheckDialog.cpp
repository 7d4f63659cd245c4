#include "LinkCheckDialog.h"

#include "ui_LinkCheckDialogBase.h"

#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "UndoHistory.h"
#include "WaitCursor.h"

#include <QDir>
#include <QHeaderView>

namespace {

enum Column { ItemColumn, KindColumn, LinkColumn, FoundColumn };

QString fieldName(Item::TextField field)
{
    switch (field) {
    case Item::Photolink:
        return isMintora() ? LinkCheckDialog::tr("LINK_KIND_FRONT") : LinkCheckDialog::tr("LINK_KIND_PICTURE");
    case Item::Receipt:
        return isMintora() ? LinkCheckDialog::tr("LINK_KIND_BACK")
            : isDomvara()  ? LinkCheckDialog::tr("LINK_KIND_RECEIPT")
                           : LinkCheckDialog::tr("LINK_KIND_PICTURE2");
    default:
        return LinkCheckDialog::tr("LINK_KIND_DOCUMENT");
    }
}

} // namespace

LinkCheckDialog::LinkCheckDialog(DBItemCollection* collection, ItemListView* listView, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::LinkCheckDialogBase>())
    , m_collection(collection)
    , m_listView(listView)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("LinkCheckDialog"));
    m_ui->missingLinksTreeWidget->header()->setStretchLastSection(true);
    m_ui->missingLinksTreeWidget->setColumnWidth(ItemColumn, 180);
    m_ui->missingLinksTreeWidget->setColumnWidth(KindColumn, 90);
    m_ui->missingLinksTreeWidget->setColumnWidth(LinkColumn, 260);
    connect(m_ui->openItemPushButton, &QPushButton::clicked, this, &LinkCheckDialog::openItemSlot);
    connect(m_ui->missingLinksTreeWidget, &QTreeWidget::itemDoubleClicked, this, &LinkCheckDialog::openItemSlot);
    connect(m_ui->searchFolderPushButton, &QPushButton::clicked, this, &LinkCheckDialog::searchFolderSlot);
    connect(m_ui->relinkPushButton, &QPushButton::clicked, this, &LinkCheckDialog::relinkSlot);
    connect(m_ui->closePushButton, &QPushButton::clicked, this, &QDialog::close);
    refresh();
}

LinkCheckDialog::~LinkCheckDialog() = default;

int LinkCheckDialog::missingCount() const
{
    return int(m_missing.size());
}

void LinkCheckDialog::refresh()
{
    const WaitCursor wait;
    m_missing = m_collection ? LinkCheck::findMissing(*m_collection) : std::vector<LinkCheck::MissingLink>();
    m_plan = {};
    showPlan();
}

void LinkCheckDialog::showPlan()
{
    QTreeWidget* list = m_ui->missingLinksTreeWidget;
    list->clear();
    // What a search found for each link, by item and field.
    QHash<QPair<Item*, int>, QString> found;
    for (const auto& change : m_plan.changes)
        found.insert({ change.item, int(change.field) }, QDir::toNativeSeparators(change.newLink));
    QHash<QString, QString> ambiguous;
    for (const auto& [name, places] : m_plan.ambiguous)
        ambiguous.insert(name, tr("LINK_FOUND_MORE_THAN_ONCE %1").arg(places.size()));
    const bool searched = !m_plan.changes.empty() || !m_plan.ambiguous.empty() || !m_plan.notFound.isEmpty();

    QList<QTreeWidgetItem*> rows;
    for (std::size_t index = 0; index < m_missing.size(); ++index) {
        const LinkCheck::MissingLink& missing = m_missing[index];
        auto* row = new QTreeWidgetItem;
        row->setText(ItemColumn, missing.item->name());
        row->setText(KindColumn, fieldName(missing.field));
        row->setText(LinkColumn, missing.link);
        row->setData(ItemColumn, Qt::UserRole, qulonglong(index));
        if (searched) {
            const QString name = LinkCheck::linkFileName(missing.link);
            QString text = found.value({ missing.item, int(missing.field) });
            if (text.isEmpty())
                text = ambiguous.value(name, tr("LINK_NOT_FOUND"));
            row->setText(FoundColumn, text);
            if (ambiguous.contains(name)) {
                for (const auto& [ambiguousName, places] : m_plan.ambiguous) {
                    if (ambiguousName == name)
                        row->setToolTip(FoundColumn, QDir::toNativeSeparators(places.join(u'\n')));
                }
            }
        }
        rows.append(row);
    }
    list->addTopLevelItems(rows);
    if (!rows.isEmpty())
        list->setCurrentItem(rows.first());

    QString summary
        = m_missing.empty() ? tr("LINK_CHECK_ALL_FOUND") : tr("LINK_CHECK_MISSING %1").arg(m_missing.size());
    if (searched) {
        summary += u'\n'
            + tr("LINK_CHECK_PLAN %1 %2 %3")
                  .arg(m_plan.changes.size())
                  .arg(m_plan.ambiguous.size())
                  .arg(m_plan.notFound.size());
    }
    m_ui->summaryLabel->setText(summary);
    m_ui->openItemPushButton->setEnabled(!m_missing.empty());
    m_ui->searchFolderPushButton->setEnabled(!m_missing.empty());
    m_ui->relinkPushButton->setEnabled(!m_plan.changes.empty());
}

void LinkCheckDialog::openItemSlot()
{
    const QTreeWidgetItem* row = m_ui->missingLinksTreeWidget->currentItem();
    if (!row || !m_collection)
        return;
    const auto index = std::size_t(row->data(ItemColumn, Qt::UserRole).toULongLong());
    if (index >= m_missing.size())
        return;
    auto* dialog = new ItemDialog(m_collection, m_listView, m_missing[index].item, QStringLiteral("DATA"), false, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    // What the user mended by hand leaves the list when the item is closed.
    connect(dialog, &QObject::destroyed, this, &LinkCheckDialog::refresh);
    dialog->show();
}

void LinkCheckDialog::searchFolderSlot()
{
    if (m_missing.empty() || !m_collection)
        return;
    FileDialogs::Request request;
    request.mode = FileDialogs::Mode::Directory;
    request.caption = tr("LINK_CHECK_CHOOSE_FOLDER");
    request.directory = m_collection->databaseDir();
    const FileDialogs::Answer answer = FileDialogs::ask(this, request);
    if (answer.fileName.isEmpty())
        return;
    {
        const WaitCursor wait;
        m_plan = LinkCheck::planRelink(m_missing, answer.fileName, m_collection->databaseDir());
    }
    // Shown first; nothing changes until Relink.
    showPlan();
}

void LinkCheckDialog::relinkSlot()
{
    if (m_plan.changes.empty() || !m_collection)
        return;
    if (m_collection->isReadOnly()) {
        MessageBoxes::warning(this, tr("READ ONLY"), tr("READ ONLY MODE - No Save"));
        return;
    }
    // Two links of one item become one new value of the item.
    QList<std::pair<Item*, Item>> values;
    QHash<Item*, qsizetype> position;
    for (const auto& change : m_plan.changes) {
        auto at = position.find(change.item);
        if (at == position.end()) {
            at = position.insert(change.item, values.size());
            values.append({ change.item, *change.item });
        }
        values[*at].second.setText(change.field, change.newLink);
    }
    const int count = int(m_plan.changes.size());
    UndoHistory* history = m_listView ? m_listView->undoHistory() : nullptr;
    if (history) {
        history->changeItems(*m_collection, values, UndoHistory::tr("STEP_RELINK %1").arg(count));
    } else {
        for (const auto& [item, value] : values)
            *item = value;
        DBItemCollection::setModified(true);
    }
    refresh();
}
