// The main window's construction, its help menu and shut-down. Its other source files hold the
// actions, menus and tool bars (MainWindowActions.cpp), the file commands (MainWindowFile.cpp)
// and the view, export, print and set-up commands (MainWindowView.cpp).

#include "MainWindow.h"

#include "DBItemCollection.h"
#include "DemoDatabase.h"
#include "HelpPages.h"
#include "ItemListView.h"
#include "LogXML.h"
#include "MainWindowPrivate.h"
#include "ModifiedObserver.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "UndoHistory.h"
#include "WidgetReporter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

using namespace MainWindowDetail;

namespace {

// How often the recovery copy of a database with unsaved changes is refreshed.
constexpr std::chrono::minutes RecoveryInterval{2};

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_settings(openSettings())
    , m_reporter(std::make_unique<WidgetReporter>())
{
    setObjectName(QStringLiteral("main window"));
    setWindowIcon(productIcon());

    // At first start the demo database is copied into the user's data folder and opened there:
    // the installed one is only read. This comes first, since the log goes beside it.
    QString copyError;
    if (!prepareStartDatabase(&copyError))
        MessageBoxes::critical(nullptr, tr("FileError"), tr("DEMO_DATABASE_NOT_COPIED %1").arg(copyError));

    // The log goes into the folder of the database opened at start, before it is loaded, and
    // moves with the database to the folder of one opened or saved under a new name later.
    const QString startFile
        = m_settings->value(Setting::LastSavedDBFile, demoDatabaseFile(GetProgramVariant(), GetLanguage())).toString();
    const QString logFolder = startFile.isEmpty() ? GetLastDBDir() : QFileInfo(startFile).path();
    m_log = std::make_unique<LogXML>(logFolder + QStringLiteral("/log.xml"), GetVariantName(true));
    m_log->LogEntry(GetLanguage(), LogFileName, "Language");

    connect(this, qOverload<const QString&, int>(&MainWindow::message), statusBar(), &QStatusBar::showMessage);
    connect(this, qOverload<const QString&>(&MainWindow::message), statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(qApp, &QGuiApplication::lastWindowClosed, this, &MainWindow::Quit);

    // The title marks unsaved changes whoever makes them: the list, a dialog, an update.
    setModifiedObserver([this](bool modified) { setWindowModified(modified); });
    m_listView = new ItemListView(this);
    connect(m_listView, &ItemListView::rowSelected, this, &MainWindow::ItemSelected);
    createUndoHistory();
    FileNew();
    setCentralWidget(createFilterBox());

    createActions();
    createMenus();
    m_recovery = std::make_unique<RecoveryFile>();
    LoadStartDatabase();

    // While there are unsaved changes a copy of the database is kept every few minutes.
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setObjectName(QStringLiteral("recoveryTimer"));
    m_recoveryTimer->setInterval(RecoveryInterval);
    connect(m_recoveryTimer, &QTimer::timeout, this, &MainWindow::keepRecovery);
    m_recoveryTimer->start();
}

MainWindow::~MainWindow()
{
    setModifiedObserver({});
    // The list rows point into the collection, which goes first.
    m_listView->clearRows();
    m_history->clear();
}

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

UndoHistory* MainWindow::undoHistory() const
{
    return m_history;
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
    if (m_shutDown)
        return true;
    if (!AskSaveCurrentDB())
        return false;
    m_shutDown = true;
    m_recoveryTimer->stop();
    // The steps point into the collection too.
    m_history->clear();
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
