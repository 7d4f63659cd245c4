#pragma once

#include <QStringList>
#include <QUrl>

#include <functional>

// The one way the program hands things to the desktop: opening a file or web address with the
// program the desktop associates with it, and starting an outside program. Tests replace both
// so that they can see what would have been opened or started without anything appearing.
class Desktop
{
public:
    using OpenHandler = std::function<bool(const QUrl& url)>;
    using StartHandler = std::function<bool(const QString& program, const QStringList& arguments)>;

    // Whether the desktop accepted the address.
    static bool openUrl(const QUrl& url);
    // Starts the program with the arguments as they are, without a shell, and never waits for
    // it; returns whether it started.
    static bool startDetached(const QString& program, const QStringList& arguments);

    // An empty handler restores the real behaviour.
    static void setHandlers(OpenHandler openHandler, StartHandler startHandler);
};
