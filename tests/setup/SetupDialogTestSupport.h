#pragma once

// What the lookup list editor tests share: the list's captions, file helpers, and a fixture with
// a small database and its item list in a temporary working folder, with message boxes and the
// desktop replaced by recorders.

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "RecordingReporter.h"
#include "TestSettings.h"
#include "setupdialog.h"

#include <QByteArray>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QObject>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

#include <memory>

Q_DECLARE_METATYPE(ProgramVariant)

namespace SetupDialogTesting {

class KeyTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "setupdialog") == 0 && qstrcmp(source, "PRINT_BARCODE") == 0)
            return QStringLiteral("Print label");
        // The placeholders of the real translations, so that the tests see what is put in.
        if (qstrcmp(context, "setupdialog") == 0 && qstrcmp(source, "SETUP_ENTRY_IN_USE") == 0)
            return QStringLiteral("%2 is used by %1");
        if (qstrcmp(context, "DBItemCollection") == 0 && qstrcmp(source, "FOLDER_LOCKED_BY_ANOTHER") == 0)
            return QStringLiteral("locked: %1 by %2");
        return {};
    }
};

// Field labels in label order that give the list its default column captions.
extern const QStringList DefaultLabels;

// Names the list's columns the way opening a database with these field labels does.
void setCaptions(const QStringList& labels);
QStringList texts(const QListWidget* list);
QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& data);

} // namespace SetupDialogTesting

class SetupDialogFixture : public QObject
{
    Q_OBJECT

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

protected:
    Item* add(int group, int location, const QString& name);
    void fillList();
    std::unique_ptr<setupdialog> open(int kind);
    QListWidget* entries() const;
    QLineEdit* edit() const;
    void click(const char* button) const;
    void select(int row) const;
    // The group rows the item list shows (sorted by name, as the list shows them), each with
    // the names of the items under it.
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
    SetupDialogTesting::KeyTranslator m_translator;
};
