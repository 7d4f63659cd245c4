#include "ShellHelpers.h"

#include "DataPaths.h"
#include "Desktop.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// The address the desktop is given for a link: a URL as it is, a file by its absolute path
// (a relative one counts from the working directory).
QUrl urlFor(const QString& path)
{
    if (isUrlLink(path))
        return QUrl(path);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

// Hands the target to the desktop and returns the result code. A file that is not there is
// reported before the desktop is asked, because the desktop would only fail later and unseen.
int openTarget(const QString& target)
{
    if (!isUrlLink(target)) {
        const QFileInfo file(target);
        if (!file.exists())
            return file.absoluteDir().exists() ? ShellResult::FileNotFound : ShellResult::PathNotFound;
    }
    return Desktop::openUrl(urlFor(target)) ? ShellResult::Success : ShellResult::NoAssociation;
}

} // namespace

QString ShellErrorText(int resultCode)
{
    switch (resultCode) {
    case 0:
        return QStringLiteral("The operating system is out of memory or resources.");
    case 2:
        return QStringLiteral("The specified file was not found (please, check write permissions).");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 26:
        return QStringLiteral("A sharing violation occurred.");
    case 27:
        return QStringLiteral("The file name association is incomplete or invalid.");
    case 31:
        return QStringLiteral("There is no application associated with the given file name extension. This error "
                              "will also be returned if you attempt to print a file that is not printable.");
    case 32:
        return QStringLiteral("The specified DLL was not found.");
    default:
        return {};
    }
}

int ShellOpenFile(const QString& name, const QString& suffix, bool fullPath)
{
    // The target is passed whole however long it is: a deep working directory must not cut it.
    const QString target = fullPath ? name + suffix : dataPath(QStringLiteral("help/")) + name + suffix;
    const int code = openTarget(target);
    if (code > 32)
        return code;
    MessageBoxes::critical(nullptr, QCoreApplication::translate("ShellHelpers", "HTML fejl"),
                           QStringLiteral("Could not display help (%1), error: %2").arg(target, ShellErrorText(code)));
    return code;
}

void OpenWithAssociatedProgram(const QString& link)
{
    if (link.isEmpty())
        return;
    const QString path = resolveLink(link, GetLastDBDir());
    if (openTarget(path) > 32)
        return;
    // The toolkit's own word for its Yes button, from its catalogue; kept out of the program's
    // own texts, which are all in the program's translation files.
    static constexpr char toolkitContext[] = "QPlatformTheme";
    static constexpr char yesText[] = "&Yes";
    MessageBoxes::Request request;
    request.icon = QMessageBox::NoIcon;
    request.title = QStringLiteral("Quorvane program error");
    request.text = QStringLiteral("Ingen program associeret med filer af denne type %1").arg(path);
    request.buttons = {QCoreApplication::translate(toolkitContext, yesText)};
    request.defaultButton = 0;
    request.escapeButton = 0;
    MessageBoxes::ask(nullptr, request);
}

void ShowProgramNotFound(const QString& program, const QString& file)
{
    if (program.isEmpty())
        return;
    MessageBoxes::Request request;
    request.icon = QMessageBox::Critical;
    request.title = QStringLiteral("Fejl");
    request.text = QStringLiteral("Program (%1) ikke fundet.\nHint: V\u00e6lg \u00f8nsket program til at vise aktuelle "
                                  "fil type,\nvia Ops\u00e6tning menu.\nKalder istedet program associeret med filen %2")
                       .arg(program, file);
    request.buttons = {QStringLiteral("&Ok")};
    request.defaultButton = 0;
    request.escapeButton = 0;
    MessageBoxes::ask(nullptr, request);
}

bool StartProgram(const QString& program, const QStringList& arguments)
{
    return Desktop::startDetached(program, arguments);
}

void OpenWithProgram(const QString& program, const QString& link)
{
    // Without a chosen program the link is never started as a program itself: a database from
    // elsewhere could otherwise run anything it links to.
    if (program.isEmpty()) {
        OpenWithAssociatedProgram(link);
        return;
    }
    // A link is data, never an option of the program: one that starts with "-" (a browser takes
    // "--some-switch=..." as an order) goes as the path it names in the working directory.
    const QString path = resolveLink(link, GetLastDBDir());
    const QString argument = path.startsWith(u'-') ? QStringLiteral("./") + path : path;
    if (StartProgram(program, {argument}))
        return;
    ShowProgramNotFound(program, link);
    OpenWithAssociatedProgram(link);
}

void OpenWebLink(const QString& program, const QString& link)
{
    OpenWithProgram(program, webLinkTarget(link, GetLastDBDir()));
}
