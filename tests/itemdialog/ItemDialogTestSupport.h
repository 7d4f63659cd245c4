#pragma once

// What the item dialog tests share: finding and driving the dialog's widgets, and a fixture
// with a small database, its item list, and message boxes, file and printer dialogs and the
// desktop answered by the test.

#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "ItemDialog.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "TestSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

Q_DECLARE_METATYPE(ProgramVariant)

namespace ItemDialogTesting {

struct StartCall
{
    QString program;
    QStringList arguments;
};

template <typename T> T* widget(const QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("the dialog has no widget %s", name);
    return found;
}

QLineEdit* edit(const QWidget& dialog, const char* name);
QPushButton* button(const QWidget& dialog, const char* name);
QComboBox* combo(const QWidget& dialog, const char* name);
QString text(const QWidget& dialog, const char* name);
// Replaces what a field holds by typing over it.
void type(QLineEdit* field, const QString& text);
void type(const QWidget& dialog, const char* name, const QString& text);
// Types the text key by key where the cursor is, also characters outside ASCII.
void typeKeys(QWidget* field, const QString& text);
bool click(const QWidget& dialog, const char* name);
QWidget* currentPage(const QWidget& dialog);
bool tabEnabled(const QWidget& dialog, const char* page);
QSize shownPixmapSize(const QWidget& dialog, const char* label);

} // namespace ItemDialogTesting

class ItemDialogFixture : public QObject
{
    Q_OBJECT

protected Q_SLOTS:
    void init();
    void cleanup();

protected:
    void useProduct(ProgramVariant variant);
    Item* add(int type, const QString& name);
    void fill();
    std::unique_ptr<ItemDialog> open(Item* item, const QString& kind = QStringLiteral("DATA"), bool search = false,
                                     const QString& groupName = {});
    QString picture(const QString& name, int width, int height);

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<ItemListView> m_list;
    QList<MessageBoxes::Request> m_boxes;
    QList<FileDialogs::Request> m_fileRequests;
    QString m_chosenFile;
    QList<ItemDialogTesting::StartCall> m_starts;
    QList<QUrl> m_opened;
    bool m_startSucceeds = false;
};
