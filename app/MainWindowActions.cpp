// The main window's actions, menus and tool bars, and the actions that follow the selected row.

#include "MainWindow.h"

#include "HelpPages.h"
#include "ItemListView.h"
#include "MainWindowPrivate.h"
#include "ProgramVariant.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <QWhatsThis>

namespace MainWindowDetail {

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

QIcon productIcon()
{
    const QString name = GetVariantName().toLower();
    QIcon result = icon(QLatin1StringView(name.toLatin1()));
    for (const int size : {32, 48, 64, 128, 256})
        result.addFile(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size));
    return result;
}

} // namespace MainWindowDetail

using namespace MainWindowDetail;

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
    m_exportCsvAction = make(tr("EXPORT_CSV..."), "FileExportCsv", QKeySequence(), QIcon(),
                             tr("HELP_TEXT_FILE_EXPORT_CSV"), &MainWindow::ExportCsv);
    m_importCsvAction = make(tr("IMPORT_CSV..."), "FileImportCsv", QKeySequence(), QIcon(),
                             tr("HELP_TEXT_FILE_IMPORT_CSV"), &MainWindow::ImportCsv);
    m_updateLocationsAction = make(tr("UPDATE_LOCATIONS..."), "UpdateLocations", QKeySequence(), QIcon(),
                                   tr("HELP_TEXT_FILE_UPDATE_LOCATIONS"), &MainWindow::UpdateLocations);
    m_printBarcodeAction = make(tr("PRINT_BARCODE..."), "PrintBarcode", QKeySequence(QStringLiteral("Ctrl+B")),
                                icon("print"), tr("HELP_TEXT_FILE_PRINT_BARCODE"), &MainWindow::PrintBarcode);
    m_printAction = make(tr("Udskriv..."), "Print", QKeySequence(QStringLiteral("Ctrl+P")), icon("print"),
                         tr("HELP_TEXT_FILE_PRINT"), &MainWindow::Print);
    m_printPreviewAction = make(tr("PRINT_PREVIEW..."), "PrintPreview", QKeySequence(QStringLiteral("Ctrl+Shift+P")),
                                QIcon::fromTheme(QStringLiteral("document-print-preview"), icon("print")),
                                tr("HELP_TEXT_FILE_PRINT_PREVIEW"), &MainWindow::PrintPreview);
    m_insurerReportAction = make(tr("INSURER_REPORT..."), "InsurerReport", QKeySequence(), icon("report"),
                                 tr("HELP_TEXT_INSURER_REPORT"), &MainWindow::ReportForInsurer);
    // Nothing to print until a database is loaded.
    m_printAction->setEnabled(false);
    m_printPreviewAction->setEnabled(false);
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
    createRecentMenu();
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
    m_fileMenu->addAction(m_exportCsvAction);
    m_fileMenu->addAction(m_importCsvAction);
    m_fileMenu->addAction(m_saveSettingsAction);
    m_fileMenu->addSeparator();
    if (isStockvane()) {
        m_fileMenu->addAction(m_printBarcodeAction);
        m_listView->addContextMenuAction(m_printBarcodeAction);
    }
    m_fileMenu->addAction(m_printAction);
    m_listView->addContextMenuAction(m_printAction);
    m_fileMenu->addAction(m_printPreviewAction);
    m_fileMenu->addAction(m_insurerReportAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_quitAction);

    m_editMenu = menuBar()->addMenu(tr("&Rediger"));
    addUndoActions(m_editMenu);
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
    m_viewMenu->addAction(m_insurerReportAction);
    addLinkCheckAction(m_viewMenu);

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
    // No row (the last one was deleted) enables none of them.
    m_showPictureAction->setEnabled(m_listView->HasPictureLink(row));
    m_showReceiptAction->setEnabled(m_listView->HasReceipt(row));
    m_showUrlAction->setEnabled(m_listView->HasUrl(row));
    m_showDocumentAction->setEnabled(m_listView->HasDocument(row));
    m_viewCurrentAction->setEnabled(row && row->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator);
}
