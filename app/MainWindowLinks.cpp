// The main window's check of linked files.

#include "MainWindow.h"

#include "LinkCheckDialog.h"

#include <QAction>
#include <QMenu>

void MainWindow::addLinkCheckAction(QMenu* menu)
{
    QAction* action = menu->addAction(tr("CHECK_LINKED_FILES..."), this, &MainWindow::CheckLinkedFiles);
    action->setObjectName(QStringLiteral("ViewCheckLinks"));
    action->setWhatsThis(tr("HELP_TEXT_CHECK_LINKED_FILES"));
}

void MainWindow::CheckLinkedFiles()
{
    auto* dialog = new LinkCheckDialog(collection(), listView(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // It points at items: nothing else may change or replace the database while it is open.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
