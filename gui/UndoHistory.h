#pragma once

#include "DBItemCollection.h"
#include "Item.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class QUndoCommand;
class QUndoStack;

// The undo history of the open database: every change to it is one step that can be undone and
// redone. The features make their changes through it (or hand it the change they made), and
// it tells the item list which rows to add, remove or refill.
//
// The steps hold the items they took out of the collection, so an item keeps its identity
// through undo and redo. The database's changed flag follows the history: back at the step
// last saved, the database is unchanged again.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    explicit UndoHistory(QObject* parent = nullptr);
    ~UndoHistory() override;

    QUndoStack* stack() const;
    // Forgets every step: a database was opened or made, or the collection is emptied (the
    // steps point into it).
    void clear();
    // Forgets every step, and the database stays changed until it is saved (a recovery copy
    // was opened).
    void clearUnsaved();
    // The database was saved: this is the unchanged state now.
    void markSaved();

    // The menu texts: "Undo delete of 3 items", or just "Undo" when there is nothing.
    QString undoText() const;
    QString redoText() const;

    // Adds items at the end of the collection, one step (a new item, a copy, items made in a
    // batch, an import). The step's name comes from stepName, else from how many there are.
    enum class AddKind { New, Copy, Batch };
    QList<Item*> addItems(DBItemCollection& collection, std::vector<std::unique_ptr<Item>> items,
                          AddKind kind = AddKind::Batch, const QString& stepName = QString());
    Item* addItem(DBItemCollection& collection, std::unique_ptr<Item> item, AddKind kind = AddKind::New);
    // Removes the items from the collection, one step.
    void deleteItems(DBItemCollection& collection, const QList<Item*>& items);
    // An item was edited in place; before is what it held until then. Nothing happens (no
    // step) when nothing changed.
    void itemEdited(DBItemCollection& collection, Item* item, const Item& before);
    // Gives items new values, one step named stepName (the link check's relinking).
    void changeItems(DBItemCollection& collection, const QList<std::pair<Item*, Item>>& newValues,
                     const QString& stepName);
    // A lookup list was edited and written; before and after are its entries.
    void listEdited(DBItemCollection& collection, DBItemCollection::ListKind kind, const QStringList& before,
                    const QStringList& after, const QString& listName);

    // For a change a feature makes on its own (the location update): the state of the items
    // before it; the change then made is one step with commitChange(). Items the change took
    // out of the collection must be handed over, so that undoing can put them back.
    struct Snapshot
    {
        // Each item with what it held.
        std::vector<std::pair<Item*, Item>> items;
        // Whether the database had changes not saved.
        bool modified = false;
    };
    std::unique_ptr<Snapshot> snapshot(const DBItemCollection& collection) const;
    void commitChange(DBItemCollection& collection, std::unique_ptr<Snapshot> before,
                      std::vector<std::unique_ptr<Item>> removed, const QString& stepName);

Q_SIGNALS:
    // What the list must show after a step was done, undone or redone.
    void itemsAdded(const QList<Item*>& items);
    void itemsRemoved(const QList<Item*>& items);
    void itemsChanged(const QList<Item*>& items);
    // The whole list must be built again (a change of many items, or of a lookup list).
    void rebuildNeeded();
    // A lookup list changed by undo or redo (the main window renames its menu entries).
    void listsChanged();

private:
    void push(QUndoCommand* command, bool modifiedBefore = DBItemCollection::isModified());

    QUndoStack* m_stack;
};
