#include "SetupDialogTestSupport.h"

#include "DataPaths.h"
#include "Desktop.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace SetupDialogTesting {

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

} // namespace SetupDialogTesting

using namespace SetupDialogTesting;

void SetupDialogFixture::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
    m_oldCurrent = QDir::currentPath();
}

void SetupDialogFixture::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Help pages, label templates and the printer device are looked up below the program's
    // data folder, here the working folder; the label file lives in the per-user data folder.
    QVERIFY(QDir::setCurrent(m_dir->path()));
    setDataDir(m_dir->path());
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

void SetupDialogFixture::cleanup()
{
    m_dialog.reset();
    m_list.reset();
    m_collection.reset();
    setCaptions(DefaultLabels);
    MessageBoxes::setAnswerer({});
    Desktop::setHandlers({}, {});
    QDir::setCurrent(m_oldCurrent);
    setDataDir(QString());
    m_settings.reset();
    m_dir.reset();
}

void SetupDialogFixture::useProduct(ProgramVariant variant)
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

Item* SetupDialogFixture::add(int group, int location, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(group);
    item->setLocation(location);
    item->setName(name);
    return m_collection->addItem(std::move(item));
}

void SetupDialogFixture::fillList()
{
    m_list->clearRows();
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    DBItemCollection::setModified(false);
}

std::unique_ptr<setupdialog> SetupDialogFixture::open(int kind)
{
    static const QString names[] = { QString(), QStringLiteral("Setup Groups"), QStringLiteral("Setup Location"),
                                     QStringLiteral("Setup Suppliers") };
    m_dialog.reset();
    auto dialog = std::make_unique<setupdialog>(m_list.get(), m_collection.get(), kind, nullptr, names[kind], true);
    dialog->show();
    return dialog;
}

QListWidget* SetupDialogFixture::entries() const
{
    return m_dialog->findChild<QListWidget*>(QStringLiteral("listLineEdit"));
}

QLineEdit* SetupDialogFixture::edit() const
{
    return m_dialog->findChild<QLineEdit*>(QStringLiteral("selectedItemLineEdit"));
}

void SetupDialogFixture::click(const char* button) const
{
    auto* widget = m_dialog->findChild<QPushButton*>(QLatin1StringView(button));
    if (!widget)
        qFatal("no button %s", button);
    widget->click();
}

void SetupDialogFixture::select(int row) const
{
    entries()->setCurrentRow(row);
}

QStringList SetupDialogFixture::listRows() const
{
    QStringList rows;
    for (int group = 0; group < m_list->topLevelItemCount(); ++group) {
        const QTreeWidgetItem* row = m_list->topLevelItem(group);
        if (row->isHidden())
            continue;
        QStringList names;
        for (int child = 0; child < row->childCount(); ++child)
            names.append(row->child(child)->text(1));
        rows.append(row->text(0) + u':' + names.join(u','));
    }
    return rows;
}

QTreeWidgetItem* SetupDialogFixture::groupRow(const QString& name) const
{
    const QList<QTreeWidgetItem*> rows = m_list->findItems(name, Qt::MatchExactly, 0);
    return rows.size() == 1 ? rows.first() : nullptr;
}

QString SetupDialogFixture::listFile(const char* folder, const char* file, const char* language) const
{
    return m_dir->filePath(QStringLiteral("db/%1/%2.%3.txt")
                               .arg(QLatin1StringView(folder), QLatin1StringView(file), QLatin1StringView(language)));
}
