// The main window's view, settings and language commands, and the exports, printing, the report
// and the set-up dialogs it opens.

#include "MainWindow.h"

#include "AutomakeItems.h"
#include "CommonSetup.h"
#include "CsvCommands.h"
#include "DBItemCollection.h"
#include "DemoDatabase.h"
#include "ExportCommands.h"
#include "FileDialogs.h"
#include "InsurerReportDialog.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "ListPrinting.h"
#include "LocationUpdate.h"
#include "MainWindowPrivate.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "ReportDialog.h"
#include "Settings.h"
#include "handlebarcodes.h"
#include "printSelectDataDialog.h"
#include "setupdialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

using namespace MainWindowDetail;

namespace {

constexpr char PictureViewerProgram[] = "PictureViewerProgram";
constexpr char WwwProgram[] = "wwwProgram";

} // namespace

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
    const QString oldDemo = userDemoDatabaseFile(GetProgramVariant(), GetLanguage());
    m_settings->setValue(Setting::Language, QString::fromLatin1(language));
    // The next start opens the database that is open now (a new one not yet saved: the one
    // saved last), with its own lists; the demo database in the new language, if it was the
    // demo of the old one.
    const QString database = mCurrentFileName.isEmpty()
        ? m_settings->value(Setting::LastSavedDBFile, oldDemo).toString()
        : mCurrentFileName;
    const QString installedDemo = demoDatabaseFile(GetProgramVariant(), GetLanguage());
    const QString opened = QFileInfo(database).absoluteFilePath();
    if (opened == QFileInfo(oldDemo).absoluteFilePath() || opened == QFileInfo(installedDemo).absoluteFilePath())
        m_settings->remove(Setting::LastSavedDBFile);
    else if (!database.isEmpty())
        m_settings->setValue(Setting::LastSavedDBFile, database);
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
        FileDialogs::ask(this, {FileDialogs::Mode::Open, caption, QString(), filter});
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

void MainWindow::ExportCsv()
{
    CsvCommands::exportCsv(this, *m_collection, *m_listView, mCurrentFileName,
                           [this](const QString& text, int ms) { showMessage(text, ms); });
}

void MainWindow::ImportCsv()
{
    CsvCommands::importCsv(this, *m_collection, *m_listView,
                           [this](const QString& text, int ms) { showMessage(text, ms); });
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

void MainWindow::PrintPreview()
{
    ListPrinting::Preview(*m_collection, this, [this](const QString& text, int ms) { showMessage(text, ms); });
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

void MainWindow::ReportForInsurer()
{
    auto* dialog = new InsurerReportDialog(*m_collection, InsurerReportDialog::selectedItems(*m_listView),
                                           mCurrentFileName, this,
                                           [this](const QString& text, int ms) { showMessage(text, ms); });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::UpdateLocations()
{
    // The update ends by saving the database; one that cannot be saved over is not changed.
    if (m_collection->refuseNewerFormat(mCurrentFileName))
        return;
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
