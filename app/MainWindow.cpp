#include "MainWindow.h"

#include "DBItemCollection.h"
#include "LogXML.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "WidgetReporter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStatusBar>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_reporter(std::make_unique<WidgetReporter>())
    , m_settings(openSettings())
{
    setObjectName(QStringLiteral("main window"));

    // The log goes into the folder of the last database, before any database is loaded.
    m_log = std::make_unique<LogXML>(GetLastDBDir() + QStringLiteral("/log.xml"), GetVariantName(true));
    m_log->LogEntry(GetLanguage(), "hestivawindow", "Language");

    connect(this, qOverload<const QString&, int>(&MainWindow::message), statusBar(), &QStatusBar::showMessage);
    connect(this, qOverload<const QString&>(&MainWindow::message), statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(qApp, &QGuiApplication::lastWindowClosed, this, &MainWindow::Quit);

    FileNew();
}

MainWindow::~MainWindow() = default;

DBItemCollection* MainWindow::collection() const
{
    return m_collection.get();
}

LogXML* MainWindow::log() const
{
    return m_log.get();
}

QString MainWindow::currentFileName() const
{
    return mCurrentFileName;
}

void MainWindow::FileNew()
{
    mCurrentFileName.clear();
    if (m_collection)
        m_collection->clear();
    else
        m_collection = std::make_unique<DBItemCollection>(m_log.get(), m_reporter.get());
    setWindowTitle(GetCaption(mCurrentFileName));
}

bool MainWindow::shutDown()
{
    if (m_log) {
        m_log->CloseLog();
        m_log.reset();
    }
    // Destroying the collection gives back the lock of a stock database.
    m_collection.reset();
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
