#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class DBItemCollection;
class InsurerReport;
class Item;
class QTreeWidget;

namespace Ui {
class InsurerReportDialogBase;
}

// Asks what the report for the insurer covers (the whole database, one group or the items
// selected in the list) and shows it in the print preview, from which the user prints it or
// saves it as a PDF file; or saves it as a PDF file straight away.
class InsurerReportDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows a text in the main window's status bar for a time in milliseconds.
    using StatusMessage = std::function<void(const QString& text, int milliseconds)>;

    // The dialog is modal: the items it reports stay as they are while it is open.
    InsurerReportDialog(const DBItemCollection& collection, const std::vector<const Item*>& selected,
                        const QString& databaseFile, QWidget* parent, StatusMessage message = {});
    ~InsurerReportDialog() override;

    // The items of the selected rows of the list; a selected group row stands for its items.
    static std::vector<const Item*> selectedItems(const QTreeWidget& list);

    // The items the choice in the dialog covers, in the database's order.
    std::vector<const Item*> chosenItems() const;

public Q_SLOTS:
    void preview_slot();
    void savePdf_slot();

private:
    // The report of the chosen items with its pictures read; null when the user stopped reading.
    std::unique_ptr<InsurerReport> makeReport();
    // Asks for a file name and writes the report there as a PDF file; false when cancelled or
    // failed (failures are reported).
    bool savePdf(QWidget* parent, const InsurerReport& report);

    const std::unique_ptr<Ui::InsurerReportDialogBase> m_ui;
    const DBItemCollection& m_collection;
    std::vector<const Item*> m_selected;
    QString m_databaseFile;
    StatusMessage m_message;
};
