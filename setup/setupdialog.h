#pragma once

#include <QDialog>

#include <memory>

class DBItemCollection;
class ItemListView;
class LogXML;
class LookupList;
class QListWidgetItem;

namespace Ui {
class setupdialogBase;
}

// The editor of one lookup list of the open database: the groups, the locations (rooms) or the
// suppliers. It works on a copy in its list box; the database's list and its file change only
// when the user saves. Items refer to groups and locations by position, so nothing here touches
// an item, and a delete that would leave items pointing past the end of the list is refused.
// In the stock product the groups editor also prints the barcode label of a group.
class setupdialog : public QDialog
{
    Q_OBJECT

public:
    // The list a dialog edits; fixed for the dialog's life.
    enum LookupListKind { Groups = 1, Locations = 2, Suppliers = 3 };

    // The main window passes its list, its database, the kind of list, itself, the object name
    // ("Setup Groups", "Setup Location" or "Setup Suppliers") and its log, which the label
    // printing writes to. The caller shows the dialog without waiting for it.
    setupdialog(ItemListView* listView, DBItemCollection* collection, int kind, QWidget* parent = nullptr,
                const QString& name = QString(), bool modal = true, LogXML* log = nullptr);
    ~setupdialog() override;

    // The caption of the item field a kind of list belongs to, as the list's column headers
    // name it at the moment and translated; the main window's Setup menu shows it too.
    static QString listCaption(int kind);

public Q_SLOTS:
    void AddSlot();
    void DeleteSlot();
    void SaveSlot();
    void OKSlot();
    void HelpSlot();
    void PrintSlot();
    void listLineEdit_highlighted(QListWidgetItem* item);

private:
    LookupList& list() const;
    // SaveSlot's work; false when the database is read-only and nothing was saved.
    bool save();
    // Whether a new name clashes with a saved entry or begins an entry of the list box.
    bool nameInUse(const QString& name) const;
    void refuse(const QString& title, const QString& text);
    void printLocationLabel(int position, const QString& name);

    const std::unique_ptr<Ui::setupdialogBase> m_ui;
    ItemListView* m_listView;
    DBItemCollection* m_collection;
    LogXML* m_log;
    int m_kind;
    // Set by an add or a delete: positions moved, so the item list must be built again.
    bool m_structureChanged = false;
    // The entry last highlighted, whose label the print button prints.
    QListWidgetItem* m_highlighted = nullptr;
};
