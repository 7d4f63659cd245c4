// The lookup list editor: what it shows per list and product, adding with the name rules,
// deleting with the rules that keep items inside their lists, renaming, saving into the
// database and its list files, the item list built again, help pages, and the location labels
// of the stock product (sent through the desktop hook, so nothing is printed).

#include "DBItemCollection.h"
#include "Desktop.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "RecordingReporter.h"
#include "Settings.h"
#include "TestSettings.h"
#include "handlebarcodes.h"
#include "setupdialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(ProgramVariant)

namespace {

class KeyTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "setupdialog") == 0 && qstrcmp(source, "PRINT_BARCODE") == 0)
            return QStringLiteral("Print label");
        return {};
    }
};

// Field labels in label order that give the list its default column captions.
const QStringList DefaultLabels = QStringLiteral("Gruppe,Navn,Fabrikat,Antal,Pris,Vurd.,Billede,Dato,Rum,Beskrivelse,"
                                                 "Leverandør,Adresse,Serie no.,Www,Kvitt.")
                                      .split(u',');

// Names the list's columns the way opening a database with these field labels does.
void setCaptions(const QStringList& labels)
{
    DBItemCollection collection;
    collection.groups().setEntries({ QStringLiteral("g") });
    collection.fieldLabels().setEntries(labels);
    ItemListView list(nullptr);
    list.createGroupRows(&collection);
    list.ViewAll(true);
}

QStringList texts(const QListWidget* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void opens_data();
    void opens();
    void captionFollowsFieldLabels();
    void buttonsPerProduct_data();
    void buttonsPerProduct();
    void helpPages_data();
    void helpPages();
    void addAppendsAtTheEnd();
    void addRefusesNamesInUse_data();
    void addRefusesNamesInUse();
    void addRefusedAtCapacity();
    void nameRules();
    void deleteGroupsKeepsItemsInTheList();
    void deleteGroupFromTheMiddleShiftsLaterNames();
    void deleteLocationsKeepsItemsInTheList();
    void lastEntryNeverDeleted_data();
    void lastEntryNeverDeleted();
    void deleteSuppliersUnchecked();
    void deleteWithoutCurrentEntry();
    void renameGroup();
    void renameLocationKeepsItems();
    void renameSkippedAfterAddUntilSaved();
    void saveWritesListFilesOfTheLanguage();
    void saveFailureReported();
    void okSavesCancelDiscards();
    void readOnlyDatabaseKeepsItsLists();
    void locationLabel();
    void locationLabelWithName();
    void locationLabelRefusals();

private:
    Item* add(int group, int location, const QString& name);
    void fillList();
    std::unique_ptr<setupdialog> open(int kind);
    QListWidget* entries() const;
    QLineEdit* edit() const;
    void click(const char* button) const;
    void select(int row) const;
    // The group rows of the item list (sorted by name, as the list shows them), each with the
    // names of the items under it.
    QStringList listRows() const;
    QTreeWidgetItem* groupRow(const QString& name) const;
    QString listFile(const char* folder, const char* file, const char* language = "dk") const;
    void useProduct(ProgramVariant variant);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldCurrent;
    RecordingReporter m_reporter;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    std::unique_ptr<setupdialog> m_dialog;
    QList<MessageBoxes::Request> m_boxes;
    QList<QUrl> m_opened;
    KeyTranslator m_translator;
};

void TestSetupDialog::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
    m_oldCurrent = QDir::currentPath();
}

void TestSetupDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Help pages, label templates and the printer device are looked up below the working
    // folder; the label file lives in the per-user data folder.
    QVERIFY(QDir::setCurrent(m_dir->path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("data"))));
    useProduct(ProgramVariant::Domvara);
    m_boxes.clear();
    m_opened.clear();
    m_reporter.messages.clear();
    DBItemCollection::setModified(false);
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        },
        [](const QString&, const QStringList&) { return true; });
}

void TestSetupDialog::cleanup()
{
    m_dialog.reset();
    m_list.reset();
    m_collection.reset();
    setCaptions(DefaultLabels);
    MessageBoxes::setAnswerer({});
    Desktop::setHandlers({}, {});
    QDir::setCurrent(m_oldCurrent);
    m_settings.reset();
    m_dir.reset();
}

void TestSetupDialog::useProduct(ProgramVariant variant)
{
    m_dialog.reset();
    m_list.reset();
    m_collection.reset();
    m_settings = std::make_unique<TestSettings>(variant);
    m_settings->setValue(Setting::LastDBDir, m_dir->filePath(QStringLiteral("db")));
    m_collection = std::make_unique<DBItemCollection>(nullptr, &m_reporter);
    m_collection->groups().setEntries(
        { QStringLiteral("Stue"), QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries(
        { QStringLiteral("Ground floor"), QStringLiteral("Loft"), QStringLiteral("Cellar") });
    m_collection->suppliers().setEntries({ QStringLiteral("Acme"), QStringLiteral("Brix") });
    m_list = std::make_unique<ItemListView>(nullptr);
}

Item* TestSetupDialog::add(int group, int location, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(group);
    item->setLocation(location);
    item->setName(name);
    return m_collection->addItem(std::move(item));
}

void TestSetupDialog::fillList()
{
    m_list->clearRows();
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    DBItemCollection::setModified(false);
}

std::unique_ptr<setupdialog> TestSetupDialog::open(int kind)
{
    static const QString names[] = { QString(), QStringLiteral("Setup Groups"), QStringLiteral("Setup Location"),
                                     QStringLiteral("Setup Suppliers") };
    m_dialog.reset();
    auto dialog = std::make_unique<setupdialog>(m_list.get(), m_collection.get(), kind, nullptr, names[kind], true);
    dialog->show();
    return dialog;
}

QListWidget* TestSetupDialog::entries() const
{
    return m_dialog->findChild<QListWidget*>(QStringLiteral("listLineEdit"));
}

QLineEdit* TestSetupDialog::edit() const
{
    return m_dialog->findChild<QLineEdit*>(QStringLiteral("selectedItemLineEdit"));
}

void TestSetupDialog::click(const char* button) const
{
    auto* widget = m_dialog->findChild<QPushButton*>(QLatin1StringView(button));
    if (!widget)
        qFatal("no button %s", button);
    widget->click();
}

void TestSetupDialog::select(int row) const
{
    entries()->setCurrentRow(row);
}

QStringList TestSetupDialog::listRows() const
{
    QStringList rows;
    for (int group = 0; group < m_list->topLevelItemCount(); ++group) {
        const QTreeWidgetItem* row = m_list->topLevelItem(group);
        QStringList names;
        for (int child = 0; child < row->childCount(); ++child)
            names.append(row->child(child)->text(1));
        rows.append(row->text(0) + u':' + names.join(u','));
    }
    return rows;
}

QTreeWidgetItem* TestSetupDialog::groupRow(const QString& name) const
{
    const QList<QTreeWidgetItem*> rows = m_list->findItems(name, Qt::MatchExactly, 0);
    return rows.size() == 1 ? rows.first() : nullptr;
}

QString TestSetupDialog::listFile(const char* folder, const char* file, const char* language) const
{
    return m_dir->filePath(QStringLiteral("db/%1/%2.%3.txt")
                               .arg(QLatin1StringView(folder), QLatin1StringView(file), QLatin1StringView(language)));
}

void TestSetupDialog::opens_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("caption");
    QTest::newRow("groups") << 1 << QStringLiteral("Setup Groups")
                            << QStringList{ QStringLiteral("Stue"), QStringLiteral("Kitchen"), QStringLiteral("Hall"),
                                            QStringLiteral("Attic") }
                            << QStringLiteral("Gruppe");
    QTest::newRow("locations") << 2 << QStringLiteral("Setup Location")
                               << QStringList{ QStringLiteral("Ground floor"), QStringLiteral("Loft"),
                                               QStringLiteral("Cellar") }
                               << QStringLiteral("Rum");
    QTest::newRow("suppliers") << 3 << QStringLiteral("Setup Suppliers")
                               << QStringList{ QStringLiteral("Acme"), QStringLiteral("Brix") }
                               << QStringLiteral("Leverandør");
}

void TestSetupDialog::opens()
{
    QFETCH(int, kind);
    QFETCH(QString, objectName);
    QFETCH(QStringList, expected);
    QFETCH(QString, caption);
    m_dialog = open(kind);
    QCOMPARE(m_dialog->objectName(), objectName);
    QVERIFY(m_dialog->isModal());
    QCOMPARE(texts(entries()), expected);
    QCOMPARE(entries()->currentRow(), 0);
    // The first entry is highlighted, so its name stands in the edit field.
    QCOMPARE(edit()->text(), expected.first());
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("typeLabel"))->text(), caption);
    QCOMPARE(setupdialog::listCaption(kind), caption);
}

void TestSetupDialog::captionFollowsFieldLabels()
{
    QStringList labels = DefaultLabels;
    labels[0] = QStringLiteral("&Shelf");
    labels[8] = QStringLiteral("R&ack");
    labels[10] = QStringLiteral("Vendor");
    m_collection->fieldLabels().setEntries(labels);
    fillList();
    m_list->ViewAll(true);
    m_dialog = open(2);
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("typeLabel"))->text(), QStringLiteral("Rack"));
    QCOMPARE(setupdialog::listCaption(1), QStringLiteral("Shelf"));
    QCOMPARE(setupdialog::listCaption(3), QStringLiteral("Vendor"));
}

void TestSetupDialog::buttonsPerProduct_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("printShown");
    QTest::addColumn<bool>("helpShown");
    QTest::newRow("Domvara dk groups") << ProgramVariant::Domvara << QByteArray("dk") << 1 << false << true;
    QTest::newRow("Domvara no suppliers") << ProgramVariant::Domvara << QByteArray("no") << 3 << false << true;
    QTest::newRow("Domvara en") << ProgramVariant::Domvara << QByteArray("en") << 1 << false << false;
    QTest::newRow("Stockvane groups") << ProgramVariant::Stockvane << QByteArray("dk") << 1 << true << false;
    QTest::newRow("Stockvane locations") << ProgramVariant::Stockvane << QByteArray("dk") << 2 << false << false;
    QTest::newRow("Mintora groups") << ProgramVariant::Mintora << QByteArray("dk") << 1 << false << false;
    QTest::newRow("Pictova groups") << ProgramVariant::Pictova << QByteArray("dk") << 1 << false << false;
}

void TestSetupDialog::buttonsPerProduct()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QByteArray, language);
    QFETCH(int, kind);
    QFETCH(bool, printShown);
    QFETCH(bool, helpShown);
    useProduct(variant);
    m_settings->setValue(Setting::Language, QString::fromLatin1(language));
    m_dialog = open(kind);
    const auto* print = m_dialog->findChild<QPushButton*>(QStringLiteral("printButton"));
    QCOMPARE(print->isVisible(), printShown);
    if (printShown) {
        QCOMPARE(print->text(), QStringLiteral("Print label"));
        QCOMPARE(print->toolTip(), QStringLiteral("TOOLTIP_PRINT_BARCODE"));
        QCOMPARE(print->whatsThis(), QStringLiteral("WHATSHIS_PRINT_LOCATION_BARCODE"));
    }
    QCOMPARE(m_dialog->findChild<QPushButton*>(QStringLiteral("buttonHelp"))->isVisible(), helpShown);
}

void TestSetupDialog::helpPages_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("page");
    QTest::newRow("groups") << ProgramVariant::Domvara << 1 << QStringLiteral("SetupDomvaraTyperDialog.htm");
    QTest::newRow("locations") << ProgramVariant::Domvara << 2 << QStringLiteral("SetupLokalerDialog.htm");
    QTest::newRow("suppliers") << ProgramVariant::Stockvane << 3 << QStringLiteral("SetupSupplierDialog.dk.htm");
    QTest::newRow("Mintora") << ProgramVariant::Mintora << 1 << QString();
    QTest::newRow("Pictova") << ProgramVariant::Pictova << 2 << QString();
}

void TestSetupDialog::helpPages()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(int, kind);
    QFETCH(QString, page);
    useProduct(variant);
    for (const char* name : { "SetupDomvaraTyperDialog.htm", "SetupLokalerDialog.htm", "SetupSupplierDialog.dk.htm" })
        QVERIFY(writeFile(QStringLiteral("help/") + QLatin1StringView(name), "<html></html>"));
    m_dialog = open(kind);
    m_dialog->HelpSlot();
    QVERIFY(m_boxes.isEmpty());
    if (page.isEmpty()) {
        QVERIFY(m_opened.isEmpty());
    } else {
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened[0].toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("help/") + page));
    }
}

void TestSetupDialog::addAppendsAtTheEnd()
{
    fillList();
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Stue 2"));
    click("addButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(texts(entries()).last(), QStringLiteral("Stue 2"));
    // The database's list changes only when saved.
    QCOMPARE(m_collection->groups().size(), 4);

    // An empty name adds nothing.
    edit()->clear();
    click("addButton");
    QCOMPARE(entries()->count(), 5);
    QVERIFY(m_boxes.isEmpty());

    click("saveButton");
    QCOMPARE(m_collection->groups().entries().last(), QStringLiteral("Stue 2"));
    // The item list is built again with a row for the new group.
    QCOMPARE(m_list->GetNumberOfGroups(), 5);
    QVERIFY(groupRow(QStringLiteral("Stue 2")));
}

void TestSetupDialog::addRefusesNamesInUse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same") << QStringLiteral("Kitchen") << true;
    QTest::newRow("other case") << QStringLiteral("kitchen") << true;
    QTest::newRow("beginning of an entry") << QStringLiteral("stue") << true;
    QTest::newRow("begins of an entry, other case") << QStringLiteral("KIT") << true;
    QTest::newRow("longer than an entry") << QStringLiteral("Stue 2") << false;
    QTest::newRow("new") << QStringLiteral("Garage") << false;
}

void TestSetupDialog::addRefusesNamesInUse()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    m_dialog = open(1);
    edit()->setText(name);
    click("addButton");
    if (refused) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl indtastning"));
        QCOMPARE(m_boxes[0].text, QStringLiteral("Dette navn er allerede anvendt"));
        QCOMPARE(entries()->count(), 4);
    } else {
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(entries()->count(), 5);
    }
}

void TestSetupDialog::addRefusedAtCapacity()
{
    QStringList full;
    for (int i = 0; i < DBItemCollection::MaxListEntries; ++i)
        full.append(QStringLiteral("Supplier %1").arg(i));
    m_collection->suppliers().setEntries(full);
    m_dialog = open(3);
    edit()->setText(QStringLiteral("One more"));
    click("addButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("SETUP_WARNING"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("SETUP_MAX_LIMIT_REACHED"));
    QCOMPARE(entries()->count(), DBItemCollection::MaxListEntries);

    // One entry fewer leaves room for one more.
    m_collection->suppliers().setEntries(full.mid(1));
    m_boxes.clear();
    m_dialog = open(3);
    edit()->setText(QStringLiteral("One more"));
    click("addButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(entries()->count(), DBItemCollection::MaxListEntries);
}

void TestSetupDialog::nameRules()
{
    m_dialog = open(3);
    edit()->clear();
    edit()->setFocus();
    QTest::keyClicks(edit(), QStringLiteral("Nuts;Bolts"));
    QCOMPARE(edit()->text(), QStringLiteral("NutsBolts"));
    edit()->clear();
    QTest::keyClicks(edit(), QString(250, u'x'));
    QCOMPARE(edit()->text().size(), 199);
}

void TestSetupDialog::deleteGroupsKeepsItemsInTheList()
{
    // Items in groups 0 to 3 and four groups: no group may go.
    for (int group = 0; group < 4; ++group)
        add(group, 0, QStringLiteral("Item %1").arg(group));
    fillList();
    m_dialog = open(1);
    select(2);
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl"));
    QCOMPARE(m_boxes[0].text,
             QStringLiteral("Kan ikke have færre grupper end i databasen - omplacer evt. domvara til andre grupper"));
    QCOMPARE(entries()->count(), 4);
    click("saveButton");
    QCOMPARE(m_collection->groups().size(), 4);
    for (int group = 0; group < 4; ++group)
        QCOMPARE(m_collection->at(group)->type(), group);
}

void TestSetupDialog::deleteGroupFromTheMiddleShiftsLaterNames()
{
    // Items in groups 0 to 3 and five groups once one is added: deleting one is accepted. The
    // items keep their positions, so the items of later groups show the following names.
    for (int group = 0; group < 4; ++group)
        add(group, 0, QStringLiteral("Item %1").arg(group));
    fillList();
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");
    select(0);
    click("DeleteButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(texts(entries()),
             (QStringList{ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic"),
                           QStringLiteral("Garage") }));
    // The list is shorter by one again: a further delete would leave group 3 outside it.
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(entries()->count(), 4);

    click("saveButton");
    QCOMPARE(m_collection->groups().entries(), texts(entries()));
    for (int group = 0; group < 4; ++group)
        QCOMPARE(m_collection->at(group)->type(), group);
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(listRows(),
             (QStringList{ QStringLiteral("Attic:Item 2"), QStringLiteral("Garage:Item 3"),
                           QStringLiteral("Hall:Item 1"), QStringLiteral("Kitchen:Item 0") }));
}

void TestSetupDialog::deleteLocationsKeepsItemsInTheList()
{
    add(0, 2, QStringLiteral("In the cellar"));
    add(1, 0, QStringLiteral("Downstairs"));
    fillList();
    m_dialog = open(2);
    select(0);
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Kan ikke have færre lokaler end dem der allerede er i databasen"));
    QCOMPARE(entries()->count(), 3);

    // With a fourth location one may go; which one is the user's choice.
    edit()->setText(QStringLiteral("Shed"));
    click("addButton");
    select(3);
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    click("saveButton");
    QCOMPARE(m_collection->locations().entries(),
             (QStringList{ QStringLiteral("Ground floor"), QStringLiteral("Loft"), QStringLiteral("Cellar") }));
    QCOMPARE(m_collection->at(0)->location(), 2);
    QCOMPARE(m_collection->at(1)->location(), 0);
    // The groups are a separate list: items in group 1 did not block the location delete.
    QCOMPARE(m_collection->groups().size(), 4);
}

void TestSetupDialog::lastEntryNeverDeleted_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("groups") << 1;
    QTest::newRow("locations") << 2;
}

void TestSetupDialog::lastEntryNeverDeleted()
{
    QFETCH(int, kind);
    // Even in an empty database the one entry left stays: a new item goes into position 0.
    m_collection->groups().setEntries({ QStringLiteral("Only group") });
    m_collection->locations().setEntries({ QStringLiteral("Only room") });
    m_dialog = open(kind);
    click("DeleteButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(entries()->count(), 1);
}

void TestSetupDialog::deleteSuppliersUnchecked()
{
    add(3, 2, QStringLiteral("Anything"));
    m_dialog = open(3);
    click("DeleteButton");
    click("DeleteButton");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(entries()->count(), 0);
    // Nothing is current in an empty list: a further delete does nothing.
    click("DeleteButton");
    click("saveButton");
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_collection->suppliers().isEmpty());
    QCOMPARE(readFile(listFile("supplier", "supplier")), QByteArray());
}

void TestSetupDialog::deleteWithoutCurrentEntry()
{
    m_dialog = open(3);
    entries()->setCurrentItem(nullptr);
    click("DeleteButton");
    QCOMPARE(entries()->count(), 2);
}

void TestSetupDialog::renameGroup()
{
    add(1, 0, QStringLiteral("Kettle"));
    add(2, 1, QStringLiteral("Coat"));
    fillList();
    QTreeWidgetItem* kitchenRow = groupRow(QStringLiteral("Kitchen"));
    QVERIFY(kitchenRow);
    m_dialog = open(1);
    select(1);
    QCOMPARE(edit()->text(), QStringLiteral("Kitchen"));
    edit()->setText(QStringLiteral("Scullery"));
    click("saveButton");
    QCOMPARE(entries()->item(1)->text(), QStringLiteral("Scullery"));
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Scullery"));
    // The group row is renamed in place: a rename moves nothing, so the list is not rebuilt.
    QCOMPARE(groupRow(QStringLiteral("Scullery")), kitchenRow);
    QCOMPARE(kitchenRow->child(0)->text(1), QStringLiteral("Kettle"));
    QCOMPARE(m_collection->at(0)->type(), 1);
    QCOMPARE(m_collection->at(1)->type(), 2);
    QVERIFY(!DBItemCollection::isModified());
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("Stue\r\nScullery\r\nHall\r\nAttic\r\n"));
}

void TestSetupDialog::renameLocationKeepsItems()
{
    add(0, 1, QStringLiteral("Sledge"));
    fillList();
    const int groupRows = m_list->GetNumberOfGroups();
    m_dialog = open(2);
    select(1);
    edit()->setText(QStringLiteral("Attic room"));
    click("saveButton");
    QCOMPARE(m_collection->locations().at(1), QStringLiteral("Attic room"));
    QCOMPARE(m_collection->at(0)->location(), 1);
    // The group rows are left alone by a location rename.
    QCOMPARE(m_list->GetNumberOfGroups(), groupRows);
    QCOMPARE(listRows(),
             (QStringList{ QStringLiteral("Attic:"), QStringLiteral("Hall:"), QStringLiteral("Kitchen:"),
                           QStringLiteral("Stue:Sledge") }));
    QCOMPARE(readFile(listFile("location", "location")), QByteArray("Ground floor\r\nAttic room\r\nCellar\r\n"));
}

void TestSetupDialog::renameSkippedAfterAddUntilSaved()
{
    fillList();
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");
    select(1);
    edit()->setText(QStringLiteral("Scullery"));
    click("saveButton");
    // The addition is saved, the rename is not: positions had moved since the last save.
    QCOMPARE(m_collection->groups().entries(),
             (QStringList{ QStringLiteral("Stue"), QStringLiteral("Kitchen"), QStringLiteral("Hall"),
                           QStringLiteral("Attic"), QStringLiteral("Garage") }));
    QVERIFY(groupRow(QStringLiteral("Kitchen")));
    QVERIFY(groupRow(QStringLiteral("Garage")));
    // After that save a rename is applied again.
    select(1);
    edit()->setText(QStringLiteral("Scullery"));
    click("saveButton");
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Scullery"));
    QVERIFY(groupRow(QStringLiteral("Scullery")));
    QVERIFY(!groupRow(QStringLiteral("Kitchen")));
}

void TestSetupDialog::saveWritesListFilesOfTheLanguage()
{
    m_settings->setValue(Setting::Language, QStringLiteral("en"));
    m_dialog = open(3);
    edit()->setText(QStringLiteral("Cogs & Co"));
    click("addButton");
    click("saveButton");
    QCOMPARE(readFile(listFile("supplier", "supplier", "en")), QByteArray("Acme\r\nBrix\r\nCogs & Co\r\n"));
    // The other lists are written beside it as they are.
    QCOMPARE(readFile(listFile("groups", "groups", "en")), QByteArray("Stue\r\nKitchen\r\nHall\r\nAttic\r\n"));
    QCOMPARE(readFile(listFile("supplier", "supplier", "dk")), QByteArray("<missing>"));
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestSetupDialog::saveFailureReported()
{
    // The database folder lies below a file: no list file can be written there.
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("blocker")), "x"));
    m_settings->setValue(Setting::LastDBDir, m_dir->filePath(QStringLiteral("blocker/db")));
    m_dialog = open(1);
    edit()->setText(QStringLiteral("Garage"));
    click("addButton");
    click("saveButton");
    QVERIFY(!m_reporter.messages.isEmpty());
    QCOMPARE(m_reporter.messages.first().kind, QStringLiteral("critical"));
    QCOMPARE(m_reporter.messages.first().title, QStringLiteral("Fil fejl"));
    // The lists in memory hold the change all the same; saving the database later keeps it.
    QCOMPARE(m_collection->groups().size(), 5);
}

void TestSetupDialog::okSavesCancelDiscards()
{
    fillList();
    m_dialog = open(2);
    edit()->setText(QStringLiteral("Shed"));
    click("addButton");
    click("buttonCancel");
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_collection->locations().size(), 3);
    QCOMPARE(readFile(listFile("location", "location")), QByteArray("<missing>"));

    m_dialog = open(2);
    edit()->setText(QStringLiteral("Shed"));
    click("addButton");
    click("buttonOk");
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_collection->locations().entries().last(), QStringLiteral("Shed"));
    QCOMPARE(readFile(listFile("location", "location")), QByteArray("Ground floor\r\nLoft\r\nCellar\r\nShed\r\n"));
}

void TestSetupDialog::readOnlyDatabaseKeepsItsLists()
{
    // Another program holds the stock database: its list files are not this program's to change.
    useProduct(ProgramVariant::Stockvane);
    const QString database = m_dir->filePath(QStringLiteral("db/stock.db"));
    QVERIFY(writeFile(database, "#2.5.6 (INV)- Format: x;\r\n"));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("db/LockFile.txt")), "stock.db Locked by PC: other, User: x"));
    QVERIFY(m_collection->LoadFromAsciiFile(database));
    QVERIFY(m_collection->isReadOnly());
    fillList();
    m_dialog = open(1);
    select(1);
    edit()->setText(QStringLiteral("Scullery"));
    click("buttonOk");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].text, QStringLiteral("SETUP_READ_ONLY"));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_collection->groups().at(1), QStringLiteral("Kitchen"));
    QVERIFY(groupRow(QStringLiteral("Kitchen")));
    QCOMPARE(readFile(listFile("groups", "groups")), QByteArray("<missing>"));
}

void TestSetupDialog::locationLabel()
{
    // The printer is a device path here: the label file of the job is copied to it.
    useProduct(ProgramVariant::Stockvane);
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), "^XA^FD%1^FS^FD%2^FS^XZ\r\n"));
    const QString device = m_dir->filePath(QStringLiteral("device"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), QFile::encodeName(device)));

    m_dialog = open(1);
    select(3);
    click("printButton");
    QTRY_COMPARE(readFile(device), QByteArray("^XA^FD000003^FS^FD000003^FS^XZ\r\n"));

    // Each job has a label file of its own, with its labels only.
    select(0);
    click("printButton");
    QTRY_COMPARE(readFile(device), QByteArray("^XA^FD000000^FS^FD000000^FS^XZ\r\n"));
    QVERIFY(m_boxes.isEmpty());
}

void TestSetupDialog::locationLabelWithName()
{
    useProduct(ProgramVariant::Stockvane);
    m_settings->setValue("EnableLocationNameOnLabels", true);
    m_settings->setValue("BarcodeLocationNameLabeLength", 6);
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), "[%3|%1|%2]"));
    const QString device = m_dir->filePath(QStringLiteral("device"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), QFile::encodeName(device)));
    m_dialog = open(1);
    select(2);
    // The label carries the text of the edit field, cut to the length set.
    edit()->setText(QStringLiteral("Hallway north"));
    click("printButton");
    QTRY_COMPARE(readFile(device), QByteArray("[Hallwa|000002|000002]"));
    // Printing changes no list.
    QCOMPARE(m_collection->groups().at(2), QStringLiteral("Hall"));
}

void TestSetupDialog::locationLabelRefusals()
{
    useProduct(ProgramVariant::Stockvane);
    QVERIFY(writeFile(QStringLiteral("Setup/BarcodeFormatLocationFile.txt"), "%1 %2"));
    const QString device = m_dir->filePath(QStringLiteral("device"));
    QVERIFY(writeFile(QStringLiteral("Setup/PrinterDevice.txt"), QFile::encodeName(device)));
    m_dialog = open(1);
    edit()->clear();
    click("printButton");
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("SETUP_ERROR"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("NO_ITEM_SELECTED"));

    // Nothing highlighted: nothing printed, nothing asked.
    m_collection->groups().clear();
    m_dialog = open(1);
    m_dialog->PrintSlot();
    QCOMPARE(m_boxes.size(), 1);

    // Only the stock product prints labels.
    useProduct(ProgramVariant::Domvara);
    m_dialog = open(1);
    m_dialog->PrintSlot();
    QTest::qWait(50);
    QCOMPARE(readFile(device), QByteArray("<missing>"));
}

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
