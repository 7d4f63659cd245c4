#include "MainWindow.h"

#include "AutomakeItems.h"
#include "CommonSetup.h"
#include "DBItemCollection.h"
#include "ExportCommands.h"
#include "FileDialogs.h"
#include "HelpPages.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "ListPrinting.h"
#include "LocationUpdate.h"
#include "LogXML.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "ReportDialog.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "WidgetReporter.h"
#include "handlebarcodes.h"
#include "printSelectDataDialog.h"
#include "setupdialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

namespace {

constexpr char LogFileName[] = "hestivawindow";
constexpr int StatusTime = 10000;
constexpr char ShowAllItems[] = "Items/showAllItems";
constexpr char PictureViewerProgram[] = "PictureViewerProgram";
constexpr char WwwProgram[] = "wwwProgram";

// A built-in icon in its two sizes: 16 pixels for menus and lists, 22 for tool bars.
QIcon icon(QLatin1StringView name)
{
    QIcon result;
    result.addFile(QStringLiteral(":/icons/") + name + QStringLiteral(".png"));
    result.addFile(QStringLiteral(":/icons/") + name + QStringLiteral("-22.png"));
    return result;
}

QIcon icon(const char* name)
{
    return icon(QLatin1StringView(name));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_settings(openSettings())
    , m_reporter(std::make_unique<WidgetReporter>())
{
    setObjectName(QStringLiteral("main window"));
    setWindowIcon(icon(GetVariantName().toLower().toLatin1().constData()));

    // The log goes into the folder of the last database, before any database is loaded.
    m_log = std::make_unique<LogXML>(GetLastDBDir() + QStringLiteral("/log.xml"), GetVariantName(true));
    m_log->LogEntry(GetLanguage(), LogFileName, "Language");

    connect(this, qOverload<const QString&, int>(&MainWindow::message), statusBar(), &QStatusBar::showMessage);
    connect(this, qOverload<const QString&>(&MainWindow::message), statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(qApp, &QGuiApplication::lastWindowClosed, this, &MainWindow::Quit);

    m_listView = new ItemListView(this);
    connect(m_listView, &ItemListView::rowSelected, this, &MainWindow::ItemSelected);
    FileNew();
    setCentralWidget(m_listView);

    createActions();
    createMenus();
    LoadStartDatabase();
}

MainWindow::~MainWindow() = default;

DBItemCollection* MainWindow::collection() const
{
    return m_collection.get();
}

ItemListView* MainWindow::listView() const
{
    return m_listView;
}

LogXML* MainWindow::log() const
{
    return m_log.get();
}

QString MainWindow::currentFileName() const
{
    return mCurrentFileName;
}

bool MainWindow::startDatabaseLoaded() const
{
    return m_startDatabaseLoaded;
}

// ---------------------------------------------------------------------------------------------
// Menus and tool bars

void MainWindow::createActions()
{
    auto make = [this](const QString& text, const char* objectName, const QKeySequence& shortcut,
                       const QIcon& actionIcon, const QString& whatsThis, auto slot) {
        auto* action = new QAction(actionIcon, text, this);
        if (objectName)
            action->setObjectName(QLatin1StringView(objectName));
        action->setShortcut(shortcut);
        action->setWhatsThis(whatsThis);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    m_fileNewAction = make(tr("FILE_NEW"), "FileNew", QKeySequence(QStringLiteral("Ctrl+N")), icon("new"),
                           tr("HELP_TEXT_FILE_NEW"), &MainWindow::FileNew);
    m_fileOpenAction = make(tr("FILE_OPEN"), "FileOpen", QKeySequence(QStringLiteral("Ctrl+O")), icon("open"),
                            tr("HELP_TEXT_FILE_OPEN"), qOverload<>(&MainWindow::Load));
    m_fileSaveAction = make(tr("FILE_SAVE"), "FileSave", QKeySequence(QStringLiteral("Ctrl+S")), icon("save"),
                            tr("HELP_TEXT_FILE_SAVE"), qOverload<>(&MainWindow::Save));
    m_fileSaveAsAction = make(tr("FILE_SAVE_AS"), "FileSaveAs", QKeySequence(), QIcon(), tr("HELP_TEXT_FILE_SAVE_AS"),
                              &MainWindow::SaveAs);
    m_backupAction = make(tr("BACKUP..."), "FileBackup", QKeySequence(), QIcon(), tr("HELP_TEXT_FILE_BACKUP"),
                          &MainWindow::Backup);
    m_saveSettingsAction = make(tr("SAVE_SETTINGS"), "FileSaveSettings", QKeySequence(), QIcon(),
                                tr("HELP_TEXT_FILE_SAVESETTINGS"), &MainWindow::SaveSettings);
    m_saveAsHtmlAction = make(tr("SAVE_AS_HTML"), "FileSaveAsHTML", QKeySequence(), QIcon(), QString(),
                              qOverload<>(&MainWindow::SaveAsHTML));
    m_saveAsXmlAction = make(tr("SAVE_AS_XML"), "FileSaveAsXML", QKeySequence(), QIcon(), QString(),
                             qOverload<>(&MainWindow::SaveAsXML));
    m_updateLocationsAction = make(tr("UPDATE_LOCATIONS..."), "UpdateLocations", QKeySequence(), QIcon(),
                                   tr("HELP_TEXT_FILE_UPDATE_LOCATIONS"), &MainWindow::UpdateLocations);
    m_printBarcodeAction = make(tr("PRINT_BARCODE..."), "PrintBarcode", QKeySequence(QStringLiteral("Ctrl+B")),
                                icon("print"), tr("HELP_TEXT_FILE_PRINT_BARCODE"), &MainWindow::PrintBarcode);
    m_printAction = make(tr("Udskriv..."), "Print", QKeySequence(QStringLiteral("Ctrl+P")), icon("print"),
                         tr("HELP_TEXT_FILE_PRINT"), &MainWindow::Print);
    // Nothing to print until a database is loaded.
    m_printAction->setEnabled(false);
    m_quitAction = make(tr("QUIT"), nullptr, QKeySequence(QStringLiteral("Ctrl+Q")), QIcon(), QString(),
                        &MainWindow::Quit);

    const QString editText = isStockvane() ? tr("StockvaneEdit")
        : isMintora()                      ? tr("MintoraEdit")
        : isPictova()                      ? tr("PictovaEdit")
                                           : tr("TOOLTIP_EDIT_FURNITURE");
    m_editAction = make(editText, "EditRecord", QKeySequence(QStringLiteral("Ctrl+I")),
                        icon(GetVariantName().toLower().toLatin1().constData()), tr("HELP_TEXT_EDIT_ELEMENT"),
                        &MainWindow::EditItem);
    m_editAction->setToolTip(isMintora() ? tr("MintoraEdit") : isPictova() ? tr("PictovaEdit")
                                                                           : tr("TOOLTIP_EDIT_FURNITURE"));
    const QString searchText = isStockvane() ? tr("StockvaneEditSearch")
        : isMintora()                        ? tr("MintoraEditSearc")
        : isPictova()                        ? tr("PictovaEditSearc")
                                             : tr("Sø&g Domvara...");
    m_searchAction = make(searchText, "EditSearch", QKeySequence(QStringLiteral("Ctrl+F")), icon("search"),
                          tr("TOOLTIP_SEARCH_BTN"), &MainWindow::SearchRecord);
    const QString deleteText = isStockvane() ? tr("StockvaneEditDelete")
        : isMintora()                        ? tr("MintoraEditDelete")
        : isPictova()                        ? tr("PictovaEditDelete")
                                             : tr("&Slet Domvara");
    m_deleteAction = make(deleteText, "EditDelete", QKeySequence(Qt::Key_Delete), QIcon(), QString(),
                          &MainWindow::DeleteItem);

    m_viewAllAction = make(tr("Vis &alle"), nullptr, QKeySequence(QStringLiteral("Ctrl+A")), QIcon(), QString(),
                           &MainWindow::ViewAllItems);
    m_viewAllAction->setCheckable(true);
    m_viewHtmlTableAction = make(tr("VIEW_ALL_HTML_TABLE"), "EditShowAllAsHTMLTable",
                                 QKeySequence(QStringLiteral("Ctrl+H")), QIcon(), QString(),
                                 &MainWindow::ShowAllAsHTMLTable);
    m_viewHtmlAction = make(tr("VIEW_ALL_AS_HTML"), "EditShowAllAsHTML", QKeySequence(), QIcon(), QString(),
                            &MainWindow::ShowAllAsHTML);
    m_viewSpecialCasesAction = make(tr("VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML"), "EditShowAllSpecialCasesAsHTML",
                                    QKeySequence(), QIcon(), tr("WHATS_THIS_VIEW_ALL_SPECIAL_MINTORA_CASES_AS_HTML"),
                                    &MainWindow::ShowAllSpecialCasesAsHTML);
    m_viewXmlAction = make(tr("VIEW_ALL_AS_XML"), "EditShowAllAsXML", QKeySequence(QStringLiteral("Ctrl+X")), QIcon(),
                           QString(), &MainWindow::ShowAllAsXML);
    m_viewCurrentAction = make(tr("VIEW_CURRENT_AS_HTML"), "ViewCurInHTML", QKeySequence(QStringLiteral("Shift+H")),
                               QIcon(), tr("WHATS_THIS_VIEW_CURRENT_AS_HTML"), &MainWindow::ViewCurrentAsHTML);
    m_viewCurrentAction->setEnabled(false);
    m_reportAction = make(tr("&Rapport..."), "ViewReport", QKeySequence(QStringLiteral("Ctrl+R")), icon("report"),
                          tr("HELP_TEXT_EDIT_REPORT"), &MainWindow::MakeReport);
    const QString pictureText = isMintora() ? tr("TOOLTIP_SHOW_FRONTSIDE_PICTURE_MINTORA")
        : isPictova()                       ? tr("PICTOVA_SHOW_PICTURE")
                                            : tr("VIS_BILLEDE");
    m_showPictureAction = make(pictureText, "ViewPicture", QKeySequence(QStringLiteral("Shift+I")), icon("picture"),
                               tr("TOOLTIP_SHOW_IMAGE_BTN"), &MainWindow::ShowPictureOne);
    const QString receiptText = isMintora() ? tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_MINTORA")
        : isPictova()                       ? tr("PICTOVA_SHOW_PICTURE2")
                                            : tr("VIS_KVITTERING");
    m_showReceiptAction = make(receiptText, "ViewPicture2", QKeySequence(QStringLiteral("Shift+J")),
                               isDomvara() ? icon("receipt") : icon("picture"),
                               isMintora() ? tr("HELP_TEXT_VIEW_BACKSIDE_PICTURE_MINTORA") : tr("HELP_TEXT_VIEW_RECEIPT"),
                               &MainWindow::ShowReceipt);
    m_showUrlAction = make(tr("VIS_WWW"), "ViewUrl", QKeySequence(QStringLiteral("Shift+W")), icon("web"),
                           tr("HELP_TEXT_VIEW_URL"), &MainWindow::ShowUrl);
    m_showDocumentAction = make(tr("VIS_DOCUMENT"), "ViewDoc", QKeySequence(QStringLiteral("Shift+D")),
                                icon("document"), tr("HELP_TEXT_VIEW_DOCUMENTATION"), &MainWindow::ShowDocument);
    // They follow the selected row.
    for (QAction* action : {m_showPictureAction, m_showReceiptAction, m_showUrlAction, m_showDocumentAction})
        action->setEnabled(false);

    m_aboutAction = make(tr("&Om domvara register..."), nullptr, QKeySequence(QStringLiteral("Ctrl+F1")), QIcon(),
                         QString(), &MainWindow::About);
}

void MainWindow::createMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&Fil"));
    m_fileMenu->addAction(m_fileNewAction);
    m_fileMenu->addAction(m_fileOpenAction);
    if (isStockvane()) {
        m_fileMenu->addAction(m_updateLocationsAction);
        m_listView->addContextMenuAction(m_updateLocationsAction);
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_fileSaveAction);
    m_fileMenu->addAction(m_fileSaveAsAction);
    m_fileMenu->addAction(m_backupAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_saveAsHtmlAction);
    m_fileMenu->addAction(m_saveAsXmlAction);
    m_fileMenu->addAction(m_saveSettingsAction);
    m_fileMenu->addSeparator();
    if (isStockvane()) {
        m_fileMenu->addAction(m_printBarcodeAction);
        m_listView->addContextMenuAction(m_printBarcodeAction);
    }
    m_fileMenu->addAction(m_printAction);
    m_listView->addContextMenuAction(m_printAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_quitAction);

    m_editMenu = menuBar()->addMenu(tr("&Rediger"));
    for (QAction* action : {m_editAction, m_deleteAction, m_searchAction}) {
        m_editMenu->addAction(action);
        m_listView->addContextMenuAction(action);
    }
    if (isStockvane())
        m_editMenu->addAction(tr("Precreate items in Stockvane"), this, &MainWindow::AutoMakeItems);

    m_viewMenu = menuBar()->addMenu(tr("&Vis"));
    m_viewMenu->addAction(m_viewAllAction);
    m_viewMenu->addAction(m_viewHtmlTableAction);
    m_viewMenu->addAction(m_viewHtmlAction);
    m_listView->addContextMenuAction(nullptr);
    if (isMintora())
        m_viewMenu->addAction(m_viewSpecialCasesAction);
    m_viewMenu->addAction(m_viewXmlAction);
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(m_viewCurrentAction);
    m_listView->addContextMenuAction(m_viewCurrentAction);
    for (QAction* action : {m_showPictureAction, m_showReceiptAction, m_showUrlAction, m_showDocumentAction}) {
        m_viewMenu->addAction(action);
        m_listView->addContextMenuAction(action);
    }
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(m_reportAction);

    m_setupMenu = menuBar()->addMenu(tr("&Opsætning"));
    m_setupMenu->addAction(tr("&Udskrivning..."), QKeySequence(QStringLiteral("Shift+U")), this,
                           &MainWindow::SetupWhatToPrint);
    m_setupLocationAction = m_setupMenu->addAction(tr("&Lokaler/rum..."), this, &MainWindow::SetupLocation);
    m_setupGroupsAction = m_setupMenu->addAction(tr("&Inventar typer (grupper)..."), this, &MainWindow::SetupGroups);
    m_setupSupplierAction = m_setupMenu->addAction(tr("LEVERANDØRER"), this, &MainWindow::SetupSupplier);
    m_setupMenu->addSeparator();
    m_setupMenu->addAction(tr("&Billedvisnings program..."), this, &MainWindow::browsePictureViewer_slot);
    m_setupMenu->addAction(tr("Internet program (&www)..."), this, &MainWindow::browseWWWViewer_slot);
    m_setupMenu->addAction(tr("SetupDefaultDirectories"), this, &MainWindow::SetupCommon);

    m_languageMenu = menuBar()->addMenu(tr("LANGUAGE_MENU"));
    m_languageMenu->addAction(tr("DANISH_LANG..."), this, &MainWindow::DkLanguage);
    if (!isStockvane())
        m_languageMenu->addAction(tr("NORWAY_LANG..."), this, &MainWindow::NoLanguage);
    m_languageMenu->addAction(tr("ENGLISH_LANG..."), this, &MainWindow::EnLanguage);

    const ProgramVariant variant = GetProgramVariant();
    const QByteArray language = GetLanguage();
    m_helpMenu = menuBar()->addMenu(tr("&Hjælp"));
    if (helpCommandAvailable(HelpCommand::Help, variant, language))
        m_helpMenu->addAction(tr("&Hjælp..."), QKeySequence(Qt::Key_F1), this, &MainWindow::Help);
    if (helpCommandAvailable(HelpCommand::Tutorial, variant, language))
        m_helpMenu->addAction(tr("&Tutorial..."), this, &MainWindow::HelpTutorial);
    m_helpMenu->addAction(tr("&Links..."), this, &MainWindow::HelpLinks);
    m_helpMenu->addAction(tr("&ErrorHandling..."), this, &MainWindow::HelpErrorHandling);
    m_helpMenu->addAction(tr("&Release noter..."), this, &MainWindow::HelpReleases);
    m_helpMenu->addAction(tr("&Hvad er det ?"), QKeySequence(QStringLiteral("Shift+F1")), this,
                          [] { QWhatsThis::enterWhatsThisMode(); });
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_aboutAction);

    QToolBar* fileTools = addToolBar(tr("Fil"));
    fileTools->setObjectName(QStringLiteral("fileToolBar"));
    fileTools->addAction(m_fileNewAction);
    fileTools->addAction(m_fileOpenAction);
    fileTools->addAction(m_fileSaveAction);
    fileTools->addAction(m_printAction);
    fileTools->addAction(QWhatsThis::createAction(this));
    QToolBar* tools = addToolBar(tr("Tools"));
    tools->setObjectName(QStringLiteral("toolsToolBar"));
    tools->addAction(m_editAction);
    tools->addAction(m_searchAction);
    for (QAction* action : {m_showPictureAction, m_showReceiptAction, m_showUrlAction, m_showDocumentAction})
        tools->addAction(action);
}

void MainWindow::ItemSelected(QTreeWidgetItem* row)
{
    if (!row)
        return;
    m_showPictureAction->setEnabled(m_listView->HasPictureLink(row));
    m_showReceiptAction->setEnabled(m_listView->HasReceipt(row));
    m_showUrlAction->setEnabled(m_listView->HasUrl(row));
    m_showDocumentAction->setEnabled(m_listView->HasDocument(row));
    m_viewCurrentAction->setEnabled(row->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator);
}

// ---------------------------------------------------------------------------------------------
// File commands

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
        if (!answer.fileName.isEmpty()) {
            mCurrentFileName = answer.fileName;
            const QString directory = QFileInfo(answer.fileName).absolutePath();
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
        m_settings->setValue(Setting::LastSavedDBFile, demoDatabaseFile(GetProgramVariant(), language));
        m_settings->setValue(Setting::LastDBDir, demoDatabaseDir(GetProgramVariant()));
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
    m_startDatabase = demoDatabaseFile(GetProgramVariant(), GetLanguage());
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

// ---------------------------------------------------------------------------------------------
// View, settings and language

void MainWindow::ViewAllItems()
{
    m_listView->ViewAll(m_viewAllAction->isChecked());
}

void MainWindow::DeleteItem()
{
    m_listView->DeleteItem();
}

void MainWindow::EditItem()
{
    // The current row opens as a double click does; without one a new item is made.
    if (m_listView->isItemSelected()) {
        m_listView->doubleClickOnItemSlot(m_listView->isItemSelected());
        return;
    }
    auto* dialog = new ItemDialog(m_collection.get(), m_listView, nullptr, QStringLiteral("DATA"), false, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

void MainWindow::SearchRecord()
{
    auto* dialog = new ItemDialog(m_collection.get(), m_listView, nullptr, QStringLiteral("DATA"), true, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

void MainWindow::ShowPictureOne()
{
    m_listView->ShowPicture1();
}

void MainWindow::ShowReceipt()
{
    m_listView->ShowImage2();
}

void MainWindow::ShowUrl()
{
    m_listView->ShowUrl();
}

void MainWindow::ShowDocument()
{
    m_listView->ShowDocument();
}

void MainWindow::SaveSettings()
{
    m_settings->setValue(Setting::MainWinWidth, width());
    m_settings->setValue(Setting::MainWinHeight, height());
    m_settings->setValue(Setting::MainWinPosX, x());
    m_settings->setValue(Setting::MainWinPosY, y());
    m_settings->setValue(ShowAllItems, m_viewAllAction->isChecked() ? 1 : 0);
    m_listView->saveColumnWidths();
}

void MainWindow::changeLanguage(const char* language)
{
    m_settings->setValue(Setting::Language, QString::fromLatin1(language));
    // The next start opens the demo database of the new language.
    m_settings->remove(Setting::LastSavedDBFile);
    m_settings->remove(Setting::LastDBDir);
    MessageBoxes::ask(nullptr,
                      {QMessageBox::Information, tr("Info"), tr("RESTART_BEFORE_LANGUAGE_CHANGED"), {tr("Ok")}, 0, 0});
}

void MainWindow::DkLanguage()
{
    changeLanguage("dk");
}

void MainWindow::NoLanguage()
{
    changeLanguage("no");
}

void MainWindow::EnLanguage()
{
    changeLanguage("en");
}

void MainWindow::chooseViewerProgram(const char* settingsKey, const QString& caption, const QString& filter)
{
    const FileDialogs::Answer answer =
        FileDialogs::ask(this, {FileDialogs::Mode::Save, caption, QString(), filter});
    if (!answer.fileName.isEmpty())
        m_settings->setValue(QLatin1StringView(settingsKey), QDir::toNativeSeparators(answer.fileName));
}

void MainWindow::browsePictureViewer_slot()
{
    chooseViewerProgram(PictureViewerProgram, tr("Vælg eget billedvisnings program"),
                        tr("Billede visnings program (*.exe)"));
}

void MainWindow::browseWWWViewer_slot()
{
    chooseViewerProgram(WwwProgram, tr("Vælg internet (www) program"), tr("Internet (www) program (*.exe)"));
}

// ---------------------------------------------------------------------------------------------
// Exports, printing and the report

void MainWindow::showMessage(const QString& text, int milliseconds)
{
    Q_EMIT message(text, milliseconds);
}

void MainWindow::SaveAsXML()
{
    SaveAsXML(QString());
}

void MainWindow::SaveAsXML(QString xmlOutputFile)
{
    const auto status = [this](const QString& text, int ms) { showMessage(text, ms); };
    // The export is named after the database: one without a name gets one first.
    if (ExportCommands::SaveAsXML(*m_collection, mCurrentFileName, xmlOutputFile, status)
            == ExportCommands::Result::NoDatabaseName
        && saveAs())
        ExportCommands::SaveAsXML(*m_collection, mCurrentFileName, xmlOutputFile, status);
}

void MainWindow::SaveAsHTML()
{
    SaveAsHTML(false, false, QString());
}

void MainWindow::SaveAsHTML(bool showSpecialCase)
{
    SaveAsHTML(showSpecialCase, false, QString());
}

void MainWindow::SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable)
{
    SaveAsHTML(showSpecialCase, saveAsHtmlTable, QString());
}

void MainWindow::SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable, QString htmlOutputFile)
{
    const auto status = [this](const QString& text, int ms) { showMessage(text, ms); };
    if (ExportCommands::SaveAsHTML(*m_collection, mCurrentFileName, showSpecialCase, saveAsHtmlTable,
                                   htmlOutputFile, status)
            == ExportCommands::Result::NoDatabaseName
        && saveAs())
        ExportCommands::SaveAsHTML(*m_collection, mCurrentFileName, showSpecialCase, saveAsHtmlTable,
                                   htmlOutputFile, status);
}

void MainWindow::ShowAllAsXML()
{
    ExportCommands::ShowAllAsXML(*m_collection, [this](const QString& text, int ms) { showMessage(text, ms); });
}

void MainWindow::ShowAllAsHTMLTable()
{
    ExportCommands::ShowAllAsHTMLTable(*m_collection, [this](const QString& text, int ms) { showMessage(text, ms); });
}

void MainWindow::ShowAllAsHTML()
{
    ExportCommands::ShowAllAsHTML(*m_collection, [this](const QString& text, int ms) { showMessage(text, ms); });
}

void MainWindow::ShowAllSpecialCasesAsHTML()
{
    ExportCommands::ShowAllSpecialCasesAsHTML(*m_collection,
                                              [this](const QString& text, int ms) { showMessage(text, ms); });
}

QString MainWindow::GetXmlOutputFile(QString xmlFileName)
{
    return ExportCommands::viewOutputPath(xmlFileName, QStringLiteral(".xml"));
}

QString MainWindow::GetHtmlOutputFile(QString htmlFileName)
{
    return ExportCommands::viewOutputPath(htmlFileName, QStringLiteral(".htm"));
}

void MainWindow::ViewCurrentAsHTML()
{
    m_listView->ViewCurrentAsHTML();
}

void MainWindow::Print()
{
    ListPrinting::Print(*m_collection, this, [this](const QString& text, int ms) { showMessage(text, ms); });
}

void MainWindow::SetupWhatToPrint()
{
    auto* dialog = new printSelectDataDialog(m_collection.get(), this, QStringLiteral("Print setup"), true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::MakeReport()
{
    auto* report = new ReportDialog(*m_collection);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->show();
}

void MainWindow::UpdateLocations()
{
    runLocationUpdate(this, *m_collection, *m_listView, [this] { return Save(true); },
                      [this](const QString& text, int ms) { showMessage(text, ms); });
}

void MainWindow::PrintBarcode()
{
    PrintBarcodeCommand(*m_listView, *m_collection, m_log.get());
}

void MainWindow::openSetupDialog(int kind, const char* objectName)
{
    auto* dialog = new setupdialog(m_listView, m_collection.get(), kind, this, QLatin1StringView(objectName), true,
                                   m_log.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::SetupGroups()
{
    openSetupDialog(setupdialog::Groups, "Setup Groups");
}

void MainWindow::SetupLocation()
{
    openSetupDialog(setupdialog::Locations, "Setup Location");
}

void MainWindow::SetupSupplier()
{
    openSetupDialog(setupdialog::Suppliers, "Setup Suppliers");
}

void MainWindow::SetupCommon()
{
    auto* dialog = new CommonSetup(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::AutoMakeItems()
{
    auto* dialog = new AutomakeItems(m_collection.get(), m_listView, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// ---------------------------------------------------------------------------------------------
// Help

void MainWindow::Help()
{
    ShellOpenFile(helpPageName(HelpCommand::Help, GetProgramVariant(), GetLanguage()), QString(), false);
}

void MainWindow::HelpTutorial()
{
    ShellOpenFile(helpPageName(HelpCommand::Tutorial, GetProgramVariant(), GetLanguage()), QString(), false);
}

void MainWindow::HelpErrorHandling()
{
    ShellOpenFile(helpPageName(HelpCommand::ErrorHandling, GetProgramVariant(), GetLanguage()), QString(), false);
}

void MainWindow::HelpLinks()
{
    ShellOpenFile(helpPageName(HelpCommand::Links, GetProgramVariant(), GetLanguage()), QString(), false);
}

void MainWindow::HelpReleases()
{
    openReleaseNotes(GetProgramVariant(), GetLanguage());
}

void MainWindow::About()
{
    QString title;
    QString text;
    if (isStockvane()) {
        title = tr("About Stockvane");
        text = tr("AboutStockvaneDetails");
    } else if (isPictova()) {
        title = tr("About Pictova");
        text = tr("AboutPictovaDetails");
    } else if (isMintora()) {
        title = tr("About Mintora");
        text = tr("AboutMintoraDetails");
    } else {
        title = tr("About Domvara");
        text = tr("AboutDomvaraDetails");
    }
    MessageBoxes::ask(this, {QMessageBox::Information, title, text.arg(QCoreApplication::applicationVersion()), {}, 0, 0});
}

// ---------------------------------------------------------------------------------------------
// Shut-down

bool MainWindow::shutDown()
{
    if (!AskSaveCurrentDB())
        return false;
    // The list rows point into the collection: empty the list before the items go. Destroying
    // the collection gives back the lock of a stock database; it goes before the log it writes to.
    m_listView->clearRows();
    m_collection.reset();
    if (m_log) {
        m_log->CloseLog();
        m_log.reset();
    }
    return true;
}

void MainWindow::Quit()
{
    if (!shutDown())
        return;
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!shutDown()) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}
