// The main window's undo history: the Edit menu's Undo and Redo, and the changed flag and
// captions that follow the steps.

#include "MainWindow.h"

#include "ItemListView.h"
#include "UndoHistory.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

void MainWindow::createUndoHistory()
{
    m_history = new UndoHistory(this);
    m_history->setObjectName(QStringLiteral("undoHistory"));
    m_listView->setUndoHistory(m_history);
    // Undoing a list edit renames what the list names (the Setup entries, the headers).
    connect(m_history, &UndoHistory::listsChanged, this, &MainWindow::UpdateAfterLoad);
}

void MainWindow::addUndoActions(QMenu* menu)
{
    QUndoStack* stack = m_history->stack();
    m_undoAction = new QAction(this);
    m_undoAction->setObjectName(QStringLiteral("EditUndo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setWhatsThis(tr("HELP_TEXT_EDIT_UNDO"));
    connect(m_undoAction, &QAction::triggered, stack, &QUndoStack::undo);
    m_redoAction = new QAction(this);
    m_redoAction->setObjectName(QStringLiteral("EditRedo"));
    m_redoAction->setShortcut(QKeySequence::Redo);
    m_redoAction->setWhatsThis(tr("HELP_TEXT_EDIT_REDO"));
    connect(m_redoAction, &QAction::triggered, stack, &QUndoStack::redo);

    // The texts name the step ("Undo delete of 3 items").
    const auto follow = [this, stack] {
        m_undoAction->setText(m_history->undoText());
        m_undoAction->setEnabled(stack->canUndo());
        m_redoAction->setText(m_history->redoText());
        m_redoAction->setEnabled(stack->canRedo());
    };
    connect(stack, &QUndoStack::indexChanged, this, follow);
    connect(stack, &QUndoStack::cleanChanged, this, follow);
    connect(stack, &QUndoStack::undoTextChanged, this, follow);
    connect(stack, &QUndoStack::redoTextChanged, this, follow);
    follow();

    menu->addAction(m_undoAction);
    menu->addAction(m_redoAction);
    menu->addSeparator();
}
