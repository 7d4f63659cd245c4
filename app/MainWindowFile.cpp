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
#include "Settings.h"
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
    if (!DBItemCollection::isModified())
        return true;
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
        m_collection->clear();
    } else {
        mCurrentFileName.clear();
        m_collection = std::make_unique<DBItemCollection>(m_log.get(), m_reporter.get());
    }
    m_listView->clearRows();
    m_listView->createGroupRows(m_collection.get());
    setWindowTitle(GetCaption(QString()));
}

void MainWindow::Load()
{
    Load(true);
}

void MainWindow::Load(bool ShowOpenDialog)
{
    if (m_collection) {
        if (!AskSaveCurrentDB())
            return;
        m_collection->clear();
    } else {
        m_collection = std::make_unique<DBItemCollection>(m_log.get(), m_reporter.get());
    }
    m_listView->clearRows();

    if (ShowOpenDialog) {
        const FileDialogs::Answer answer = FileDialogs::ask(
            this, {FileDialogs::Mode::Open, tr("Åben domvara register fil"), GetLastDBDir(),
                   QStringLiteral("DB (*.inb *.txt *.db)")});
        // An installed demo database is only read: the user's copy of it is opened instead.
        QString copyError;
        const QString chosen = answer.fileName.isEmpty() ? QString() : userDatabaseFor(answer.fileName, &copyError);
        if (!copyError.isEmpty())
            MessageBoxes::critical(nullptr, tr("FileError"), tr("DEMO_DATABASE_NOT_COPIED %1").arg(copyError));
        if (!chosen.isEmpty()) {
            mCurrentFileName = chosen;
            const QString directory = QFileInfo(chosen).absolutePath();
            qDebug().noquote() << QStringLiteral("DB directory ") + directory;
            if (!directory.isEmpty())
                m_settings->setValue(Setting::LastDBDir, directory);
        }
    }

    m_collection->MakeDynamicLists();
    m_listView->createGroupRows(m_collection.get());
    // A cancelled dialog reads the current database in again.
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

    if (!m_collection->LoadFromAsciiFile(mCurrentFileName)) {
        MessageBoxes::ask(nullptr, {QMessageBox::Critical, tr("FileError"), tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED"),
                                    {tr("Ok")}, 0, 0});
        const QByteArray language = GetLanguage();
        m_settings->setValue(Setting::LastSavedDBFile, userDemoDatabaseFile(GetProgramVariant(), language));
        m_settings->setValue(Setting::LastDBDir, userDemoDatabaseDir(GetProgramVariant()));
        m_collection->clear();
        m_listView->clearRows();
        // The file that failed is no longer the current one, so that a save cannot write the
        // emptied database over it.
        mCurrentFileName.clear();
        setWindowTitle(GetCaption(QString()));
        return false;
    }

    m_printAction->setEnabled(true);
    m_listView->fillItemRows(m_collection.get());
    m_viewAllAction->setChecked(m_settings->value(ShowAllItems, false).toBool());
    m_listView->ViewAll(m_viewAllAction->isChecked());
    UpdateAfterLoad();

    Q_EMIT message(tr("NUMBERS_OF_ITEMS_READ_FORM_DB")
                       .arg(mCurrentFileName, QString::number(m_collection->count()), elapsedText(timer.elapsed())),
                   StatusTime);
    m_settings->setValue(Setting::LastSavedDBFile, mCurrentFileName);
    return true;
}

void MainWindow::UpdateAfterLoad()
{
    setWindowTitle(GetCaption(mCurrentFileName));
    const bool readOnly = m_collection->isReadOnly() && m_collection->count() > 0;
    m_fileSaveAction->setEnabled(!readOnly);
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
    if (!mCurrentFileName.isEmpty() && !LoadItemFile())
        m_startDatabaseLoaded = false;
}

bool MainWindow::Save()
{
    return Save(true);
}

bool MainWindow::Save(bool SetmCurrentFileName)
{
    if (mCurrentFileName.isEmpty())
        return saveAs();
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
        DBItemCollection::setModified(false);
        setWindowTitle(GetCaption(mCurrentFileName));
    }
    Q_EMIT message(tr("ITEMS_SAVED_DB_MESSAGE ")
                       .arg(mCurrentFileName, QString::number(m_collection->count()), elapsedText(timer.elapsed())),
                   StatusTime);
    return true;
}

void MainWindow::SaveAs()
{
    saveAs();
}

bool MainWindow::saveAs()
{
    const FileDialogs::Answer answer = FileDialogs::ask(
        this, {FileDialogs::Mode::Save, tr("Åben domvara register fil"), GetLastDBDir(),
               QStringLiteral("DB (*.inb *.txt *.db)")});
    if (!answer.fileName.isEmpty()) {
        mCurrentFileName = answer.fileName;
        const QString directory = QDir(answer.directory).absolutePath();
        if (!answer.directory.isEmpty())
            m_settings->setValue(Setting::LastDBDir, directory);
        m_log->LogEntry(mCurrentFileName.toLatin1(), LogFileName, "SaveAs(1)");
        m_log->LogEntry(directory.toLatin1(), LogFileName, "SaveAs(2)");
        // The lookup lists go beside the new database.
        m_collection->saveLookupLists();
    }
    // A cancelled dialog saves a database that has a name under that name.
    return !mCurrentFileName.isEmpty() && Save(true);
}

void MainWindow::Backup()
{
    const QString oldDirectory = GetLastDBDir();
    const FileDialogs::Answer answer = FileDialogs::ask(
        this, {FileDialogs::Mode::Save, tr("BackupCurrentDB"), oldDirectory, QStringLiteral("DB (*.bak)")});
    if (answer.fileName.isEmpty()) {
        MessageBoxes::ask(nullptr, {QMessageBox::Critical, tr("FileError"), tr("NO_BACKUP_ERROR_NO_FILE_SAVED"),
                                    {tr("Ok")}, 0, 0});
        return;
    }
    const QString oldFileName = mCurrentFileName;
    mCurrentFileName = answer.fileName;
    if (!answer.directory.isEmpty())
        m_settings->setValue(Setting::LastDBDir, QDir(answer.directory).absolutePath());
    Save(false);
    m_collection->saveLookupLists();
    if (!oldDirectory.isEmpty())
        m_settings->setValue(Setting::LastDBDir, oldDirectory);
    mCurrentFileName = oldFileName;
}

QString MainWindow::elapsedText(qint64 milliseconds)
{
    return QStringLiteral("%1").arg(milliseconds / 1000.0, 10, 'f', 2);
}
