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
// when the user saves. Items refer to groups and locations by position (and in the stock
// product a printed label carries it), so positions never move: a group or location that items
// use cannot be deleted, a deleted one leaves an empty entry in its place (hidden here and
// wherever entries are offered) unless it was the last, and new names go at the end.
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
    // SaveSlot's work; false when not all was saved: a read-only database, a refused name, a
    // folder another program has locked, or a list file that could not be written.
    bool save();
    // Whether another entry than the one in a row has the name, ignoring case.
    bool nameInUse(const QString& name, int exceptRow = -1) const;
    // Whether items keep the positions of this list (groups and locations do).
    bool holdsPositions() const;
    // How many items use the entry at a position of the groups or locations list.
    int itemsUsing(int position) const;
    // Makes the first entry shown from a row on (or, failing that, before it) the current one.
    void selectShownEntry(int row);
    void refuse(const QString& title, const QString& text);
    void printLocationLabel(int position, const QString& name);

    const std::unique_ptr<Ui::setupdialogBase> m_ui;
    ItemListView* m_listView;
    DBItemCollection* m_collection;
    LogXML* m_log;
    int m_kind;
    // Set by an add or a delete: the item list must be built again, and the edit field no
    // longer speaks for the current entry, so no rename is taken from it until saved.
    bool m_structureChanged = false;
    // The entry last highlighted, whose label the print button prints.
    QListWidgetItem* m_highlighted = nullptr;
};
