#pragma once

#include "DBItemCollection.h"
#include "Item.h"
#include "ItemPrinting.h"
#include "PictureCache.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class ItemListView;
class QLabel;
class QLineEdit;

namespace Ui {
class ItemDialogBase;
}

// The form in which one Item is shown, edited, created, copied, searched for and printed.
//
// The dialog works in one of three modes, which follow from what it shows: an Item of the
// collection (edit), a new or copied Item that is not in the collection yet (new; the dialog
// owns it until it is saved), or no Item at all (search). Saving keeps the list view's rows in
// step with the collection.
class ItemDialog : public QDialog
{
    Q_OBJECT

public:
    // kind is "DATA", "PICTURE" or "RECEIPT": the page the dialog opens on when it shows an Item.
    // Without an Item the dialog starts a new Item in the group named groupName, or, with
    // searchMode, waits for search criteria. Callers show the dialog without waiting for it; it
    // is application-modal.
    ItemDialog(DBItemCollection* collection, ItemListView* listView, Item* item, const QString& kind, bool searchMode,
               QWidget* parent, const QString& groupName = {});
    ~ItemDialog() override;

    // The Item the form shows; null in search mode.
    Item* currentItem() const;
    // True while the Item shown is new or a copy and not yet saved into the collection.
    bool ownsCurrentItem() const;

    // Fills the lists and relabels, hides and documents the form for the running product.
    void configureForVariant();

    // The file choosers start where a file of the same kind of link was last chosen while the
    // program runs; this forgets those folders (a test starts afresh).
    static void forgetChosenFolders();

public Q_SLOTS:
    void ShowValidateError(const QString& Error);
    bool ShowPage(const QString& PageName);
    void updateCurrentItem();
    void showItem(Item* item);
    void delete_slot();
    void resetAllFields(bool SeachMode = false);
    void accept() override;
    // Closing the window (title bar, Escape) with unsaved changes asks first; the Cancel button
    // discards them.
    void reject() override;
    void browsePhoto_slot();
    void browseReceipt_slot();
    void InsertDocumentSlot();
    void copy_slot();
    void help_slot();
    void newItem_slot();
    void countChanged_slot();
    bool save_slot();
    void seach_slot();
    void showPhoto_slot();
    void showReceipt_slot();
    void showWww_slot();
    void ShowDocumentSlot();
    void print_Slot();
    void preview_Slot();
    void wwwFieldChanged_slot();
    void photoFieldChangedSlot();
    void receiptFieldChangedSlot();
    void CreatePictureOnPicturePage();
    void CreatePictureOnReceiptPage();
    void currentPageChangedSlot(QWidget* page);
    void PreviousSlot();
    void NextSlot();
    void ResetSlot();
    void documentChangedSlot();
    void ShowAsHTMLSlot();
    void SearchAgainSlot();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void on_savePushButton_clicked();

private:
    void connectWidgets();
    void installValidators();
    void relabelFromFieldLabels();
    bool validate();
    // Whether a figure field holds what the program can read: a figure as typed, what the form
    // showed of the Item, or nothing (the rules of each product decide about an empty field).
    // Otherwise tells the user, naming the field by its label, and returns false.
    bool checkFigure(QLineEdit* field, const QLabel* label, bool wholeNumber);
    // The text fields that go into the file, each with its validator.
    QList<QLineEdit*> textFields() const;
    // Characters outside Latin-1 that reached a field by another way than typing (a list entry
    // chosen, say) are replaced now, with the notice, rather than lost when the file is written.
    void makeFieldsStorable();
    // The form's contents, to tell whether the user changed them since they were filled.
    QStringList formState() const;
    void markFormUnchanged();
    bool hasUnsavedEdits() const;
    // Before the form is filled anew or closed: stores the changes, or asks whether to. False
    // when the changes are to stay in the form (the user cancelled, or they could not be saved).
    bool settleEdits();
    // The search criteria of the figure fields as the collection compares them: a point as the
    // decimal separator; false after telling the user that one cannot be read.
    bool figureCriteria(SearchQuery& query);
    void finishSearch(Item* found);
    // Replaces the Item shown; an Item the dialog owned and no longer shows is destroyed.
    void setCurrentItem(Item* item);
    void setOwnedItem(std::unique_ptr<Item> item);
    // Shows the picture a link names scaled to the label, or a note when the file cannot be read;
    // nothing for a link that names no picture. A label not on screen is left until it is shown
    // (it has no size to read the picture for yet).
    void showLinkedPicture(const QString& link, QLabel* label);
    // Starts reading the pictures the next step in the direction last stepped will show.
    void prefetchNeighbour();
    void clearPicturePage();
    void clearReceiptPage();
    void updateThumbnail();
    void setTabEnabled(QWidget* page, bool enabled);
    // Selects the list row of an Item, when it has one.
    void selectRowOf(Item* item);
    // Which link a file is chosen for; each kind starts in its own folder.
    enum class LinkKind { Picture, Receipt, Document };
    // Asks for an existing file for the link; false when none was chosen.
    bool chooseFile(LinkKind kind, QLineEdit* target);
    // The label and value lines a printout of an Item shows.
    ItemPrinting::Lines printedLines(const Item& item) const;
    void printItem(bool preview);
    // Writes the form into an Item, as saving does.
    void writeFormInto(Item& item) const;
    // A copy of the Item shown with the form written into it, for printing and viewing what
    // the form shows; none in a search, or when a figure cannot be read (the user is told).
    std::optional<Item> formItem();
    void storeDialogGeometry() const;
    void restoreDialogGeometry();
    // Shows the total value from the count and price as typed, without touching the Item.
    void showTypedTotal();

    std::unique_ptr<Ui::ItemDialogBase> m_ui;
    DBItemCollection* m_collection;
    QPointer<ItemListView> m_listView;
    Item* m_currentItem = nullptr;
    // Holds the Item shown while it is new or a copy; empty once it belongs to the collection.
    std::unique_ptr<Item> m_ownedItem;
    // Whether the new item is a copy of another (the undo step's name says so).
    bool m_ownedIsCopy = false;
    QString m_wwwProgram;
    QString m_pictureViewerProgram;
    // The criteria of the last search, for Search again.
    SearchQuery m_searchQuery;
    // The form as it was filled from the Item, or empty in search mode.
    QStringList m_formAtFill;
    // Set by the Cancel button, which closes without asking.
    bool m_discarding = false;
    // The pictures as read for the labels, so that each is decoded once while its Item is shown:
    // two each of the item shown, the one before and the two read ahead.
    PictureCache m_pictures{8};
    // Whether the last step went back (Previous), for reading ahead in the same direction.
    bool m_steppedBack = false;
};
