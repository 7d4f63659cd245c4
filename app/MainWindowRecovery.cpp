// The main window's recovery copy: kept while the database has unsaved changes, written when
// the system asks the program to end, and offered at the next start.

#include "MainWindow.h"

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "LogXML.h"
#include "MainWindowPrivate.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "UndoHistory.h"
#include "WidgetReporter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

using namespace MainWindowDetail;

namespace {

constexpr int StatusTime = 10000;

// The database a recovery copy belongs to, as the user knows it.
QString recoveryName(const RecoveryFile::Found& found)
{
    return found.database.isEmpty() ? MainWindow::tr("RECOVERY_UNNAMED") : QDir::toNativeSeparators(found.database);
}

} // namespace

void MainWindow::keepRecovery()
{
    // Only changes made since the last copy are worth writing again.
    if (m_shutDown || !DBItemCollection::isModified()
        || DBItemCollection::modificationCount() == m_recoveredChange)
        return;
    writeRecovery();
}

bool MainWindow::writeRecovery()
{
    // Changes to a database another program holds can never be saved over it.
    if (!m_collection || m_collection->isReadOnly())
        return false;
    QString error;
    const bool written = m_recovery->write(*m_collection, mCurrentFileName, &error);
    if (written) {
        m_log->LogEntry(m_recovery->file().toLatin1(), LogFileName, "WriteRecovery()");
        m_recoveredChange = DBItemCollection::modificationCount();
        m_recoveryFailureShown = false;
        return true;
    }
    // Nothing the user is doing failed: one line in the status bar, and another try later.
    m_log->LogEntry((RecoveryFile::folder() + QStringLiteral(" NotWritten: ") + error).toLatin1(), LogFileName,
                    "WriteRecovery()");
    if (!m_recoveryFailureShown)
        Q_EMIT message(tr("RECOVERY_NOT_WRITTEN %1").arg(QDir::toNativeSeparators(RecoveryFile::folder())), StatusTime);
    m_recoveryFailureShown = true;
    return false;
}

void MainWindow::quitWithoutQuestions()
{
    if (m_shutDown)
        return;
    m_recoveryTimer->stop();
    if (DBItemCollection::isModified())
        writeRecovery();
    m_shutDown = true;
    m_log->LogEntry("Quit without questions", LogFileName, "quitWithoutQuestions()");
    // The collection stays until the window goes, since a dialog open now still points into it;
    // only its lock is given back.
    m_collection->deleteLockFile();
    m_log->CloseLog();
    // Every event loop ends, also those of dialogs that are open.
    QCoreApplication::exit(0);
}

bool MainWindow::offerRecovery()
{
    for (const RecoveryFile::Found& found : RecoveryFile::offers()) {
        const QString name = recoveryName(found);
        MessageBoxes::Request question;
        question.icon = QMessageBox::Question;
        question.title = GetVariantName(true);
        question.text = tr("RECOVERY_QUESTION %1 %2 %3")
                            .arg(name, found.written.toString(QStringLiteral("dd.MM.yyyy HH:mm")))
                            .arg(found.items);
        question.buttons = {tr("RECOVERY_OPEN"), tr("RECOVERY_DISCARD"), tr("RECOVERY_KEEP")};
        question.defaultButton = 0;
        question.escapeButton = 2;
        switch (MessageBoxes::ask(this, question)) {
        case 0:
            if (openRecovery(found))
                return true;
            break;
        case 1:
            RecoveryFile::remove(found.file);
            break;
        default:
            break;
        }
    }
    return false;
}

bool MainWindow::openRecovery(const RecoveryFile::Found& found)
{
    QFile file(found.file);
    QByteArray contents;
    if (file.open(QIODevice::ReadOnly))
        contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        MessageBoxes::ask(nullptr, {QMessageBox::Critical, tr("FileError"),
                                    tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED") + QStringLiteral("\n\n")
                                        + QDir::toNativeSeparators(found.file),
                                    {tr("Ok")}, 0, 0});
        return false;
    }

    BusyScope busy(m_reporter.get());
    m_history->clear();
    m_collection->clear();
    m_listView->clearRows();
    // The items come back as the database under its own name: its lock, its lists and its log.
    mCurrentFileName = found.database;
    if (mCurrentFileName.isEmpty()) {
        m_collection->setDatabaseDir(QString());
    } else {
        if (isStockvane())
            m_collection->LockDB(mCurrentFileName);
        followDatabaseFolder(mCurrentFileName, true);
    }
    if (!m_collection->loadFromData(std::move(contents)) && !m_collection->loadStoppedEarly()) {
        // Another product's file: nothing came back.
        m_collection->clear();
        m_collection->setDatabaseDir(QString());
        mCurrentFileName.clear();
        m_listView->createGroupRows(m_collection.get());
        return false;
    }
    if (mCurrentFileName.isEmpty())
        m_listView->createGroupRows(m_collection.get());
    m_printAction->setEnabled(true);
    m_listView->fillItemRows(m_collection.get());
    m_viewAllAction->setChecked(m_settings->value(ShowAllItems, false).toBool());
    m_listView->ViewAll(m_viewAllAction->isChecked());
    UpdateAfterLoad();
    // Not saved yet: Save writes the items to the database's own file, and no undo makes
    // them unchanged.
    m_history->clearUnsaved();
    DBItemCollection::setModified(true);
    m_recovery->adopt(found);
    m_recoveredChange = DBItemCollection::modificationCount();
    Q_EMIT message(tr("RECOVERY_OPENED %1 %2").arg(QString::number(m_collection->count()), recoveryName(found)),
                StatusTime);
    return true;
}
