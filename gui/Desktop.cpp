#include "Desktop.h"

#include <QDesktopServices>
#include <QProcess>

namespace {
Desktop::OpenHandler g_openHandler;
Desktop::StartHandler g_startHandler;
} // namespace

bool Desktop::openUrl(const QUrl& url)
{
    if (g_openHandler)
        return g_openHandler(url);
    return QDesktopServices::openUrl(url);
}

bool Desktop::startDetached(const QString& program, const QStringList& arguments)
{
    if (g_startHandler)
        return g_startHandler(program, arguments);
    // Without a program name there is nothing to start.
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

void Desktop::setHandlers(OpenHandler openHandler, StartHandler startHandler)
{
    g_openHandler = std::move(openHandler);
    g_startHandler = std::move(startHandler);
}
