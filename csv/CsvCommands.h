#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class DBItemCollection;
class ItemListView;
class QDialog;
class QWidget;

// The commands Export to CSV and Import from CSV of the File menu: the dialogs, the file
// choosers, the messages and the work, so that the main window only hands over what it has.
class CsvCommands
{
    Q_DECLARE_TR_FUNCTIONS(CsvCommands)

public:
    // Shows a status message for a number of milliseconds.
    using MessageFunction = std::function<void(const QString& text, int milliseconds)>;
    // Runs one of the commands' dialogs modally and returns its result (QDialog::Accepted or
    // Rejected). Tests answer the dialogs through this; an empty runner runs them for real.
    using DialogRunner = std::function<int(QDialog& dialog)>;
    static void setDialogRunner(DialogRunner runner);

    // Writes the items the user chooses (all, one group, the selected rows) in the order of the
    // list. True when a file was written.
    static bool exportCsv(QWidget* parent, DBItemCollection& collection, ItemListView& list,
                          const QString& currentFileName, const MessageFunction& message);
    // Adds the items of a file to the database once the user has confirmed. Returns how many
    // were added (0 when the user stopped or nothing could be read).
    static int importCsv(QWidget* parent, DBItemCollection& collection, ItemListView& list,
                         const MessageFunction& message);
};
