#include "UndoHistory.h"

#include <QHash>
#include <QSet>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace {

// Puts the collection into a state: the items in that order with those values. Items of the
// collection that the state does not have go to spare; items the state has that the collection
// lacks come from spare.
void restore(DBItemCollection& collection, const UndoHistory::Snapshot& state,
             std::vector<std::unique_ptr<Item>>& spare)
{
    QHash<Item*, std::unique_ptr<Item>*> owners;
    std::vector<std::unique_ptr<Item>> current = collection.takeItems();
    owners.reserve(qsizetype(current.size() + spare.size()));
    for (auto& owned : current)
        owners.insert(owned.get(), &owned);
    for (auto& owned : spare)
        owners.insert(owned.get(), &owned);
    std::vector<std::unique_ptr<Item>> result;
    result.reserve(state.items.size());
    for (const auto& [item, value] : state.items) {
        std::unique_ptr<Item>* owner = owners.value(item);
        if (!owner || !*owner)
            continue;
        **owner = value;
        result.push_back(std::move(*owner));
    }
    std::vector<std::unique_ptr<Item>> left;
    for (auto* list : { &current, &spare }) {
        for (auto& owned : *list) {
            if (owned)
                left.push_back(std::move(owned));
        }
    }
    spare = std::move(left);
    collection.putItems(std::move(result));
    DBItemCollection::setModified(true);
}

// Items added at the end of the collection.
class AddCommand : public QUndoCommand
{
public:
    AddCommand(UndoHistory& history, DBItemCollection& collection, std::vector<std::unique_ptr<Item>> items,
               const QString& text)
        : QUndoCommand(text)
        , m_history(history)
        , m_collection(collection)
        , m_held(std::move(items))
    {
        for (const auto& item : m_held)
            m_items.append(item.get());
    }

    void redo() override
    {
        for (auto& item : m_held)
            m_collection.addItem(std::move(item));
        m_held.clear();
        Q_EMIT m_history.itemsAdded(m_items);
    }

    void undo() override
    {
        // They are the last items, unless something outside the history moved them.
        std::vector<std::unique_ptr<Item>> all = m_collection.takeItems();
        const std::size_t count = std::size_t(m_items.size());
        bool atEnd = all.size() >= count;
        for (std::size_t i = 0; atEnd && i < count; ++i)
            atEnd = all[all.size() - count + i].get() == m_items[qsizetype(i)];
        if (atEnd) {
            m_held.assign(std::make_move_iterator(all.end() - qsizetype(count)), std::make_move_iterator(all.end()));
            all.resize(all.size() - count);
            m_collection.putItems(std::move(all));
        } else {
            m_collection.putItems(std::move(all));
            for (Item* item : m_items) {
                if (auto owned = m_collection.removeItem(item))
                    m_held.push_back(std::move(owned));
            }
        }
        DBItemCollection::setModified(true);
        Q_EMIT m_history.itemsRemoved(m_items);
    }

    QList<Item*> items() const
    {
        return m_items;
    }

private:
    UndoHistory& m_history;
    DBItemCollection& m_collection;
    std::vector<std::unique_ptr<Item>> m_held;
    QList<Item*> m_items;
};

// Items taken out of the collection, put back where they were on undo.
class DeleteCommand : public QUndoCommand
{
public:
    DeleteCommand(UndoHistory& history, DBItemCollection& collection, const QList<Item*>& items, const QString& text)
        : QUndoCommand(text)
        , m_history(history)
        , m_collection(collection)
    {
        for (Item* item : items) {
            const int index = collection.indexOf(item);
            if (index >= 0)
                m_places.push_back({ index, item });
        }
        std::sort(m_places.begin(), m_places.end());
        m_places.erase(std::unique(m_places.begin(), m_places.end()), m_places.end());
        for (const auto& place : m_places)
            m_items.append(place.second);
    }

    bool isEmpty() const
    {
        return m_places.empty();
    }

    void redo() override
    {
        const QSet<Item*> gone(m_items.begin(), m_items.end());
        std::vector<std::unique_ptr<Item>> all = m_collection.takeItems();
        std::vector<std::unique_ptr<Item>> kept;
        kept.reserve(all.size());
        for (auto& owned : all) {
            if (gone.contains(owned.get()))
                m_held.push_back(std::move(owned));
            else
                kept.push_back(std::move(owned));
        }
        m_collection.putItems(std::move(kept));
        DBItemCollection::setModified(true);
        Q_EMIT m_history.itemsRemoved(m_items);
    }

    void undo() override
    {
        // Each goes back to its position, the lowest first, so the later ones find theirs.
        std::vector<std::unique_ptr<Item>> all = m_collection.takeItems();
        std::vector<std::unique_ptr<Item>> result;
        result.reserve(all.size() + m_held.size());
        std::size_t from = 0;
        std::size_t held = 0;
        for (const auto& [index, item] : m_places) {
            while (result.size() < std::size_t(index) && from < all.size())
                result.push_back(std::move(all[from++]));
            result.push_back(std::move(m_held[held++]));
        }
        while (from < all.size())
            result.push_back(std::move(all[from++]));
        m_held.clear();
        m_collection.putItems(std::move(result));
        DBItemCollection::setModified(true);
        Q_EMIT m_history.itemsAdded(m_items);
    }

private:
    UndoHistory& m_history;
    DBItemCollection& m_collection;
    std::vector<std::pair<int, Item*>> m_places;
    QList<Item*> m_items;
    std::vector<std::unique_ptr<Item>> m_held;
};

// Items given other values.
class ChangeCommand : public QUndoCommand
{
public:
    struct Change
    {
        Item* item;
        Item before;
        Item after;
    };

    ChangeCommand(UndoHistory& history, std::vector<Change> changes, const QString& text)
        : QUndoCommand(text)
        , m_history(history)
        , m_changes(std::move(changes))
    {
        for (const Change& change : m_changes)
            m_items.append(change.item);
    }

    void redo() override
    {
        apply(false);
    }
    void undo() override
    {
        apply(true);
    }

private:
    void apply(bool undoing)
    {
        for (const Change& change : m_changes)
            *change.item = undoing ? change.before : change.after;
        DBItemCollection::setModified(true);
        Q_EMIT m_history.itemsChanged(m_items);
    }

    UndoHistory& m_history;
    std::vector<Change> m_changes;
    QList<Item*> m_items;
};

// A lookup list edited and written by the list editor. Undone, it is changed in memory and
// written with the next save.
class ListCommand : public QUndoCommand
{
public:
    ListCommand(UndoHistory& history, DBItemCollection& collection, DBItemCollection::ListKind kind,
                const QStringList& before, const QStringList& after, const QString& text)
        : QUndoCommand(text)
        , m_history(history)
        , m_collection(collection)
        , m_kind(kind)
        , m_before(before)
        , m_after(after)
    {
    }

    void redo() override
    {
        // The editor has written it already.
        if (std::exchange(m_done, true))
            apply(m_after);
    }
    void undo() override
    {
        apply(m_before);
    }

private:
    void apply(const QStringList& entries)
    {
        m_collection.setListUnsaved(m_kind, entries);
        DBItemCollection::setModified(true);
        Q_EMIT m_history.listsChanged();
        Q_EMIT m_history.rebuildNeeded();
    }

    UndoHistory& m_history;
    DBItemCollection& m_collection;
    DBItemCollection::ListKind m_kind;
    QStringList m_before;
    QStringList m_after;
    bool m_done = false;
};

// A change a feature made on its own, between two states of all items.
class SnapshotCommand : public QUndoCommand
{
public:
    SnapshotCommand(UndoHistory& history, DBItemCollection& collection, std::unique_ptr<UndoHistory::Snapshot> before,
                    std::unique_ptr<UndoHistory::Snapshot> after, std::vector<std::unique_ptr<Item>> removed,
                    const QString& text)
        : QUndoCommand(text)
        , m_history(history)
        , m_collection(collection)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_spare(std::move(removed))
    {
    }

    void redo() override
    {
        // The change is made already.
        if (std::exchange(m_done, true))
            apply(*m_after);
    }
    void undo() override
    {
        apply(*m_before);
    }

private:
    void apply(const UndoHistory::Snapshot& state)
    {
        restore(m_collection, state, m_spare);
        Q_EMIT m_history.rebuildNeeded();
    }

    UndoHistory& m_history;
    DBItemCollection& m_collection;
    std::unique_ptr<UndoHistory::Snapshot> m_before;
    std::unique_ptr<UndoHistory::Snapshot> m_after;
    std::vector<std::unique_ptr<Item>> m_spare;
    bool m_done = false;
};

// An "&" in an item's name is shown as it is, not taken for a shortcut letter.
QString escapedForMenu(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

QString itemsText(const char* one, const char* many, const QList<Item*>& items)
{
    if (items.size() == 1)
        return UndoHistory::tr(one).arg(items.first()->name());
    return UndoHistory::tr(many).arg(items.size());
}

} // namespace

UndoHistory::UndoHistory(QObject* parent)
    : QObject(parent)
    , m_stack(new QUndoStack(this))
{
    m_stack->setObjectName(QStringLiteral("undoStack"));
    // Every step done or undone counts as a change, except one that reaches the state saved.
    const auto follow = [this] { DBItemCollection::setModified(!m_stack->isClean()); };
    connect(m_stack, &QUndoStack::indexChanged, this, follow);
    connect(m_stack, &QUndoStack::cleanChanged, this, follow);
}

UndoHistory::~UndoHistory() = default;

QUndoStack* UndoHistory::stack() const
{
    return m_stack;
}

void UndoHistory::clear()
{
    m_stack->clear();
}

void UndoHistory::clearUnsaved()
{
    m_stack->clear();
    m_stack->resetClean();
}

void UndoHistory::markSaved()
{
    m_stack->setClean();
}

QString UndoHistory::undoText() const
{
    return m_stack->canUndo() ? tr("UNDO_STEP %1").arg(escapedForMenu(m_stack->undoText())) : tr("UNDO_NOTHING");
}

QString UndoHistory::redoText() const
{
    return m_stack->canRedo() ? tr("REDO_STEP %1").arg(escapedForMenu(m_stack->redoText())) : tr("REDO_NOTHING");
}

void UndoHistory::push(QUndoCommand* command, bool modifiedBefore)
{
    // A change made outside the history while at the saved state: no step leads back to an
    // unchanged database any more.
    if (m_stack->isClean() && modifiedBefore)
        m_stack->resetClean();
    m_stack->push(command);
}

QList<Item*> UndoHistory::addItems(DBItemCollection& collection, std::vector<std::unique_ptr<Item>> items, AddKind kind,
                                   const QString& stepName)
{
    std::erase(items, nullptr);
    if (items.empty())
        return {};
    QList<Item*> added;
    for (const auto& item : items)
        added.append(item.get());
    QString text = stepName;
    if (text.isEmpty()) {
        if (kind == AddKind::Copy)
            text = itemsText(QT_TRANSLATE_NOOP("UndoHistory", "STEP_COPY_ONE %1"),
                             QT_TRANSLATE_NOOP("UndoHistory", "STEP_COPY_MANY %1"), added);
        else if (kind == AddKind::New && added.size() == 1)
            text = itemsText(QT_TRANSLATE_NOOP("UndoHistory", "STEP_ADD_ONE %1"),
                             QT_TRANSLATE_NOOP("UndoHistory", "STEP_ADD_MANY %1"), added);
        else
            text = tr("STEP_ADD_MANY %1").arg(added.size());
    }
    push(new AddCommand(*this, collection, std::move(items), text));
    return added;
}

Item* UndoHistory::addItem(DBItemCollection& collection, std::unique_ptr<Item> item, AddKind kind)
{
    std::vector<std::unique_ptr<Item>> items;
    items.push_back(std::move(item));
    const QList<Item*> added = addItems(collection, std::move(items), kind);
    return added.isEmpty() ? nullptr : added.first();
}

void UndoHistory::deleteItems(DBItemCollection& collection, const QList<Item*>& items)
{
    auto* command = new DeleteCommand(*this, collection, items,
                                      itemsText(QT_TRANSLATE_NOOP("UndoHistory", "STEP_DELETE_ONE %1"),
                                                QT_TRANSLATE_NOOP("UndoHistory", "STEP_DELETE_MANY %1"), items));
    if (command->isEmpty()) {
        delete command;
        return;
    }
    push(command);
}

void UndoHistory::itemEdited(DBItemCollection& collection, Item* item, const Item& before)
{
    Q_UNUSED(collection)
    if (!item || *item == before)
        return;
    std::vector<ChangeCommand::Change> changes;
    changes.push_back({ item, before, *item });
    push(new ChangeCommand(*this, std::move(changes), tr("STEP_EDIT_ONE %1").arg(item->name())));
}

void UndoHistory::changeItems(DBItemCollection& collection, const QList<std::pair<Item*, Item>>& newValues,
                              const QString& stepName)
{
    Q_UNUSED(collection)
    std::vector<ChangeCommand::Change> changes;
    for (const auto& [item, value] : newValues) {
        if (item && *item != value)
            changes.push_back({ item, *item, value });
    }
    if (changes.empty())
        return;
    push(new ChangeCommand(*this, std::move(changes), stepName));
}

void UndoHistory::listEdited(DBItemCollection& collection, DBItemCollection::ListKind kind, const QStringList& before,
                             const QStringList& after, const QString& listName)
{
    if (before == after)
        return;
    // The editor has written the list: done on top of the saved state, the step leaves the
    // files as saved; done on top of unsaved changes, no undo leads back to a state that is all
    // on disk any more.
    const bool wasClean = m_stack->isClean();
    push(new ListCommand(*this, collection, kind, before, after, tr("STEP_LIST_EDIT %1").arg(listName)));
    if (wasClean)
        m_stack->setClean();
    else
        m_stack->resetClean();
}

std::unique_ptr<UndoHistory::Snapshot> UndoHistory::snapshot(const DBItemCollection& collection) const
{
    auto state = std::make_unique<Snapshot>();
    state->items.reserve(collection.items().size());
    state->modified = DBItemCollection::isModified();
    // Copies of items share their texts, so this costs little even for a large register.
    for (const auto& item : collection.items())
        state->items.emplace_back(item.get(), *item);
    return state;
}

void UndoHistory::commitChange(DBItemCollection& collection, std::unique_ptr<Snapshot> before,
                               std::vector<std::unique_ptr<Item>> removed, const QString& stepName)
{
    if (!before)
        return;
    std::unique_ptr<Snapshot> after = snapshot(collection);
    const auto same = [](const Snapshot& a, const Snapshot& b) {
        return a.items.size() == b.items.size()
            && std::equal(a.items.begin(), a.items.end(), b.items.begin(),
                          [](const auto& x, const auto& y) { return x.first == y.first && x.second == y.second; });
    };
    if (same(*before, *after))
        return;
    const bool modified = before->modified;
    push(new SnapshotCommand(*this, collection, std::move(before), std::move(after), std::move(removed), stepName),
         modified);
}
