#pragma once

#include "Item.h"

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QPersistentModelIndex>
#include <QSet>
#include <QTreeWidget>

#include <array>
#include <functional>
#include <vector>

class DBItemCollection;
class QAction;
class QMenu;
class QTimer;
class UndoHistory;
class funiQListViewItem;

// True when a path names a picture the program can show itself: it holds one of the picture
// file types anywhere, in any letter case (so a folder called "Gifts" counts too).
bool isPictureFile(const QString& path);

// The central list of the main window: one row per group, and under each group one row per
// Item of that group, in 21 columns. The list shows the Items of a collection but never owns
// them. It knows nothing of the main window: it reports selections through a signal, which the
// main window connects, and opens the item dialog on its rows itself.
class ItemListView : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 21;
    // The columns, by the item field they show.
    enum ColumnNumber {
        GroupColumn = 0,
        NameColumn = 1,
        ProductColumn = 2,
        ProductModelColumn = 3,
        CountColumn = 4,
        PriceColumn = 5,
        PriceTodayColumn = 6,
        PictureColumn = 7,
        ReceiptColumn = 8,
        DateColumn = 9,
        LocationColumn = 10,
        DescriptionColumn = 11,
        SupplierColumn = 12,
        AddressColumn = 13,
        SerialnoColumn = 14,
        WwwColumn = 15,
        DocumentColumn = 16,
        Extra1Column = 17,
    };

    explicit ItemListView(QWidget* parent);
    ~ItemListView() override;

    // The main window fills the context menu; a null action adds a separator.
    void addContextMenuAction(QAction* action);
    // The undo history the list's own changes go through and whose steps it shows; one of its
    // own until the main window sets the window's (ItemListViewUndo.cpp).
    void setUndoHistory(UndoHistory* history);
    UndoHistory* undoHistory();

    // The quick filter (ItemListViewFilter.cpp): only the item rows holding the text in one of
    // the shown columns, or in their group's name, stay visible, and only groups with such
    // rows. Letter case is ignored by Unicode case folding alone, so "a" never finds "å" nor
    // "á". Rows it hides are deselected. An empty text shows every row again.
    void setFilterText(const QString& text);
    QString filterText() const;
    // The Items of the rows the user can see (the filter's and the groups' hidden rows left
    // out), in list order: what commands on "the items shown" act on.
    QList<Item*> shownItems() const;
    // Whether the rows' texts the filter searches are all made (they are made in idle time
    // after the list is filled).
    bool filterTextsReady() const;
    QMenu* contextMenu() const;
    // Writes the widths of all columns, as the main window's save-settings command does.
    void saveColumnWidths();

    void createGroupRows(DBItemCollection* collection);
    // tellUnknown: items of groups beyond the list are told in one box (at a load, not at every
    // rebuild after an undo or a location update).
    void fillItemRows(DBItemCollection* collection, bool tellUnknown = true);
    void addItemRow(Item* item, bool select);
    void updateItemRow(QTreeWidgetItem* row, Item* item);
    void clearRows();
    void rebuildList();

    // The header text of a column (0 to 20) as the field labels last named it, in Latin-1;
    // "Unknown column" for any other number.
    static QByteArray columnHeaderText(int column);

    // Shows the context menu at a screen position. Tests replace it, since a real menu would
    // wait for a person; an empty runner shows the real menu again.
    using MenuRunner = std::function<void(QMenu& menu, const QPoint& globalPosition)>;
    static void setMenuRunner(MenuRunner runner);

public Q_SLOTS:
    QTreeWidgetItem* FindListViewItem(Item* item);
    bool HasReceipt(QTreeWidgetItem* item);
    bool HasPictureLink(QTreeWidgetItem* item);
    bool HasUrl(QTreeWidgetItem* item);
    bool HasDocument(QTreeWidgetItem* item);
    int GetNumberOfGroups();
    void UpdateGroupItemName(int item, const QString& name);
    // Removes and destroys the Items of all selected item rows as one change, asking first when
    // there is more than one; group rows are left alone. The row the list then highlights
    // becomes the current row.
    void DeleteItem();
    void SeachItem();
    void ShowPicture1();
    void ShowImage2();
    void ShowDocument();
    void ShowUrl();
    // Makes a row the current one, alone selected and in view (its group opened).
    void ItemSelected(QTreeWidgetItem* row);
    QTreeWidgetItem* isItemSelected();
    void selectionChangedSlot(funiQListViewItem* row);
    void returnPressedSlot(QTreeWidgetItem* row);
    void doubleClickOnItemSlot(QTreeWidgetItem* row);
    void MousePressed(QTreeWidgetItem* row, int column);
    void EditItem();
    void ViewAll(bool showall);
    // Shows the current Item as an HTML page.
    void ViewCurrentAsHTML();
    void ShowContextMenu(QTreeWidgetItem* row);

Q_SIGNALS:
    // A row was clicked or became the current row.
    void rowSelected(QTreeWidgetItem* row);
    // The quick filter left shown of total item rows (shown == total with no filter).
    void filterApplied(int shown, int total);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The view moved its current row (click, keys, a removed row): selection is the view's.
    void followCurrentRow(QTreeWidgetItem* row);
    // The selected item rows in list order; group rows are left out.
    QList<QTreeWidgetItem*> selectedItemRows() const;
    // The width a column starts with until the user sets one: wide enough for its header and
    // for what it typically shows.
    int fittedWidth(int column) const;
    void restoreColumnWidths();
    void fitColumnsNotChosen();
    void columnResized(int column);
    void saveChosenColumnWidths();
    funiQListViewItem* groupRow(int group) const;
    // Whether an item row's Item has the link; false without a current row.
    bool hasLink(const QTreeWidgetItem* row, Item::TextField link) const;
    // The Item of the current row, when the current row is an item row.
    Item* currentRowItem() const;
    // The row at the end of the list that holds the Items whose group number the groups list
    // does not have (beyond its end, or negative); made when first needed.
    funiQListViewItem* unknownGroupRow();
    void dropUnknownGroupRowWhenEmpty();
    void fillCells(funiQListViewItem* row, const Item& item);
    void renameHeaders();
    // Opens an item dialog and returns at once; the dialog is application-modal and is deleted
    // when it closes.
    void openItemDialog(Item* item, const QString& kind, bool searchMode, QWidget* parent,
                        const QString& groupName = {});

    // Filters every row again, or (everyRow false) only those a narrower text can still find.
    void applyFilter(bool everyRow = true);
    void refilter();
    // Puts every row the filter took out back into its group, in list order.
    void restoreAllRows();
    // All item rows of a group, also those the filter took out, given the rows it has now.
    QList<QTreeWidgetItem*> allRowsOf(QTreeWidgetItem* group, const QList<QTreeWidgetItem*>& inList) const;
    int rowCountOf(QTreeWidgetItem* group) const;
    // Whether row a comes before row b in the list's sort order.
    bool rowBefore(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
    void resortAllRows(int column, Qt::SortOrder order);
    // A row added or changed while a filter is typed stays shown until the text changes.
    void pinRow(const QTreeWidgetItem* row);
    // A row about to be deleted or to change its place: no longer kept or pinned.
    void forgetRow(QTreeWidgetItem* row);
    QHash<QTreeWidgetItem*, QList<QTreeWidgetItem*>> m_allRows;
    QSet<const QTreeWidgetItem*> m_pinnedRows;
    bool m_resorting = false;
    quint32 shownColumnMask() const;
    void warmUpFilter();
    void warmUpStep();
    QString m_filterText;
    // The folded text the rows were last filtered by.
    QString m_appliedFilter;
    class QTimer* m_warmUpTimer = nullptr;
    int m_warmUpGroup = 0;
    int m_warmUpChild = 0;
    // The rows of undone, redone and new steps.
    void addRowsOf(const QList<Item*>& items);
    void removeRowsOf(const QList<Item*>& items);
    void refillRowsOf(const QList<Item*>& items);

    DBItemCollection* m_collection = nullptr;
    UndoHistory* m_history = nullptr;
    std::vector<funiQListViewItem*> m_groupRows;
    funiQListViewItem* m_unknownGroupRow = nullptr;
    QTreeWidgetItem* m_currentRow = nullptr;
    QMenu* m_contextMenu;
    QIcon m_pictureIcon;
    QIcon m_receiptIcon;
    QIcon m_documentIcon;
    // Columns whose width the user set (now or at an earlier start): they are never refitted.
    std::array<bool, ColumnCount> m_widthChosen{};
    bool m_settingWidths = false;
    QTimer* m_widthSaveTimer = nullptr;
    // The row to scroll into view once the events are handled.
    QPersistentModelIndex m_rowToReveal;
    bool m_revealPending = false;
};
