#include "ItemListViewTestSupport.h"

#include "Desktop.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

namespace ItemListViewTesting {

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage resourceImage(const char* name)
{
    return iconImage(QIcon(QStringLiteral(":/icons/") + QLatin1StringView(name)));
}

// The item dialogs the list has opened and not yet closed.
QList<ItemDialog*> itemDialogs()
{
    QList<ItemDialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ItemDialog*>(widget))
            dialogs.append(dialog);
    }
    return dialogs;
}

// Whether a dialog the list opened is shown without waiting, application-modal, and deleted
// once it is closed, so that nothing is left behind.
bool shownModalAndDeletedOnClose(ItemDialog* dialog)
{
    if (!dialog->isVisible() || dialog->windowModality() != Qt::ApplicationModal
        || !dialog->testAttribute(Qt::WA_DeleteOnClose))
        return false;
    const QPointer<ItemDialog> guard(dialog);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return guard.isNull();
}

QString pageOf(const ItemDialog* dialog)
{
    return dialog->findChild<QTabWidget*>(QStringLiteral("primaryTabWidget"))->currentWidget()->objectName();
}

} // namespace ItemListViewTesting

using namespace ItemListViewTesting;

void ItemListViewFixture::initTestCase()
{
    QCoreApplication::installTranslator(&m_translator);
}

void ItemListViewFixture::init()
{
    m_settings = std::make_unique<TestSettings>(ProgramVariant::Domvara);
    m_files = std::make_unique<QTemporaryDir>();
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_boxes.clear();
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = false;
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        },
        [this](const QString& program, const QStringList& arguments) {
            m_starts.append({ program, arguments });
            return m_startSucceeds;
        });
    m_list = std::make_unique<ItemListView>(nullptr);
}

void ItemListViewFixture::cleanup()
{
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    Desktop::setHandlers({}, {});
    ItemListView::setMenuRunner({});
    m_files.reset();
    m_settings.reset();
}

Item* ItemListViewFixture::add(int type, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setNumber_of_items(1);
    return m_collection->addItem(std::move(item));
}

QString ItemListViewFixture::file(const QString& name)
{
    const QString path = m_files->filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot write a test file");
    return path;
}

void ItemListViewFixture::fill()
{
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
}

void ItemListViewFixture::loadVersion(const char* header)
{
    DBItemCollection loader;
    QVERIFY(loader.loadFromData(QByteArray(header) + "\r\n"));
}
