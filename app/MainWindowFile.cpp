// The main window's file commands: new, open, save, save as and backup.

#include "MainWindow.h"

#include "DBItemCollection.h"
#include "DemoDatabase.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "LogXML.h"
#include "MainWindowPrivate.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "RecentDatabases.h"
#include "Settings.h"
#include "UndoHistory.h"
#include "WidgetReporter.h"
#include "setupdialog.h"

#include <QAction>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

using namespace MainWindowDetail;

namespace {

constexpr int StatusTime = 10000;

} // namespace

bool MainWindow::AskSaveCurrentDB()
{
    // Once the changes are saved or given up, their recovery copy goes.
    if (!DBItemCollection::isModified()) {
        m_recovery->discard();
        return true;
    }
    MessageBoxes::Request question;
    question.icon = QMessageBox::Information;
    question.title = GetVariantName(true);
    question.text = tr("SAVE_CURRENT_DB_QUESTION");
    question.buttons = {tr("&Gem"), tr("Gem &ikke"), tr("&Fortryd")};
    question.defaultButton = 0;
    question.escapeButton = 2;
    switch (MessageBoxes::ask(this, question)) {
    case 0:
        // Changes that could not be saved are not thrown away: the command stops instead.
        if (!Save(true))
            return false;
        DBItemCollection::setModified(false);
        return true;
    case 1:
        DBItemCollection::setModified(false);
        m_recovery->discard();
        return true;
    default:
        return false;
    }
}

void MainWindow::FileNew()
{
    if (m_collection) {
        if (!AskSaveCurrentDB())
            return;
        mCurrentFileName.clear();
        m_history->clear();
        m_collection->clear();
    } else {
        mCurrentFileName.clear();
        m_collection = std::make_unique<DBItemCollection>(m_log.get(), m_reporter.get());
    }
    // The lists stay as they are, but they belong to the new database, which has no folder
    // until it is saved: edits never go into the folder of the one before.
    m_collection->setDatabaseDir(QString());
    m_listView->clearRows();
    m_listView->createGroupRows(m_collection.get());
    updateTitle();
}

void MainWindow::Load()
{
    Load(true);
}

void MainWindow::Load(bool ShowOpenDialog)
{
    // The file is chosen first: a cancelled chooser leaves the open database as it was, unsaved
    // changes included, rather than reading it in again after they were given up.
    QString chosen;
    if (ShowOpenDialog) {
        const FileDialogs::Answer answer = FileDialogs::ask(
            this, {FileDialogs::Mode::Open, tr("Åben domvara register fil"), GetLastDBDir(),
                   QStringLiteral("DB (*.inb *.txt *.db);;") + tr("ALL_FILES (*)")});
        // The program was asked to end while the dialog was open.
        if (m_shutDown || answer.fileName.isEmpty())
            return;
        // An installed demo database is only read: the user's copy of it is opened instead.
        QString copyError;
        chosen = userDatabaseFor(answer.fileName, &copyError);
        if (!copyError.isEmpty())
            MessageBoxes::critical(nullptr, tr("FileError"), tr("DEMO_DATABASE_NOT_COPIED %1").arg(copyError));
        if (chosen.isEmpty())
            return;
    }
    openDatabase(chosen);
}

void MainWindow::openDatabase(const QString& chosen)
{
    if (m_collection) {
        if (!AskSaveCurrentDB())
            return;
        m_history->clear();
        m_collection->clear();
    } else {
        m_collection = std::make_unique<DBItemCollection>(m_log.get(), m_reporter.get());
    }
    m_listView->clearRows();

    if (!chosen.isEmpty()) {
        mCurrentFileName = chosen;
        const QString directory = QFileInfo(chosen).absolutePath();
        qDebug().noquote() << QStringLiteral("DB directory ") + directory;
        if (!directory.isEmpty())
            m_settings->setValue(Setting::LastDBDir, directory);
    }

    m_listView->createGroupRows(m_collection.get());
    // Without the chooser the current database is read in again; the lists come from its
    // folder once it has been read.
    if (!mCurrentFileName.isEmpty()) {
        BusyScope busy(m_reporter.get());
        LoadItemFile();
    }
}

bool MainWindow::LoadItemFile()
{
    QElapsedTimer timer;
    timer.start();
    m_log->LogEntry(mCurrentFileName.toLatin1(), LogFileName, "LoadItemFile()");

    const bool loaded = m_collection->LoadFromAsciiFile(mCurrentFileName);
    if (!loaded && !m_collection->loadStoppedEarly()) {
        // The file could not be read at all (missing, unreadable, another product's). It stays
        // the database opened at start, so that it opens again once it is back (an unmounted
        // share, say); the settings do not turn to the demo database.
        MessageBoxes::ask(nullptr, {QMessageBox::Critical, tr("FileError"),
                                    tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED") + QStringLiteral("\n\n")
                                        + QDir::toNativeSeparators(mCurrentFileName),
                                    {tr("Ok")}, 0, 0});
        m_history->clear();
        m_collection->clear();
        m_collection->setDatabaseDir(QString());
        m_listView->clearRows();
        m_listView->createGroupRows(m_collection.get());
        // The file that failed is no longer the current one, so that a save cannot write the
        // emptied database over it.
        mCurrentFileName.clear();
        updateTitle();
        return false;
    }
    // A load that stopped at a damaged line (the collection has said where) shows what it read
    // under the file's name; saving over the file then asks first.

    m_printAction->setEnabled(true);
    m_printPreviewAction->setEnabled(true);
    followDatabaseFolder(mCurrentFileName, true);
    m_listView->fillItemRows(m_collection.get());
    m_viewAllAction->setChecked(m_settings->value(ShowAllItems, false).toBool());
    m_listView->ViewAll(m_viewAllAction->isChecked());
    UpdateAfterLoad();

    Q_EMIT message(tr("NUMBERS_OF_ITEMS_READ_FORM_DB")
                       .arg(mCurrentFileName, QString::number(m_collection->count()), elapsedText(timer.elapsed())),
                   StatusTime);
    m_settings->setValue(Setting::LastSavedDBFile, mCurrentFileName);
    RecentDatabases::remember(mCurrentFileName);
    return loaded;
}

void MainWindow::updateTitle()
{
    // The desktop's mark for unsaved changes goes where "[*]" stands.
    QString title = GetCaption(mCurrentFileName) + QStringLiteral("[*]");
    if (m_collection && m_collection->isReadOnly() && m_collection->count() > 0)
        title += u' ' + tr("TITLE_READ_ONLY");
    setWindowTitle(title);
    setWindowModified(DBItemCollection::isModified());
}

void MainWindow::UpdateAfterLoad()
{
    updateTitle();
    const bool readOnly = m_collection->isReadOnly() && m_collection->count() > 0;
    m_fileSaveAction->setEnabled(!readOnly);
    m_importCsvAction->setEnabled(!readOnly);
    if (isStockvane())
        m_updateLocationsAction->setEnabled(!readOnly);
    if (readOnly) {
        // Someone else holds the database: the window turns red until the next start.
        const QString red = QStringLiteral("background-color: red; color: red;");
        m_listView->setStyleSheet(QStringLiteral("QTreeWidget { background-color: red; }"));
        setStyleSheet(QStringLiteral("QMainWindow { ") + red + QStringLiteral(" }"));
    }
    // The Setup entries take the names the loaded database gives its lists.
    const QString more = QStringLiteral("...");
    m_setupLocationAction->setText(setupdialog::listCaption(setupdialog::Locations) + more);
    m_setupGroupsAction->setText(setupdialog::listCaption(setupdialog::Groups) + more);
    m_setupSupplierAction->setText(setupdialog::listCaption(setupdialog::Suppliers) + more);
    if (isStockvane())
        m_aboutAction->setText(tr("StockvaneHelpAbout"));
    else if (isPictova())
        m_aboutAction->setText(tr("PictovaHelpAbout"));
    else if (isMintora())
        m_aboutAction->setText(tr("MintoraHelpAbout"));
}

void MainWindow::LoadStartDatabase()
{
    m_startDatabase = userDemoDatabaseFile(GetProgramVariant(), GetLanguage());
    mCurrentFileName = m_settings->value(Setting::LastSavedDBFile, m_startDatabase).toString();
    // Changes a program that was killed or crashed could not save come first, when the user
    // wants them.
    if (offerRecovery())
        return;
    // A start database that cannot be read leaves the window open and empty; the file stays
    // the one opened at start.
    const QString startFile = mCurrentFileName;
    if (!startFile.isEmpty() && !LoadItemFile()) {
        m_startDatabaseLoaded = false;
        // It stays on the File menu's list too, to be opened from there once it is back.
        RecentDatabases::remember(startFile);
    }
}

bool MainWindow::Save()
{
    return Save(true);
}

bool MainWindow::Save(bool SetmCurrentFileName)
{
    // A window that has shut down writes nothing (a dialog still open when a signal ended it).
    if (m_shutDown)
        return false;
    if (mCurrentFileName.isEmpty())
        return saveAs();
    // A file of a newer format is refused by the save itself; asking about a damaged file first
    // would be a second box for a save that cannot happen.
    if (m_collection->newerFormatVersion(mCurrentFileName).isEmpty() && !mayReplacePartialFile())
        return false;
    BusyScope busy(m_reporter.get());
    QElapsedTimer timer;
    timer.start();
    const bool saved = m_collection->SaveToFileAsAscii(mCurrentFileName);
    m_log->LogEntry(mCurrentFileName.toLatin1(), LogFileName, "SaveToFileAsAscii()");
    // A failed save has been reported; the database stays modified and nothing pretends it
    // was saved.
    if (!saved)
        return false;
    if (SetmCurrentFileName) {
        m_settings->setValue(Setting::LastSavedDBFile, mCurrentFileName);
        // Lists whose edits were undone are written with the database. A list that could not be
        // written has been reported; the database stays changed, so the edit is not lost.
        if (m_collection->hasUnsavedLists() && !m_collection->saveChangedLists()) {
            updateTitle();
            return false;
        }
        m_history->markSaved();
        DBItemCollection::setModified(false);
        m_recovery->discard();
        updateTitle();
    }
    Q_EMIT message(tr("ITEMS_SAVED_DB_MESSAGE ")
                       .arg(mCurrentFileName, QString::number(m_collection->count()), elapsedText(timer.elapsed())),
                   StatusTime);
    return true;
}

bool MainWindow::mayReplacePartialFile()
{
    const int lines = m_collection->partialFileLines(mCurrentFileName);
    if (lines < 0)
        return true;
    MessageBoxes::Request question;
    question.icon = QMessageBox::Warning;
    question.title = GetVariantName(true);
    question.text = tr("PARTIAL_DB_SAVE_QUESTION %1 %2 %3")
                        .arg(QDir::toNativeSeparators(mCurrentFileName))
                        .arg(lines)
                        .arg(m_collection->count());
    question.buttons = {tr("SAVE_ANYWAY"), tr("&Fortryd")};
    question.defaultButton = 1;
    question.escapeButton = 1;
    return MessageBoxes::ask(this, question) == 0;
}

void MainWindow::SaveAs()
{
    saveAs();
}

void MainWindow::followDatabaseFolder(const QString& databaseFile, bool readLists)
{
    // The folder of the file itself, whatever the settings or another window say.
    const QString folder = QFileInfo(databaseFile).absolutePath();
    m_collection->setDatabaseDir(folder);
    m_log->moveTo(folder + QStringLiteral("/log.xml"));
    if (!readLists)
        return;
    m_collection->MakeDynamicLists();
    m_listView->clearRows();
    m_listView->createGroupRows(m_collection.get());
}

bool MainWindow::saveAs()
{
    const FileDialogs::Answer answer = FileDialogs::ask(
        this, {FileDialogs::Mode::Save, tr("Åben domvara register fil"), GetLastDBDir(),
               QStringLiteral("DB (*.inb *.txt *.db)"), QStringLiteral("db")});
    // A cancelled dialog saves a database that has a name under that name.
    if (answer.fileName.isEmpty())
        return !mCurrentFileName.isEmpty() && Save(true);

    // The folder of the file chosen, also when a full path was typed into the name box.
    const QString directory = QFileInfo(answer.fileName).absolutePath();
    m_log->LogEntry(answer.fileName.toLatin1(), LogFileName, "SaveAs(1)");
    m_log->LogEntry(directory.toLatin1(), LogFileName, "SaveAs(2)");
    const QString oldFileName = mCurrentFileName;
    mCurrentFileName = answer.fileName;
    // A failed save has been reported and leaves the name, the caption and the settings alone.
    if (!Save(true)) {
        mCurrentFileName = oldFileName;
        return false;
    }
    m_settings->setValue(Setting::LastDBDir, directory);
    RecentDatabases::remember(mCurrentFileName);
    // The database now lives in the new folder: its lists go there, and so do the log and, in
    // the stock product, the lock.
    followDatabaseFolder(mCurrentFileName, false);
    m_collection->saveLookupLists();
    if (isStockvane())
        m_collection->LockDB(mCurrentFileName);
    return true;
}

void MainWindow::Backup()
{
    const FileDialogs::Answer answer = FileDialogs::ask(this, {FileDialogs::Mode::Save, tr("BackupCurrentDB"),
                                                               GetLastDBDir(), QStringLiteral("DB (*.bak)"),
                                                               QStringLiteral("bak")});
    if (answer.fileName.isEmpty()) {
        MessageBoxes::ask(nullptr, {QMessageBox::Critical, tr("FileError"), tr("NO_BACKUP_ERROR_NO_FILE_SAVED"),
                                    {tr("Ok")}, 0, 0});
        return;
    }
    // The database goes into the backup file and its lists beside it; the open database, its
    // name, folder and settings stay as they were.
    const QString oldFileName = mCurrentFileName;
    mCurrentFileName = answer.fileName;
    const bool saved = Save(false);
    mCurrentFileName = oldFileName;
    if (saved)
        m_collection->saveLookupLists(QFileInfo(answer.fileName).absolutePath());
}

QString MainWindow::elapsedText(qint64 milliseconds)
{
    return QStringLiteral("%1").arg(milliseconds / 1000.0, 10, 'f', 2);
}
