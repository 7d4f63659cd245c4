// The main window's file commands, menus and actions, driven as a user would, with message
// boxes and file dialogs answered by the test.

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "DemoDatabase.h"
#include "FileDialogs.h"
#include "InsurerReportDialog.h"
#include "ItemListView.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "RecoveryFile.h"
#include "PrintDialogs.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList actionTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A household database of one item in group 0 in a folder of its own, with its groups and
// locations in Danish only.
QString databaseWithLists(const QString& folder, const QByteArray& groups)
{
    QDir().mkpath(folder + QStringLiteral("/groups"));
    QDir().mkpath(folder + QStringLiteral("/location"));
    const QString path = folder + QStringLiteral("/house.db");
    const QList<std::pair<QString, QByteArray>> files = {
        {path, DBItemCollection::headerLine(ProgramVariant::Domvara)
                   + "\r\n0;Sofa;;1.000000;1.000000;01.01.2020;;;;;;1;0;;;;;\r\n"},
        {folder + QStringLiteral("/groups/groups.dk.txt"), groups},
        {folder + QStringLiteral("/location/location.dk.txt"), "Room\r\n"}};
    for (const auto& [name, content] : files) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
    }
    return path;
}

// Adds a group through the groups editor, as a user does, and closes the editor with OK.
void addGroup(MainWindow& window, const QString& name)
{
    window.SetupGroups();
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("Setup Groups"));
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>(QStringLiteral("selectedItemLineEdit"))->setText(name);
    dialog->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("buttonOk"))->click();
    delete dialog;
}

QMenu* menuTitled(const QMainWindow& window, const QString& title)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startOpensDemoDatabase();
    void missingStartDatabase();
    void failedOpenChangesNoSettings();
    void damagedDatabaseIsNotMadeWorse();
    void saveQuestion_data();
    void saveQuestion();
    void failedSaveKeepsChanges();
    void newThenSaveAsksForName();
    void backupLeavesEverythingElse();
    void listsAndLogFollowTheDatabase();
    void stockSaveAsRespectsAndMovesLocks();
    void cancelledOpenChangesNothing();
    void deleteAfterOpenTakesNothingUnseen();
    void languageChangeKeepsTheDatabase();
    void helpAndLanguageMenusByProduct();
    void selectedRowEnablesShowCommands();
    void printPreviewBesidePrint();
    void lockedStockDatabaseIsReadOnly();
    void cancelledQuitKeepsWindow();
    void recoveryCopyFollowsUnsavedChanges();
    void viewerProgram();
    void fileNamesAndTitle();
    void elapsedText();

private:
    void useProduct(ProgramVariant variant);
    QString demoCopy(const QString& name) const;

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_work;
    QString m_oldCurrent;
    QList<MessageBoxes::Request> m_boxes;
    QList<int> m_answers;
    QList<FileDialogs::Request> m_dialogs;
    QList<FileDialogs::Answer> m_chosen;
};

void TestMainWindow::init()
{
    // The program's data folder is a copy of the runtime data, so nothing it could write lands
    // in the tree; the databases of the tests lie beside it.
    m_work = std::make_unique<QTemporaryDir>();
    const QString data = m_work->filePath(QStringLiteral("data"));
    QVERIFY(copyTree(sourceFile(QStringLiteral("data")), data));
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(data);
    setDataDir(data);
    // Each test starts without the user's copies of the demo databases that earlier ones made.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_work->filePath(QStringLiteral("user-data"))));
    useProduct(ProgramVariant::Domvara);
    DBItemCollection::setModified(false);

    m_boxes.clear();
    m_answers.clear();
    m_dialogs.clear();
    m_chosen.clear();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return m_answers.isEmpty() ? std::max(request.escapeButton, 0) : m_answers.takeFirst();
    });
    FileDialogs::setAnswerer([this](const FileDialogs::Request& request) {
        m_dialogs.append(request);
        return m_chosen.isEmpty() ? FileDialogs::Answer() : m_chosen.takeFirst();
    });
}

void TestMainWindow::cleanup()
{
    MessageBoxes::setAnswerer({});
    FileDialogs::setAnswerer({});
    qunsetenv("DEBUGQUORVANE");
    qunsetenv("XDG_DATA_HOME");
    QDir::setCurrent(m_oldCurrent);
    setDataDir(QString());
    m_settings.reset();
    m_work.reset();
}

void TestMainWindow::useProduct(ProgramVariant variant)
{
    m_settings = std::make_unique<TestSettings>(variant);
}

QString TestMainWindow::demoCopy(const QString& name) const
{
    // A database of its own in a folder of its own.
    const QString folder = m_work->filePath(QStringLiteral("mine"));
    QDir().mkpath(folder);
    const QString path = folder + u'/' + name;
    QFile::copy(QStringLiteral("db/DemoDBStd/DomvaraStdDemoDatabase.dk.db"), path);
    return path;
}

void TestMainWindow::startOpensDemoDatabase()
{
    // At first start the demo is copied into the user's data folder and opened from there, its
    // pictures beside it; the user can save it at once, and nothing goes into the data folder.
    QDir::setCurrent(QDir::tempPath());
    MainWindow window;
    QVERIFY(window.startDatabaseLoaded());
    const QString demo = userDemoDatabaseFile(ProgramVariant::Domvara, "dk");
    QCOMPARE(demo, m_settings->path() + QStringLiteral("/data/Quorvane/Domvara/DemoDBStd/DomvaraStdDemoDatabase.dk.db"));
    QCOMPARE(window.currentFileName(), demo);
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), userDemoDatabaseDir(ProgramVariant::Domvara));
    QVERIFY(window.collection()->count() >= 30);
    int pictures = 0;
    for (const auto& item : window.collection()->items()) {
        if (item->photolink().isEmpty())
            continue;
        ++pictures;
        QVERIFY2(item->photolink().startsWith(QStringLiteral("pictures/")), qPrintable(item->photolink()));
        QVERIFY(QFile::exists(resolveLink(item->photolink(), GetLastDBDir())));
    }
    QVERIFY(pictures > 0);
    QVERIFY(QFile::exists(userDemoDatabaseDir(ProgramVariant::Domvara) + QStringLiteral("/log.xml")));
    QCOMPARE(window.windowTitle(), GetCaption(demo) + QStringLiteral("[*]"));
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), demo);
    QCOMPARE(window.listView()->topLevelItemCount(), window.collection()->groups().size());
    // Without translations the message shows its key; the start-up test reads the real text.
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("NUMBERS_OF_ITEMS_READ_FORM_DB"));
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(!DBItemCollection::isModified());
    QVERIFY(window.Save());
    QCOMPARE(QDir(dataDir() + QStringLiteral("/db/DemoDBStd")).entryList(QDir::Files),
             (QStringList{QStringLiteral("DomvaraStdDemoDatabase.dk.db"), QStringLiteral("DomvaraStdDemoDatabase.en.db"),
                          QStringLiteral("DomvaraStdDemoDatabase.no.db")}));
}

void TestMainWindow::missingStartDatabase()
{
    // The start database is out of reach (an unmounted share): one box names it, the window
    // opens empty, and the file stays the one to open at the next start.
    const QString gone = m_work->filePath(QStringLiteral("share/home.db"));
    m_settings->setValue(Setting::LastSavedDBFile, gone);
    m_settings->setValue(Setting::LastDBDir, m_work->path());
    MainWindow window;
    QVERIFY(!window.startDatabaseLoaded());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("FileError"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("ERROR_DB_FILE_CAN_NOT_BE_OPENED\n\n") + QDir::toNativeSeparators(gone));
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), gone);
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), m_work->path());
    QCOMPARE(window.collection()->count(), 0);
    QCOMPARE(window.listView()->topLevelItemCount(), window.collection()->groups().size());
}

void TestMainWindow::failedOpenChangesNoSettings()
{
    // A chosen file that cannot be read (here a stock database) leaves the settings alone, and
    // Save never writes the emptied database over it.
    const QString mine = demoCopy(QStringLiteral("mine.db"));
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    MainWindow window;
    const QString stock = QFileInfo(mine).path() + QStringLiteral("/stock.db");
    QVERIFY(QFile::copy(QStringLiteral("db/DemoStockvane/DemoStockvane.dk.db"), stock));
    const QByteArray before = readFile(stock);
    m_chosen = {{stock, QFileInfo(stock).path()}};
    window.Load();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].text.endsWith(QDir::toNativeSeparators(stock)));
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), mine);
    QVERIFY(window.currentFileName().isEmpty());
    QVERIFY(!window.Save());
    QCOMPARE(m_dialogs.size(), 2); // Open, then Save As, cancelled
    QCOMPARE(readFile(stock), before);
}

void TestMainWindow::damagedDatabaseIsNotMadeWorse()
{
    // Three items, a damaged line, and one more item after it.
    const QString mine = demoCopy(QStringLiteral("mine.db"));
    const QList<QByteArray> lines = readFile(mine).split('\n');
    const QByteArray damaged = lines[0] + '\n' + lines[1] + '\n' + lines[2] + '\n' + lines[3] + "\nSofa;x;\r\n" + lines[4] + '\n';
    QFile file(mine);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    m_settings->setValue(Setting::LastSavedDBFile, mine);

    MainWindow window;
    QVERIFY(!window.startDatabaseLoaded());
    // One box says what was read; what was read is shown under the file's name.
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Database error"));
    QVERIFY(m_boxes[0].text.endsWith(QStringLiteral("DB_LOAD_STOPPED_AT_LINE 3 5")));
    QCOMPARE(window.collection()->count(), 3);
    QVERIFY(window.listView()->FindListViewItem(window.collection()->at(2)));
    QCOMPARE(window.currentFileName(), mine);

    // Saving over it asks first, and Cancel is the default.
    QVERIFY(!window.Save());
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].text, QStringLiteral("PARTIAL_DB_SAVE_QUESTION %1 5 3").arg(QDir::toNativeSeparators(mine)));
    QCOMPARE(m_boxes[1].defaultButton, 1);
    QCOMPARE(readFile(mine), damaged);
    m_answers = {0};
    QVERIFY(window.Save());
    DBItemCollection reread;
    QVERIFY(reread.LoadFromAsciiFile(mine));
    QCOMPARE(reread.count(), 3);
    // The file now holds what the database holds: no more questions.
    QVERIFY(window.Save());
    QCOMPARE(m_boxes.size(), 3);
}

void TestMainWindow::saveQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << 0 << true << true;
    QTest::newRow("do not save") << 1 << true << false;
    QTest::newRow("cancel") << 2 << false << false;
}

void TestMainWindow::saveQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, emptied);
    QFETCH(bool, saved);
    const QString mine = demoCopy(QStringLiteral("mine.db"));
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    MainWindow window;
    const int count = window.collection()->count();
    // Deleting an item is a change to save.
    window.listView()->ItemSelected(window.listView()->FindListViewItem(window.collection()->at(0)));
    window.findChild<QAction*>(QStringLiteral("EditDelete"))->trigger();
    QCOMPARE(window.collection()->count(), count - 1);
    QVERIFY(DBItemCollection::isModified());

    m_answers = {answer};
    window.FileNew();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("/Domvara/"));
    QCOMPARE(m_boxes[0].buttons, (QStringList{QStringLiteral("&Gem"), QStringLiteral("Gem &ikke"), QStringLiteral("&Fortryd")}));
    QCOMPARE(m_boxes[0].escapeButton, 2);
    QCOMPARE(window.collection()->count(), emptied ? 0 : count - 1);
    QCOMPARE(window.currentFileName().isEmpty(), emptied);
    QCOMPARE(DBItemCollection::isModified(), !emptied);

    DBItemCollection reread;
    QVERIFY(reread.LoadFromAsciiFile(mine));
    QCOMPARE(reread.count(), saved ? count - 1 : count);
}

void TestMainWindow::failedSaveKeepsChanges()
{
    // The folder of the database disappears: answering "Save" to the question must not lose
    // the changes.
    const QString mine = demoCopy(QStringLiteral("mine.db"));
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    MainWindow window;
    const int count = window.collection()->count();
    DBItemCollection::setModified(true);
    QVERIFY(QDir(QFileInfo(mine).path()).removeRecursively());

    m_answers = {0};
    window.FileNew();
    QCOMPARE(window.collection()->count(), count);
    QVERIFY(DBItemCollection::isModified());
    QCOMPARE(window.currentFileName(), mine);
    QCOMPARE(m_boxes.size(), 2); // the question, then the failed save
    QCOMPARE(m_boxes[1].title, QStringLiteral("DB_SAVE_ERROR_TITLE"));
}

void TestMainWindow::newThenSaveAsksForName()
{
    MainWindow window;
    const QString demoGroups = QStringLiteral("db/DemoDBStd/groups/groups.dk.txt");
    const QByteArray groups = readFile(demoGroups);
    window.FileNew();
    QVERIFY(window.currentFileName().isEmpty());
    QCOMPARE(window.windowTitle(), GetCaption(QString()) + QStringLiteral("[*]"));
    // A group added now belongs to the new database, not to the folder of the one before.
    addGroup(window, QStringLiteral("Greenhouse"));
    QCOMPARE(readFile(demoGroups), groups);

    // A full path typed into the name box: the dialog itself still shows another folder.
    const QString folder = m_work->filePath(QStringLiteral("new"));
    QDir().mkpath(folder);
    m_chosen = {{folder + QStringLiteral("/home.db"), m_work->path()}};
    QVERIFY(window.Save());
    QCOMPARE(m_dialogs.size(), 1);
    QCOMPARE(m_dialogs[0].mode, FileDialogs::Mode::Save);
    QCOMPARE(m_dialogs[0].filter, QStringLiteral("DB (*.inb *.txt *.db)"));
    QVERIFY(QFile::exists(folder + QStringLiteral("/home.db")));
    QVERIFY(readFile(folder + QStringLiteral("/groups/groups.dk.txt")).endsWith("\r\nGreenhouse\r\n"));
    QVERIFY(!QFile::exists(m_work->filePath(QStringLiteral("groups"))));
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), folder);
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), folder + QStringLiteral("/home.db"));
    QCOMPARE(window.windowTitle(), GetCaption(folder + QStringLiteral("/home.db")) + QStringLiteral("[*]"));
}

void TestMainWindow::backupLeavesEverythingElse()
{
    const QString mine = demoCopy(QStringLiteral("mine.db"));
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    m_settings->setValue(Setting::LastDBDir, QFileInfo(mine).path());
    MainWindow window;
    DBItemCollection::setModified(true);
    const QString title = window.windowTitle();

    // A full path typed into the name box: the lists go beside the file, not into the folder
    // the dialog shows.
    const QString safe = m_work->filePath(QStringLiteral("safe"));
    QDir().mkpath(safe);
    m_chosen = {{safe + QStringLiteral("/inv.bak"), m_work->path()}};
    window.Backup();
    QCOMPARE(m_dialogs[0].filter, QStringLiteral("DB (*.bak)"));
    QVERIFY(QFile::exists(safe + QStringLiteral("/inv.bak")));
    QVERIFY(QFile::exists(safe + QStringLiteral("/location/location.dk.txt")));
    QVERIFY(!QFile::exists(m_work->filePath(QStringLiteral("groups"))));
    QCOMPARE(window.currentFileName(), mine);
    QCOMPARE(window.windowTitle(), title);
    QVERIFY(DBItemCollection::isModified());
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), QFileInfo(mine).path());
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), mine);

    // Cancelled: said so, nothing written.
    window.Backup();
    QCOMPARE(m_boxes.last().text, QStringLiteral("NO_BACKUP_ERROR_NO_FILE_SAVED"));
}

void TestMainWindow::listsAndLogFollowTheDatabase()
{
    // The database opened at start has lists of its own; the file dialogs last showed
    // another folder.
    const QString mine = databaseWithLists(m_work->filePath(QStringLiteral("mine")), "Shelf A\r\nShelf B\r\n");
    const QString other = databaseWithLists(m_work->filePath(QStringLiteral("other")), "Rack 1\r\n");
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    m_settings->setValue(Setting::LastDBDir, m_work->path());
    qputenv("DEBUGQUORVANE", "1");
    MainWindow window;
    QCOMPARE(window.collection()->groups().entries(),
             (QStringList{QStringLiteral("Shelf A"), QStringLiteral("Shelf B")}));
    QVERIFY(QFile::exists(m_work->filePath(QStringLiteral("mine/log.xml"))));

    // Another window of the product opens a database elsewhere: this window's list edits stay
    // with its own database.
    m_settings->setValue(Setting::LastDBDir, QFileInfo(other).path());
    addGroup(window, QStringLiteral("Shelf C"));
    QCOMPARE(readFile(m_work->filePath(QStringLiteral("mine/groups/groups.dk.txt"))),
             QByteArray("Shelf A\r\nShelf B\r\nShelf C\r\n"));
    QCOMPARE(readFile(m_work->filePath(QStringLiteral("other/groups/groups.dk.txt"))), QByteArray("Rack 1\r\n"));

    // Opening the other database brings its lists, and the log goes along.
    m_chosen = {{other, m_work->path()}};
    window.Load();
    qunsetenv("DEBUGQUORVANE");
    QCOMPARE(window.collection()->groups().entries(), QStringList{QStringLiteral("Rack 1")});
    QVERIFY(readFile(m_work->filePath(QStringLiteral("mine/log.xml"))).endsWith("</LogFile>"));
    window.close();
    QVERIFY(readFile(m_work->filePath(QStringLiteral("other/log.xml")))
                .contains("<Function>MakeDynamicLists()</Function>"));
    QVERIFY(m_boxes.isEmpty());
}

void TestMainWindow::stockSaveAsRespectsAndMovesLocks()
{
    useProduct(ProgramVariant::Stockvane);
    MainWindow window;
    const QString name = window.currentFileName();
    const QString title = window.windowTitle();
    const QVariant lastDir = openSettings()->value(Setting::LastDBDir);
    QVERIFY(QFile::exists(QFileInfo(name).path() + QStringLiteral("/LockFile.txt")));

    // Another program holds the folder: neither Save As nor Backup writes anything into it,
    // and a failed Save As leaves the name, the caption and the settings alone.
    const QString shared = m_work->filePath(QStringLiteral("shared"));
    QDir().mkpath(shared);
    QFile lock(shared + QStringLiteral("/LockFile.txt"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("stock.db Locked by PC: other, User: colleague");
    lock.close();
    m_chosen = {{shared + QStringLiteral("/stock.db"), shared}, {shared + QStringLiteral("/stock.bak"), shared}};
    window.SaveAs();
    window.Backup();
    QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("LockFile.txt")});
    QCOMPARE(m_boxes.size(), 2);
    for (const auto& box : m_boxes)
        QCOMPARE(box.title, QStringLiteral("FOLDER_LOCKED"));
    QCOMPARE(window.currentFileName(), name);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(openSettings()->value(Setting::LastDBDir), lastDir);
    QCOMPARE(openSettings()->value(Setting::LastSavedDBFile).toString(), name);

    // Saved into a free folder, the database takes its lock along.
    const QString free = m_work->filePath(QStringLiteral("free"));
    QDir().mkpath(free);
    m_chosen = {{free + QStringLiteral("/stock.db"), free}};
    window.SaveAs();
    QVERIFY(QFile::exists(free + QStringLiteral("/LockFile.txt")));
    QVERIFY(QFile::exists(free + QStringLiteral("/groups/groups.dk.txt")));
    QVERIFY(!QFile::exists(QFileInfo(name).path() + QStringLiteral("/LockFile.txt")));
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), free);
}

void TestMainWindow::cancelledOpenChangesNothing()
{
    // A cancelled chooser leaves the open database and its unsaved changes as they were, and
    // asks nothing.
    MainWindow window;
    const int count = window.collection()->count();
    window.collection()->removeItem(window.collection()->at(0)).reset();
    DBItemCollection::setModified(true);
    window.Load();
    QCOMPARE(m_dialogs.size(), 1);
    QCOMPARE(m_dialogs[0].mode, FileDialogs::Mode::Open);
    QCOMPARE(window.collection()->count(), count - 1);
    QVERIFY(DBItemCollection::isModified());
    QVERIFY(m_boxes.isEmpty());
    DBItemCollection::setModified(false);
}

void TestMainWindow::deleteAfterOpenTakesNothingUnseen()
{
    // After Open no row is selected; Delete asks nothing, so it must not take an Item the user
    // cannot see.
    MainWindow window;
    const QString demo = QFileInfo(window.currentFileName()).absoluteFilePath();
    m_chosen = {{demo, QFileInfo(demo).path()}};
    window.Load();
    const int count = window.collection()->count();
    QVERIFY(count > 0);
    QVERIFY(window.listView()->selectedItems().isEmpty());
    window.findChild<QAction*>(QStringLiteral("EditDelete"))->trigger();
    QCOMPARE(window.collection()->count(), count);
}

void TestMainWindow::languageChangeKeepsTheDatabase()
{
    // A database kept in Danish only is open when the language changes to English.
    const QString mine = databaseWithLists(m_work->filePath(QStringLiteral("mine")), "Shelf A\r\nShelf B\r\n");
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    m_settings->setValue(Setting::LastDBDir, m_work->path());
    {
        MainWindow window;
        window.EnLanguage();
        QCOMPARE(openSettings()->value(Setting::Language).toString(), QStringLiteral("en"));
        QCOMPARE(m_boxes.last().text, QStringLiteral("RESTART_BEFORE_LANGUAGE_CHANGED"));
        // Nothing else changes until the next start.
        QCOMPARE(GetLanguage(), QByteArray("en"));
        QVERIFY(window.collection()->count() > 0);
    }
    QCOMPARE(openSettings()->value(Setting::LastDBDir).toString(), m_work->path());

    // After the restart the same database opens, with its own lists, not the program's
    // English ones.
    {
        MainWindow restarted;
        QCOMPARE(restarted.currentFileName(), mine);
        QCOMPARE(restarted.collection()->groups().entries(),
                 (QStringList{QStringLiteral("Shelf A"), QStringLiteral("Shelf B")}));
    }

    // The demo database of one language gives way to the demo database of the next.
    openSettings()->remove(Setting::LastSavedDBFile);
    {
        MainWindow demo;
        QCOMPARE(demo.currentFileName(), userDemoDatabaseFile(ProgramVariant::Domvara, "en"));
        demo.NoLanguage();
    }
    MainWindow norwegian;
    QCOMPARE(norwegian.currentFileName(), userDemoDatabaseFile(ProgramVariant::Domvara, "no"));
}

void TestMainWindow::helpAndLanguageMenusByProduct()
{
    {
        useProduct(ProgramVariant::Stockvane);
        m_settings->setValue(Setting::Language, QStringLiteral("en"));
        m_settings->setValue(Setting::LastDBDir, m_work->path());
        MainWindow window;
        const QStringList help = actionTexts(menuTitled(window, QStringLiteral("&Hjælp")));
        QCOMPARE(help.value(0), QStringLiteral("&Links..."));
        QVERIFY(!help.contains(QStringLiteral("&Tutorial...")));
        QVERIFY(!actionTexts(menuTitled(window, QStringLiteral("LANGUAGE_MENU"))).contains(QStringLiteral("NORWAY_LANG...")));
        window.collection()->clear();
    }
    {
        useProduct(ProgramVariant::Domvara);
        m_settings->setValue(Setting::Language, QStringLiteral("en"));
        MainWindow window;
        const QStringList help = actionTexts(menuTitled(window, QStringLiteral("&Hjælp")));
        QVERIFY(!help.contains(QStringLiteral("&Hjælp...")));
        QCOMPARE(help.value(0), QStringLiteral("&Tutorial..."));
        QVERIFY(actionTexts(menuTitled(window, QStringLiteral("LANGUAGE_MENU"))).contains(QStringLiteral("NORWAY_LANG...")));
    }
}

void TestMainWindow::selectedRowEnablesShowCommands()
{
    MainWindow window;
    auto item = std::make_unique<Item>();
    item->setName(QStringLiteral("Only a web link"));
    item->setWww(QStringLiteral("https://example.org"));
    Item* added = window.collection()->addItem(std::move(item));
    window.listView()->addItemRow(added, true);
    QTreeWidgetItem* row = window.listView()->FindListViewItem(added);
    window.ItemSelected(row);
    auto action = [&window](const char* name) { return window.findChild<QAction*>(QLatin1StringView(name)); };
    QVERIFY(action("ViewUrl")->isEnabled());
    QVERIFY(!action("ViewPicture")->isEnabled());
    QVERIFY(!action("ViewPicture2")->isEnabled());
    QVERIFY(!action("ViewDoc")->isEnabled());
    // A group row enables none of them.
    window.ItemSelected(window.listView()->topLevelItem(0));
    QVERIFY(!action("ViewUrl")->isEnabled());
}

void TestMainWindow::printPreviewBesidePrint()
{
    MainWindow window;
    QVERIFY(window.startDatabaseLoaded());
    const QList<QAction*> file = menuTitled(window, QStringLiteral("&Fil"))->actions();
    QAction* preview = file.value(file.indexOf(window.findChild<QAction*>(QStringLiteral("Print"))) + 1);
    QVERIFY(preview);
    QCOMPARE(preview->objectName(), QStringLiteral("PrintPreview"));
    QCOMPARE(preview->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    QVERIFY(preview->isEnabled());

    // The preview shows the list's pages; printing from it prints them.
    const QString pdf = m_work->filePath(QStringLiteral("preview.pdf"));
    PrintDialogs::setPreviewAnswerer([&pdf](QPrinter* printer, const PrintDialogs::PaintPages& paint) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        paint(printer);
        return true;
    });
    preview->trigger();
    PrintDialogs::setPreviewAnswerer({});
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Print færdig"));
    QVERIFY(m_boxes.isEmpty());

    // The report for the insurer follows, and in the View menu the group report; it opens its
    // dialog over the main window, for the item selected in the list.
    QAction* insurer = file.value(file.indexOf(preview) + 1);
    QCOMPARE(insurer->objectName(), QStringLiteral("InsurerReport"));
    QVERIFY(menuTitled(window, QStringLiteral("&Vis"))->actions().contains(insurer));
    window.listView()->clearSelection();
    window.listView()->FindListViewItem(window.collection()->items().front().get())->setSelected(true);
    insurer->trigger();
    auto* dialog = window.findChild<InsurerReportDialog*>();
    QVERIFY(dialog && dialog->isModal());
    QCOMPARE(dialog->findChild<QRadioButton*>(QStringLiteral("selectedRadioButton"))->text(),
             QStringLiteral("INSURER_REPORT_SELECTED_ITEMS 1"));
    delete dialog;
}

void TestMainWindow::lockedStockDatabaseIsReadOnly()
{
    useProduct(ProgramVariant::Stockvane);
    const QString lockFile = userDemoDatabaseDir(ProgramVariant::Stockvane) + QStringLiteral("/LockFile.txt");
    {
        QVERIFY(QDir().mkpath(userDemoDatabaseDir(ProgramVariant::Stockvane)));
        QFile lock(lockFile);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("DemoStockvane.dk.db Locked by PC: other, User: colleague");
    }
    MainWindow window;
    QVERIFY(window.startDatabaseLoaded());
    QVERIFY(window.collection()->isReadOnly());
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].text.endsWith(QStringLiteral("User: colleague")));
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("FileSave"))->isEnabled());
    QVERIFY(window.styleSheet().contains(QStringLiteral("red")));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" TITLE_READ_ONLY")));

    // A delete could never be saved: it is refused like any other change, and said so.
    const int count = window.collection()->count();
    ItemListView* list = window.listView();
    list->ItemSelected(list->FindListViewItem(window.collection()->at(0)));
    window.findChild<QAction*>(QStringLiteral("EditDelete"))->trigger();
    QCOMPARE(window.collection()->count(), count);
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].text, QStringLiteral("DELETE_READ_ONLY"));
    window.close();
    // The other user's lock stays.
    QVERIFY(QFile::exists(lockFile));
}

void TestMainWindow::cancelledQuitKeepsWindow()
{
    MainWindow window;
    window.show();
    DBItemCollection::setModified(true);
    m_answers = {2};
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(window.collection());
    QVERIFY(window.log());
    DBItemCollection::setModified(false);
}

void TestMainWindow::recoveryCopyFollowsUnsavedChanges()
{
    const QString mine = demoCopy(QStringLiteral("mine.db"));
    m_settings->setValue(Setting::LastSavedDBFile, mine);
    const QByteArray before = readFile(mine);
    const QString copy = RecoveryFile::fileFor(mine);
    QString unnamed;
    {
        MainWindow window;
        auto* timer = window.findChild<QTimer*>(QStringLiteral("recoveryTimer"));
        QVERIFY(timer && timer->isActive());
        timer->setInterval(10);
        const int count = window.collection()->count();

        // Unsaved changes are copied, the database itself is left alone; a save removes the copy.
        QTest::qWait(50);
        QVERIFY(!QFile::exists(copy));
        window.collection()->addItem(std::make_unique<Item>());
        QTRY_VERIFY(QFile::exists(copy));
        DBItemCollection kept;
        QVERIFY(kept.loadFromData(readFile(copy)));
        QCOMPARE(kept.count(), count + 1);
        QCOMPARE(readFile(mine), before);
        QVERIFY(window.Save());
        QVERIFY(!QFile::exists(copy));

        // A new database without a name is copied too; giving its changes up removes the copy.
        window.FileNew();
        window.collection()->addItem(std::make_unique<Item>());
        QTRY_VERIFY(!QDir(RecoveryFile::folder()).entryList({QStringLiteral("unnamed-*.db")}).isEmpty());
        m_answers = {1};
        window.FileNew();
        QVERIFY(QDir(RecoveryFile::folder()).entryList({QStringLiteral("*.db")}).isEmpty());

        // One left by a program that ended with changes is offered at the next start.
        window.collection()->addItem(std::make_unique<Item>());
        QTRY_VERIFY(!QDir(RecoveryFile::folder()).entryList({QStringLiteral("unnamed-*.db")}).isEmpty());
        unnamed = QDir(RecoveryFile::folder()).entryList({QStringLiteral("unnamed-*.db")}).value(0);
        timer->stop();
    }
    m_boxes.clear();
    m_answers = {0};
    MainWindow next;
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("RECOVERY_QUESTION RECOVERY_UNNAMED ")));
    QVERIFY(m_boxes[0].text.endsWith(QStringLiteral(" 1")));
    QCOMPARE(next.currentFileName(), QString());
    QCOMPARE(next.collection()->count(), 1);
    QVERIFY(DBItemCollection::isModified());
    // Giving the changes up now removes the copy taken over.
    m_answers = {1};
    QVERIFY(next.AskSaveCurrentDB());
    QVERIFY(!QFile::exists(RecoveryFile::folder() + unnamed));
}

void TestMainWindow::viewerProgram()
{
    MainWindow window;
    m_chosen = {{QStringLiteral("/usr/bin/viewer"), QStringLiteral("/usr/bin")}};
    window.browsePictureViewer_slot();
    // An existing program is chosen: nothing asks whether to replace it.
    QCOMPARE(m_dialogs[0].mode, FileDialogs::Mode::Open);
    QCOMPARE(openSettings()->value(QStringLiteral("PictureViewerProgram")).toString(),
             QDir::toNativeSeparators(QStringLiteral("/usr/bin/viewer")));
    // Cancelled: the setting stays.
    window.browsePictureViewer_slot();
    QCOMPARE(openSettings()->value(QStringLiteral("PictureViewerProgram")).toString(),
             QDir::toNativeSeparators(QStringLiteral("/usr/bin/viewer")));
    QVERIFY(!openSettings()->contains(QStringLiteral("wwwProgram")));
}

void TestMainWindow::fileNamesAndTitle()
{
    MainWindow window;
    // The title marks unsaved changes as desktop programs do.
    QVERIFY(!window.isWindowModified());
    window.collection()->addItem(std::make_unique<Item>());
    QVERIFY(window.isWindowModified());

    // Names typed without an extension get the database's and the backup's.
    const QString folder = m_work->filePath(QStringLiteral("typed"));
    QDir().mkpath(folder);
    m_chosen = {{folder + QStringLiteral("/inv"), folder}, {folder + QStringLiteral("/copy"), folder}};
    window.SaveAs();
    QCOMPARE(window.currentFileName(), folder + QStringLiteral("/inv.db"));
    QVERIFY(QFile::exists(folder + QStringLiteral("/inv.db")));
    QVERIFY(!window.isWindowModified());
    window.Backup();
    QVERIFY(QFile::exists(folder + QStringLiteral("/copy.bak")));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("inv*"), QStringLiteral("copy*")}, QDir::Files),
             (QStringList{QStringLiteral("copy.bak"), QStringLiteral("inv.db")}));

    // Open offers any file besides the databases.
    window.Load();
    QCOMPARE(m_dialogs.last().mode, FileDialogs::Mode::Open);
    QVERIFY(m_dialogs.last().filter.endsWith(QStringLiteral(";;ALL_FILES (*)")));
    QVERIFY(m_boxes.isEmpty());
}

void TestMainWindow::elapsedText()
{
    QCOMPARE(MainWindow::elapsedText(500), QStringLiteral("      0.50"));
    QCOMPARE(MainWindow::elapsedText(12346), QStringLiteral("     12.35"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
