#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class DBItemCollection;
class Item;
struct FileWriteOutcome;

// The whole work of the export commands of the main window and of the current-item view:
// where the file goes, writing it, the status message and opening the written view. The main
// window hands over its collection, its current database file name and a way to show a status
// message, so that nothing here needs the window itself.
class ExportCommands
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommands)

public:
    // Shows a status message for a number of milliseconds.
    using MessageFunction = std::function<void(const QString& text, int milliseconds)>;

    enum class Result {
        Written,
        // No file was named and no database file is open: nothing was written, and what to do
        // about it is the caller's business.
        NoDatabaseName,
        // The file could not be written; the user has been told.
        Failed
    };

    // Where a view is written: the folder in the environment variable "AppData" when it is set
    // and not empty, else the per-user data folder (made when missing), else the folder of the
    // last database. The name and suffix are appended; the path is absolute.
    static QString viewOutputPath(const QString& name, const QString& suffix);

    // The database as XML into xmlOutputFile, or, when that is empty, into the database file
    // name followed by ".xml". Reports the count and the time through message.
    static Result SaveAsXML(DBItemCollection& collection, const QString& currentFileName, const QString& xmlOutputFile,
                            const MessageFunction& message);
    // The database as an HTML list, special list or table into htmlOutputFile, or, when that is
    // empty, into the database file name followed by ".htm".
    static Result SaveAsHTML(DBItemCollection& collection, const QString& currentFileName, bool showSpecialCase,
                             bool saveAsHtmlTable, const QString& htmlOutputFile, const MessageFunction& message);

    // The views: written into viewOutputPath() and opened with the desktop's program.
    static void ShowAllAsXML(DBItemCollection& collection, const MessageFunction& message);
    static void ShowAllAsHTML(DBItemCollection& collection, const MessageFunction& message);
    static void ShowAllAsHTMLTable(DBItemCollection& collection, const MessageFunction& message);
    static void ShowAllSpecialCasesAsHTML(DBItemCollection& collection, const MessageFunction& message);
    // One item with captions and its pictures, as "CurrentItem.htm"; no status message.
    static bool ViewCurrentAsHTML(DBItemCollection& collection, const Item& item);

private:
    static void reportFailure(const QString& path, const FileWriteOutcome& outcome);
    static void openView(const QString& path);
};
