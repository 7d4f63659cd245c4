// The File menu's list of the databases opened last.

#include "MainWindow.h"

#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "RecentDatabases.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void MainWindow::createRecentMenu()
{
    m_recentMenu = m_fileMenu->addMenu(tr("RECENT_DATABASES"));
    m_recentMenu->setObjectName(QStringLiteral("recentDatabasesMenu"));
    // Filled each time it opens, so that a file that went or came back shows as it is now.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    // An entry may be the one being triggered now: it goes once that is over.
    for (QAction* action : m_recentMenu->actions()) {
        m_recentMenu->removeAction(action);
        action->deleteLater();
    }
    const QStringList entries = RecentDatabases::list();
    int number = 0;
    for (const QString& path : entries) {
        ++number;
        QString text = QStringLiteral("&%1 %2").arg(number).arg(QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&")));
        if (!QFileInfo::exists(path))
            text = tr("RECENT_DATABASE_MISSING %1").arg(text);
        QAction* action = m_recentMenu->addAction(text);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (entries.isEmpty()) {
        m_recentMenu->addAction(tr("RECENT_DATABASES_NONE"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(tr("RECENT_DATABASES_CLEAR"), this, [this] {
        for (const QString& path : RecentDatabases::list())
            RecentDatabases::forget(path);
        fillRecentMenu();
    });
}

void MainWindow::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        // A missing database is not opened; the user may take it off the list.
        MessageBoxes::Request question;
        question.icon = QMessageBox::Warning;
        question.title = GetVariantName(true);
        question.text = tr("RECENT_DATABASE_GONE_QUESTION %1").arg(QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&")));
        question.buttons = { tr("RECENT_DATABASE_REMOVE"), tr("RECENT_DATABASE_KEEP") };
        question.defaultButton = 1;
        question.escapeButton = 1;
        if (MessageBoxes::ask(this, question) == 0)
            RecentDatabases::forget(path);
        fillRecentMenu();
        return;
    }
    openDatabase(path);
}
