#include "ItemDialogTestSupport.h"

#include "Desktop.h"
#include "PrintDialogs.h"

#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>

namespace ItemDialogTesting {

QLineEdit* edit(const QWidget& dialog, const char* name)
{
    return widget<QLineEdit>(dialog, name);
}

QPushButton* button(const QWidget& dialog, const char* name)
{
    return widget<QPushButton>(dialog, name);
}

QComboBox* combo(const QWidget& dialog, const char* name)
{
    return widget<QComboBox>(dialog, name);
}

QString text(const QWidget& dialog, const char* name)
{
    return edit(dialog, name)->text();
}

// Replaces what a field holds by typing over it.
void type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        typeKeys(field, text);
}

void typeKeys(QWidget* field, const QString& text)
{
    // Key by key, as a keyboard sends them: one with a character outside ASCII carries it as
    // the key's text (a character beyond the first plane, both its halves).
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, length);
        if (key.at(0).unicode() < 0x80)
            QTest::keyClick(field, key.at(0).toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, key, Qt::NoModifier);
        i += length - 1;
    }
}

void type(const QWidget& dialog, const char* name, const QString& text)
{
    type(edit(dialog, name), text);
}

bool click(const QWidget& dialog, const char* name)
{
    QPushButton* pushButton = button(dialog, name);
    if (!pushButton->isEnabled())
        return false;
    QTest::mouseClick(pushButton, Qt::LeftButton);
    return true;
}

QWidget* currentPage(const QWidget& dialog)
{
    return widget<QTabWidget>(dialog, "primaryTabWidget")->currentWidget();
}

bool tabEnabled(const QWidget& dialog, const char* page)
{
    const auto* tabs = widget<QTabWidget>(dialog, "primaryTabWidget");
    return tabs->isTabEnabled(tabs->indexOf(widget<QWidget>(dialog, page)));
}

QSize shownPixmapSize(const QWidget& dialog, const char* label)
{
    return widget<QLabel>(dialog, label)->pixmap().size();
}

} // namespace ItemDialogTesting

using namespace ItemDialogTesting;

void ItemDialogFixture::init()
{
    m_files = std::make_unique<QTemporaryDir>();
    useProduct(ProgramVariant::Domvara);
    m_boxes.clear();
    m_fileRequests.clear();
    m_chosenFile.clear();
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = false;
    ItemDialog::forgetChosenFolders();
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
    FileDialogs::setAnswerer([this](const FileDialogs::Request& request) {
        m_fileRequests.append(request);
        return FileDialogs::Answer{ m_chosenFile, request.directory };
    });
    PrintDialogs::setAnswerer([](QPrinter*) { return false; });
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        },
        [this](const QString& program, const QStringList& arguments) {
            m_starts.append({ program, arguments });
            return m_startSucceeds;
        });
}

void ItemDialogFixture::cleanup()
{
    m_list.reset();
    m_collection.reset();
    MessageBoxes::setAnswerer({});
    FileDialogs::setAnswerer({});
    PrintDialogs::setAnswerer({});
    Desktop::setHandlers({}, {});
    m_settings.reset();
    m_files.reset();
    DBItemCollection::setModified(false);
}

void ItemDialogFixture::useProduct(ProgramVariant variant)
{
    m_list.reset();
    m_collection.reset();
    m_settings.reset();
    m_settings = std::make_unique<TestSettings>(variant);
    m_collection = std::make_unique<DBItemCollection>();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QStringLiteral("Loft") });
    m_collection->suppliers().setEntries({ QStringLiteral("Shop"), QStringLiteral("Market") });
    m_list = std::make_unique<ItemListView>(nullptr);
    DBItemCollection::setModified(false);
}

Item* ItemDialogFixture::add(int type, const QString& name)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setNumber_of_items(1);
    item->setDate(QStringLiteral("01.02.2003"));
    return m_collection->addItem(std::move(item));
}

void ItemDialogFixture::fill()
{
    m_list->createGroupRows(m_collection.get());
    m_list->fillItemRows(m_collection.get());
    DBItemCollection::setModified(false);
}

std::unique_ptr<ItemDialog> ItemDialogFixture::open(Item* item, const QString& kind, bool search, const QString& groupName)
{
    auto dialog
        = std::make_unique<ItemDialog>(m_collection.get(), m_list.get(), item, kind, search, nullptr, groupName);
    dialog->show();
    return dialog;
}

QString ItemDialogFixture::picture(const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = m_files->filePath(name);
    if (!image.save(path))
        qFatal("cannot write a test picture");
    return path;
}
