// Undo and redo, the quick filter, the check of linked files and the recent databases, driven
// through the main window as a user would, with boxes and choosers answered by the test.

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "LinkCheckDialog.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "TestSettings.h"
#include "funiQListViewItem.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A household register in a folder of its own: items named by the caller, in two groups, with
// its Danish lists beside it.
QString makeRegister(const QString& folder, const QStringList& names, const std::function<void(Item&, int)>& more = {})
{
    if (!writeFile(folder + QStringLiteral("/groups/groups.dk.txt"), "Stue\r\nK\xf8kken\r\nTom\r\n")
        || !writeFile(folder + QStringLiteral("/location/location.dk.txt"), "Rum\r\n"))
        return QString();
    DBItemCollection collection;
    for (int i = 0; i < names.size(); ++i) {
        auto item = std::make_unique<Item>();
        item->setName(names[i]);
        item->setType(i % 2);
        item->setNumber_of_items(1);
        if (more)
            more(*item, i);
        collection.addItem(std::move(item));
    }
    const QString path = folder + QStringLiteral("/home.db");
    const bool saved = collection.SaveToFileAsAscii(path);
    DBItemCollection::setModified(false);
    return saved ? path : QString();
}

QAction* action(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1StringView(name));
}

QList<QTreeWidgetItem*> visibleItemRows(const ItemListView& list)
{
    QList<QTreeWidgetItem*> rows;
    for (int group = 0; group < list.topLevelItemCount(); ++group) {
        QTreeWidgetItem* groupRow = list.topLevelItem(group);
        for (int child = 0; !groupRow->isHidden() && child < groupRow->childCount(); ++child) {
            if (!groupRow->child(child)->isHidden())
                rows.append(groupRow->child(child));
        }
    }
    return rows;
}

} // namespace

class TestComfort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void undoRedoFollowsTheSavedState();
    void quickFilterOnAGeneratedRegister();
    void linkCheckRelinksMovedFiles();
    void recentDatabasesSurviveARestart();

private:
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_work;
    QList<MessageBoxes::Request> m_boxes;
    QList<int> m_answers;
    QList<FileDialogs::Answer> m_chosen;
};

void TestComfort::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_work = std::make_unique<QTemporaryDir>();
    setDataDir(sourceFile(QStringLiteral("data")));
    DBItemCollection::setModified(false);
    m_boxes.clear();
    m_answers.clear();
    m_chosen.clear();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return m_answers.isEmpty() ? std::max(request.escapeButton, 0) : m_answers.takeFirst();
    });
    FileDialogs::setAnswerer([this](const FileDialogs::Request&) {
        return m_chosen.isEmpty() ? FileDialogs::Answer() : m_chosen.takeFirst();
    });
}

void TestComfort::cleanup()
{
    MessageBoxes::setAnswerer({});
    FileDialogs::setAnswerer({});
    setDataDir(QString());
    m_work.reset();
    m_settings.reset();
}

void TestComfort::undoRedoFollowsTheSavedState()
{
    const QString path = makeRegister(m_work->filePath(QStringLiteral("home")),
                                      { QStringLiteral("Sofa"), QStringLiteral("Lamp"), QStringLiteral("Rug"),
                                        QStringLiteral("Table"), QStringLiteral("Chair") });
    m_settings->setValue(Setting::LastSavedDBFile, path);
    MainWindow window;
    QCOMPARE(window.collection()->count(), 5);
    ItemListView& list = *window.listView();
    QAction* undo = action(window, "EditUndo");
    QAction* redo = action(window, "EditRedo");
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));

    // Three rows selected and deleted are one step, named after it.
    QList<QTreeWidgetItem*> rows = visibleItemRows(list);
    for (int i = 0; i < 3; ++i)
        rows[i]->setSelected(true);
    m_answers = { 0 }; // yes to the one question for several rows
    action(window, "EditDelete")->trigger();
    QCOMPARE(window.collection()->count(), 2);
    QCOMPARE(visibleItemRows(list).size(), 2);
    QVERIFY(DBItemCollection::isModified());
    QCOMPARE(undo->text(), QStringLiteral("UNDO_STEP STEP_DELETE_MANY 3"));

    // Undone, the items are back where they were and the database is unchanged again.
    const QStringList before = { QStringLiteral("Sofa"), QStringLiteral("Lamp"), QStringLiteral("Rug"),
                                 QStringLiteral("Table"), QStringLiteral("Chair") };
    undo->trigger();
    QStringList names;
    for (const auto& item : window.collection()->items())
        names << item->name();
    QCOMPARE(names.size(), 5);
    QCOMPARE(QSet<QString>(names.begin(), names.end()), QSet<QString>(before.begin(), before.end()));
    QCOMPARE(visibleItemRows(list).size(), 5);
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(redo->text(), QStringLiteral("REDO_STEP STEP_DELETE_MANY 3"));

    // Redone and saved, that is the unchanged state; undoing from there is a change to save.
    redo->trigger();
    QCOMPARE(window.collection()->count(), 2);
    QVERIFY(window.Save());
    QVERIFY(!DBItemCollection::isModified());
    undo->trigger();
    QVERIFY(DBItemCollection::isModified());
    redo->trigger();
    QVERIFY(!DBItemCollection::isModified());

    // Opening a database (here the same one, its change given up) forgets the history.
    undo->trigger();
    m_answers = { 1 };
    window.Load(false);
    QCOMPARE(m_boxes.size(), 2); // the delete question, then the save question
    QVERIFY(!undo->isEnabled());
    QCOMPARE(window.collection()->count(), 2);

    // A list edit is written at once and leaves the database as saved; undone, the list is
    // changed again, and Save writes it, in the other language's file too.
    const QString otherGroups = QFileInfo(path).path() + QStringLiteral("/groups/groups.no.txt");
    QVERIFY(writeFile(otherGroups, "Stue\r\nKj\xf8kken\r\nTom\r\n"));
    window.SetupGroups();
    auto* editor = window.findChild<QDialog*>(QStringLiteral("Setup Groups"));
    QVERIFY(editor);
    editor->findChild<QLineEdit*>(QStringLiteral("selectedItemLineEdit"))->setText(QStringLiteral("Loft"));
    editor->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
    editor->findChild<QPushButton*>(QStringLiteral("buttonOk"))->click();
    delete editor;
    const QString groupsFile = QFileInfo(path).path() + QStringLiteral("/groups/groups.dk.txt");
    QFile groups(groupsFile);
    QVERIFY(groups.open(QIODevice::ReadOnly));
    QVERIFY(groups.readAll().contains("Loft"));
    groups.close();
    QVERIFY(!DBItemCollection::isModified());
    undo->trigger();
    QVERIFY(DBItemCollection::isModified());
    QVERIFY(window.Save());
    QVERIFY(groups.open(QIODevice::ReadOnly));
    QVERIFY(!groups.readAll().contains("Loft"));
    groups.close();
    QFile other(otherGroups);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(other.readAll(), QByteArray("Stue\r\nKj\xf8kken\r\nTom\r\n"));

    // Back at the saved state after a step undone and redone, quitting asks nothing.
    m_boxes.clear();
    rows.clear();
    visibleItemRows(list).first()->setSelected(true);
    action(window, "EditDelete")->trigger();
    undo->trigger();
    QVERIFY(!DBItemCollection::isModified());
    window.close();
    QVERIFY(m_boxes.isEmpty());
}

void TestComfort::quickFilterOnAGeneratedRegister()
{
    // Every tenth item has "Sølv" in its description, "Kasse" in its name, or "Ål" in its name.
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names << (i % 10 == 3       ? QStringLiteral("Kasse %1").arg(i)
                      : i % 10 == 5 ? QStringLiteral("Ål %1").arg(i)
                                    : QStringLiteral("Ting %1").arg(i));
    const QString path = makeRegister(m_work->filePath(QStringLiteral("home")), names, [](Item& item, int i) {
        if (i % 10 == 7)
            item.setDescription(QStringLiteral("gammelt SØLV"));
        item.setType(i < 150 ? 0 : 1);
        if (i % 10 == 3)
            item.setType(0);
    });
    m_settings->setValue(Setting::LastSavedDBFile, path);
    MainWindow window;
    window.show();
    ItemListView& list = *window.listView();
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("quickFilterLineEdit"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("filterCountLabel"));
    QVERIFY(box && count);

    list.ViewAll(true);
    // A row selected now and hidden by the filter is deselected.
    QTreeWidgetItem* shownOnlyWithoutFilter = visibleItemRows(list).first();
    shownOnlyWithoutFilter->setSelected(true);
    QTest::keyClicks(box, QStringLiteral("kasse"));
    QCOMPARE(visibleItemRows(list).size(), 30);
    QVERIFY(!shownOnlyWithoutFilter->isSelected());
    QCOMPARE(count->text(), QStringLiteral("FILTER_COUNT 30 300"));
    QVERIFY(count->isVisible());
    // Every "Kasse" is in the first group: the second has no match and is hidden.
    QVERIFY(list.topLevelItem(1)->isHidden() != list.topLevelItem(0)->isHidden());

    box->setText(QStringLiteral("sølv"));
    QCOMPARE(list.shownItems().size(), 30);
    // Letter case only: "a" is not "å", while "ål" finds "Ål".
    box->setText(QStringLiteral("al "));
    QCOMPARE(list.shownItems().size(), 0);
    box->setText(QStringLiteral("ål "));
    QCOMPARE(list.shownItems().size(), 30);

    // Delete takes only the selected rows the user sees.
    for (QTreeWidgetItem* row : visibleItemRows(list).mid(0, 2))
        row->setSelected(true);
    m_answers = { 0 };
    action(window, "EditDelete")->trigger();
    QCOMPARE(window.collection()->count(), 298);
    QCOMPARE(count->text(), QStringLiteral("FILTER_COUNT 28 298"));

    // Sorted by name, the delete undone and a new item added while the filter is typed: the rows
    // it hides are sorted with the others, the restored ones come back, the new one is shown.
    list.sortByColumn(ItemListView::NameColumn, Qt::DescendingOrder);
    action(window, "EditUndo")->trigger();
    QCOMPARE(count->text(), QStringLiteral("FILTER_COUNT 30 300"));
    auto extra = std::make_unique<Item>();
    extra->setName(QStringLiteral("Bord"));
    list.addItemRow(window.collection()->addItem(std::move(extra)), true);
    QVERIFY(list.currentItem() && list.currentItem()->text(ItemListView::NameColumn) == QStringLiteral("Bord"));
    QVERIFY(!list.currentItem()->isHidden());

    // Escape shows everything again, each group in the order chosen.
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(box->text().isEmpty());
    const QList<QTreeWidgetItem*> all = visibleItemRows(list);
    QCOMPARE(all.size(), 301);
    QSet<QString> shownNames;
    for (qsizetype i = 0; i < all.size(); ++i) {
        shownNames.insert(all[i]->text(ItemListView::NameColumn));
        if (i > 0 && all[i]->parent() == all[i - 1]->parent())
            QVERIFY2(!(*all[i - 1] < *all[i]), qPrintable(all[i]->text(ItemListView::NameColumn)));
    }
    QCOMPARE(shownNames.size(), 301);
    // Groups opened before, even those the filter emptied ("al " found nothing), are open still.
    for (int group = 0; group < list.topLevelItemCount(); ++group)
        QVERIFY(list.topLevelItem(group)->isExpanded());
    QVERIFY(!count->isVisible());
}

void TestComfort::linkCheckRelinksMovedFiles()
{
    // The pictures were moved from the database's folder into a folder with subfolders; one
    // name is there twice, and two different links (two cameras' p1.jpg) share another name.
    const QString folder = m_work->filePath(QStringLiteral("home"));
    const QString moved = m_work->filePath(QStringLiteral("moved"));
    const QString path = makeRegister(folder, { QStringLiteral("Sofa"), QStringLiteral("Lamp"), QStringLiteral("Rug"),
                                                QStringLiteral("Chair") },
                                      [](Item& item, int i) {
                                          item.setPhotolink(i == 3 ? QStringLiteral("camera2/p1.jpg")
                                                                   : QStringLiteral("pictures/p%1.jpg").arg(i));
                                          item.setWww(QStringLiteral("https://example.invalid/%1").arg(i));
                                          if (i == 1)
                                              item.setDocument(QStringLiteral("docs/manual.pdf"));
                                      });
    QVERIFY(writeFile(folder + QStringLiteral("/docs/manual.pdf"), "pdf"));
    QVERIFY(writeFile(moved + QStringLiteral("/2020/p0.jpg"), "jpg"));
    QVERIFY(writeFile(moved + QStringLiteral("/2021/deep/p1.jpg"), "jpg"));
    QVERIFY(writeFile(moved + QStringLiteral("/2021/p2.jpg"), "jpg"));
    QVERIFY(writeFile(moved + QStringLiteral("/2022/p2.jpg"), "jpg"));
    m_settings->setValue(Setting::LastSavedDBFile, path);
    MainWindow window;
    const auto named = [&window](const QString& name) {
        for (const auto& item : window.collection()->items()) {
            if (item->name() == name)
                return item.get();
        }
        return static_cast<Item*>(nullptr);
    };
    Item* sofa = named(QStringLiteral("Sofa"));
    Item* rug = named(QStringLiteral("Rug"));
    Item* lamp = named(QStringLiteral("Lamp"));

    // Four missing pictures; the document is there and the web links are not checked.
    LinkCheckDialog dialog(window.collection(), window.listView(), &window);
    QCOMPARE(dialog.missingCount(), 4);
    auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("missingLinksTreeWidget"));
    auto* relink = dialog.findChild<QPushButton*>(QStringLiteral("relinkPushButton"));
    QVERIFY(!relink->isEnabled());

    // The search shows what would change and changes nothing yet.
    m_chosen = { { moved, moved } };
    dialog.findChild<QPushButton*>(QStringLiteral("searchFolderPushButton"))->click();
    QCOMPARE(sofa->photolink(), QStringLiteral("pictures/p0.jpg"));
    QHash<QString, QString> found;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        found.insert(tree->topLevelItem(row)->text(0), tree->topLevelItem(row)->text(3));
    QCOMPARE(found.value(QStringLiteral("Sofa")), QDir::toNativeSeparators(moved + QStringLiteral("/2020/p0.jpg")));
    QCOMPARE(found.value(QStringLiteral("Rug")), QStringLiteral("LINK_FOUND_MORE_THAN_ONCE 2"));
    QVERIFY(relink->isEnabled());

    relink->click();
    QCOMPARE(sofa->photolink(), moved + QStringLiteral("/2020/p0.jpg"));
    QCOMPARE(rug->photolink(), QStringLiteral("pictures/p2.jpg"));
    QCOMPARE(lamp->photolink(), QStringLiteral("pictures/p1.jpg"));
    QCOMPARE(dialog.missingCount(), 3);
    QVERIFY(DBItemCollection::isModified());

    // One step to undo.
    action(window, "EditUndo")->trigger();
    QCOMPARE(sofa->photolink(), QStringLiteral("pictures/p0.jpg"));
    QVERIFY(!DBItemCollection::isModified());
}

void TestComfort::recentDatabasesSurviveARestart()
{
    const QString first = makeRegister(m_work->filePath(QStringLiteral("first")), { QStringLiteral("Sofa") });
    const QString second = makeRegister(m_work->filePath(QStringLiteral("second")), { QStringLiteral("Lamp") });
    const QString gone = m_work->filePath(QStringLiteral("share/gone.db"));
    // The database open at start could not be read: it stays on the list all the same.
    m_settings->setValue(Setting::LastSavedDBFile, gone);
    {
        MainWindow window;
        QVERIFY(!window.startDatabaseLoaded());
        m_chosen = { { first, QFileInfo(first).path() }, { second, QFileInfo(second).path() } };
        window.Load();
        window.Load();
        QCOMPARE(window.currentFileName(), second);
    }
    m_boxes.clear();

    MainWindow window;
    auto* menu = window.findChild<QMenu*>(QStringLiteral("recentDatabasesMenu"));
    QVERIFY(menu);
    Q_EMIT menu->aboutToShow();
    const QList<QAction*> entries = menu->actions();
    QVERIFY(entries.size() >= 3);
    QCOMPARE(entries[0]->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(second));
    QCOMPARE(entries[1]->text(), QStringLiteral("&2 ") + QDir::toNativeSeparators(first));
    QCOMPARE(entries[2]->text(), QStringLiteral("RECENT_DATABASE_MISSING &3 ") + QDir::toNativeSeparators(gone));

    // A recent entry opens its database; the missing one is offered for removal.
    entries[1]->trigger();
    QCOMPARE(window.currentFileName(), first);
    m_answers = { 0 };
    entries[2]->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("RECENT_DATABASE_GONE_QUESTION ") + QDir::toNativeSeparators(gone));
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 4); // two entries, a separator and "clear"
}

QTEST_MAIN(TestComfort)
#include "tst_comfort.moc"
