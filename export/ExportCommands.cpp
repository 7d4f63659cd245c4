#include "ExportCommands.h"

#include "DBItemCollection.h"
#include "HtmlExport.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "SafeFileWrite.h"
#include "ShellHelpers.h"
#include "XmlExport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr int MessageTime = 10000;

QString seconds(const QElapsedTimer& timer)
{
    return QString::number(double(timer.elapsed()) / 1000.0, 'f', 2);
}

} // namespace

QString ExportCommands::viewOutputPath(const QString& name, const QString& suffix)
{
    QString folder = qEnvironmentVariable("AppData");
    if (folder.isEmpty()) {
        // The per-user data folder stands in for the Windows profile folder; when it cannot be
        // made, the views go beside the database, where the user can write.
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        folder = !data.isEmpty() && QDir().mkpath(data) ? data : GetLastDBDir();
    }
    return QFileInfo(QDir(folder).filePath(name + suffix)).absoluteFilePath();
}

ExportCommands::Result ExportCommands::SaveAsXML(DBItemCollection& collection, const QString& currentFileName,
                                                 const QString& xmlOutputFile, const MessageFunction& message)
{
    QString path = xmlOutputFile;
    if (path.isEmpty()) {
        if (currentFileName.isEmpty())
            return Result::NoDatabaseName;
        path = currentFileName + QStringLiteral(".xml");
    }
    QElapsedTimer timer;
    timer.start();
    FileWriteOutcome outcome;
    if (!saveAsXml(collection, path, &outcome)) {
        reportFailure(path, outcome);
        return Result::Failed;
    }
    if (message)
        message(tr("%1 gemt, antal: %3, tid: %4 sec ").arg(path, QString::number(collection.count()), seconds(timer)),
                MessageTime);
    return Result::Written;
}

ExportCommands::Result ExportCommands::SaveAsHTML(DBItemCollection& collection, const QString& currentFileName,
                                                  bool showSpecialCase, bool saveAsHtmlTable,
                                                  const QString& htmlOutputFile, const MessageFunction& message)
{
    QString path = htmlOutputFile;
    if (path.isEmpty()) {
        if (currentFileName.isEmpty())
            return Result::NoDatabaseName;
        path = currentFileName + QStringLiteral(".htm");
    }
    QElapsedTimer timer;
    timer.start();
    FileWriteOutcome outcome;
    if (!saveAsHtml(collection, path, !saveAsHtmlTable, nullptr, showSpecialCase, saveAsHtmlTable, &outcome)) {
        reportFailure(path, outcome);
        return Result::Failed;
    }
    if (message) {
        // The message puts the name and its suffix together itself, so the name goes without it.
        const QString suffix = QStringLiteral(".htm");
        if (path.endsWith(suffix, Qt::CaseInsensitive))
            message(tr("%1.%2 gemt, antal: %3, tid: %4 sec ")
                        .arg(path.chopped(suffix.size()), path.right(suffix.size() - 1),
                             QString::number(collection.count()), seconds(timer)),
                    MessageTime);
        else
            message(tr("%1 gemt, antal: %3, tid: %4 sec ")
                        .arg(path, QString::number(collection.count()), seconds(timer)),
                    MessageTime);
    }
    return Result::Written;
}

void ExportCommands::ShowAllAsXML(DBItemCollection& collection, const MessageFunction& message)
{
    const QString path = viewOutputPath(QStringLiteral("allDBItemsAsXml"), QStringLiteral(".xml"));
    if (SaveAsXML(collection, QString(), path, message) == Result::Written)
        openView(path);
}

void ExportCommands::ShowAllAsHTML(DBItemCollection& collection, const MessageFunction& message)
{
    const QString path = viewOutputPath(QStringLiteral("DbItemAll"), QStringLiteral(".htm"));
    if (SaveAsHTML(collection, QString(), false, false, path, message) == Result::Written)
        openView(path);
}

void ExportCommands::ShowAllAsHTMLTable(DBItemCollection& collection, const MessageFunction& message)
{
    const QString path = viewOutputPath(QStringLiteral("DbIemTable"), QStringLiteral(".htm"));
    if (SaveAsHTML(collection, QString(), false, true, path, message) == Result::Written)
        openView(path);
}

void ExportCommands::ShowAllSpecialCasesAsHTML(DBItemCollection& collection, const MessageFunction& message)
{
    const QString path = viewOutputPath(QStringLiteral("DbMissingItems"), QStringLiteral(".htm"));
    if (SaveAsHTML(collection, QString(), true, false, path, message) == Result::Written)
        openView(path);
}

bool ExportCommands::ViewCurrentAsHTML(DBItemCollection& collection, const Item& item)
{
    const QString path = viewOutputPath(QStringLiteral("CurrentItem"), QStringLiteral(".htm"));
    FileWriteOutcome outcome;
    if (!saveAsHtml(collection, path, false, &item, false, false, &outcome)) {
        reportFailure(path, outcome);
        return false;
    }
    openView(path);
    return true;
}

void ExportCommands::reportFailure(const QString& path, const FileWriteOutcome& outcome)
{
    // Said plainly rather than left to the desktop, which would only report a missing file.
    const QString note = outcome.note();
    MessageBoxes::critical(nullptr, tr("EXPORT_ERROR_TITLE"),
                           tr("EXPORT_ERROR_TEXT %1").arg(path)
                               + (note.isEmpty() ? QString() : QStringLiteral("\n\n") + note));
}

void ExportCommands::openView(const QString& path)
{
    ShellOpenFile(path, QString(), true);
}
