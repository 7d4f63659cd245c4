#pragma once

// What the item list tests share: icon pictures, the item dialogs the list opens, and a fixture
// with a small database, its list, and message boxes and the desktop replaced by recorders.

#include "DBItemCollection.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "TestSettings.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

#include <memory>

Q_DECLARE_METATYPE(ProgramVariant)

namespace ItemListViewTesting {

// Gives the error text its placeholders, as the real translations do, so that the tests see
// which numbers the list puts in.
class PlaceholderTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "ItemListView") == 0 && qstrcmp(source, "ITEMS_IN_UNKNOWN_GROUP %1 %2") == 0)
            return QStringLiteral("%1 items under %2");
        if (qstrcmp(context, "ItemListView") == 0 && qstrcmp(source, "UNKNOWN_GROUP") == 0)
            return QStringLiteral("(unknown group)");
        return {};
    }
};

struct StartCall
{
    QString program;
    QStringList arguments;
};

QImage iconImage(const QIcon& icon);
QImage resourceImage(const char* name);
// The item dialogs the list has opened and not yet closed.
QList<ItemDialog*> itemDialogs();
// Whether a dialog the list opened is shown without waiting, application-modal, and deleted
// once it is closed, so that nothing is left behind.
bool shownModalAndDeletedOnClose(ItemDialog* dialog);
QString pageOf(const ItemDialog* dialog);

} // namespace ItemListViewTesting

class ItemListViewFixture : public QObject
{
    Q_OBJECT

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

protected:
    Item* add(int type, const QString& name = QString());
    // A file that exists, so that the desktop is asked to open it.
    QString file(const QString& name);
    void fill();
    // Sets the format version of the last load, as opening a database of that version would.
    void loadVersion(const char* header);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    QList<MessageBoxes::Request> m_boxes;
    QList<ItemListViewTesting::StartCall> m_starts;
    QList<QUrl> m_opened;
    bool m_startSucceeds = false;
    ItemListViewTesting::PlaceholderTranslator m_translator;
};
