#pragma once

#include "RecoveryFile.h"

#include <QMainWindow>

#include <memory>

class DBItemCollection;
class ItemListView;
class LogXML;
class QAction;
class QMenu;
class QSettings;
class QTimer;
class QTreeWidgetItem;
class UndoHistory;
class WidgetReporter;

// The one top-level window. It owns the log, the open database and the window's settings,
// shows the database in the item list and carries the menus, tool bars and file commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    DBItemCollection* collection() const;
    ItemListView* listView() const;
    LogXML* log() const;
    UndoHistory* undoHistory() const;
    QString currentFileName() const;
    // False when the database to open at start could not be read in full; the window then
    // shows what could be read, or nothing.
    bool startDatabaseLoaded() const;

    // Seconds as the status messages show them: two decimals, right-aligned in ten places.
    static QString elapsedText(qint64 milliseconds);

    // The file commands.
    bool LoadItemFile();
    bool AskSaveCurrentDB();
    void UpdateAfterLoad();

Q_SIGNALS:
    void message(const QString& text, int milliseconds);
    void message(const QString& text);

public Q_SLOTS:
    void ItemSelected(QTreeWidgetItem* row);
    void FileNew();
    void Load(bool ShowOpenDialog);
    void Load();
    // Saves to the current file; with the flag it also becomes the database opened at start.
    // Returns whether the database was written.
    bool Save(bool SetmCurrentFileName);
    bool Save();
    void SaveAs();
    void Backup();
    void Quit();
    void SaveSettings();
    void SaveAsXML(QString xmlOutputFile);
    void SaveAsXML();
    void SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable, QString htmlOutputFile);
    void SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable);
    void SaveAsHTML(bool showSpecialCase);
    void SaveAsHTML();
    void ShowAllAsXML();
    // Spreadsheet files: the items out, and items from a file into the open database.
    void ExportCsv();
    void ImportCsv();
    void ShowAllAsHTMLTable();
    void ShowAllAsHTML();
    void ShowAllSpecialCasesAsHTML();
    QString GetXmlOutputFile(QString xmlFileName);
    QString GetHtmlOutputFile(QString htmlFileName);
    void ViewCurrentAsHTML();
    void Print();
    void PrintPreview();
    void SetupWhatToPrint();
    void MakeReport();
    // The report for the insurer: the whole database, one group or the selected items.
    void ReportForInsurer();
    void SetupGroups();
    void SetupLocation();
    void SetupSupplier();
    void SetupCommon();
    void AutoMakeItems();
    void CheckLinkedFiles();
    void UpdateLocations();
    void PrintBarcode();
    void ViewAllItems();
    void DeleteItem();
    void EditItem();
    void SearchRecord();
    void ShowPictureOne();
    void ShowReceipt();
    void ShowUrl();
    void ShowDocument();
    void DkLanguage();
    void NoLanguage();
    void EnLanguage();
    void Help();
    void HelpTutorial();
    void HelpErrorHandling();
    void HelpLinks();
    void HelpReleases();
    void About();
    void browsePictureViewer_slot();
    void browseWWWViewer_slot();
    // Ends the program as Quit does but without asking anything, when the system asks it to end
    // (a signal): unsaved changes go to the recovery copy, never into the database; the lock is
    // given back and the log closed.
    void quitWithoutQuestions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    // The caption with the database's name, the mark for unsaved changes and, in words, a
    // database opened read-only.
    void updateTitle();
    void createMenus();
    void LoadStartDatabase();
    void changeLanguage(const char* language);
    // Opens a database file chosen already (empty: reads the current one in again), after the
    // save question.
    void openDatabase(const QString& chosen);
    // The File menu's list of the databases opened last (MainWindowRecent.cpp).
    void createRecentMenu();
    void fillRecentMenu();
    void openRecent(const QString& path);
    // The undo history and the Edit menu's Undo and Redo (MainWindowUndo.cpp).
    void createUndoHistory();
    void addUndoActions(QMenu* menu);
    // The quick filter box above the item list, and its count in the status bar
    // (MainWindowFilter.cpp); returns the widget holding both.
    QWidget* createFilterBox();
    // The check of linked files (MainWindowLinks.cpp).
    void addLinkCheckAction(QMenu* menu);
    bool saveAs();
    // Makes the folder of a database file the open database's folder, where its lists are
    // kept (read again when asked) and where the log goes.
    void followDatabaseFolder(const QString& databaseFile, bool readLists);
    // Whether the current file may be written: a file that was read only up to a damaged line
    // is replaced only when the user says so.
    bool mayReplacePartialFile();
    // Shows a status message through the window's message signal.
    void showMessage(const QString& text, int milliseconds);
    void openSetupDialog(int kind, const char* objectName);
    bool shutDown();
    // The recovery copy of a database with unsaved changes (MainWindowRecovery.cpp).
    void keepRecovery();
    bool writeRecovery();
    bool offerRecovery();
    bool openRecovery(const RecoveryFile::Found& found);
    void chooseViewerProgram(const char* settingsKey, const QString& caption, const QString& filter);

    QString m_startDatabase;
    std::unique_ptr<LogXML> m_log;
    QString mCurrentFileName;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<WidgetReporter> m_reporter;
    ItemListView* m_listView = nullptr;
    UndoHistory* m_history = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    class QLineEdit* m_filterBox = nullptr;
    class QLabel* m_filterCount = nullptr;
    std::unique_ptr<DBItemCollection> m_collection;
    bool m_startDatabaseLoaded = true;
    std::unique_ptr<RecoveryFile> m_recovery;
    QTimer* m_recoveryTimer = nullptr;
    // The modification count the recovery copy holds.
    quint64 m_recoveredChange = 0;
    bool m_recoveryFailureShown = false;
    // Set once the window has shut down; nothing is asked or saved after that.
    bool m_shutDown = false;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_setupMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_recentMenu = nullptr;

    QAction* m_fileNewAction = nullptr;
    QAction* m_fileOpenAction = nullptr;
    QAction* m_fileSaveAction = nullptr;
    QAction* m_fileSaveAsAction = nullptr;
    QAction* m_backupAction = nullptr;
    QAction* m_saveSettingsAction = nullptr;
    QAction* m_saveAsHtmlAction = nullptr;
    QAction* m_saveAsXmlAction = nullptr;
    QAction* m_exportCsvAction = nullptr;
    QAction* m_importCsvAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_printPreviewAction = nullptr;
    QAction* m_updateLocationsAction = nullptr;
    QAction* m_printBarcodeAction = nullptr;
    QAction* m_viewHtmlTableAction = nullptr;
    QAction* m_viewHtmlAction = nullptr;
    QAction* m_viewSpecialCasesAction = nullptr;
    QAction* m_viewXmlAction = nullptr;
    QAction* m_viewCurrentAction = nullptr;
    QAction* m_reportAction = nullptr;
    QAction* m_insurerReportAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_searchAction = nullptr;
    QAction* m_viewAllAction = nullptr;
    QAction* m_showPictureAction = nullptr;
    QAction* m_showReceiptAction = nullptr;
    QAction* m_showUrlAction = nullptr;
    QAction* m_showDocumentAction = nullptr;
    QAction* m_aboutAction = nullptr;
    // The Setup entries renamed after each load from the list's column captions.
    QAction* m_setupLocationAction = nullptr;
    QAction* m_setupGroupsAction = nullptr;
    QAction* m_setupSupplierAction = nullptr;
};
