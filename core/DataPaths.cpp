// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString g_dataDir;

} // namespace

QString dataDirFor(const QString& executableDir)
{
    const QDir executable(executableDir);
    const QString installed = QDir::cleanPath(executable.absoluteFilePath(QStringLiteral("../share/hestiva")));
    if (QFileInfo(installed).isDir())
        return installed;
    const QString staged = QDir::cleanPath(executable.absolutePath());
    if (QFileInfo(staged + QStringLiteral("/help")).isDir() && QFileInfo(staged + QStringLiteral("/db")).isDir())
        return staged;
    return installed;
}

QString dataDir()
{
    // Before the application object exists the executable's folder is not known yet.
    if (g_dataDir.isEmpty() && QCoreApplication::instance())
        g_dataDir = dataDirFor(QCoreApplication::applicationDirPath());
    return g_dataDir;
}

void setDataDir(const QString& folder)
{
    g_dataDir = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString dataPath(const QString& relativePath)
{
    return dataDir() + u'/' + relativePath;
}

bool isInDataDir(const QString& path)
{
    const QString folder = dataDir();
    if (folder.isEmpty() || path.isEmpty())
        return false;
    // Links and ".." are looked through, so that no spelling of a path slips past.
    const auto canonical = [](const QString& name) {
        const QFileInfo info(name);
        const QString real = info.canonicalFilePath();
        return real.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : real;
    };
    const QString root = canonical(folder);
    const QString file = canonical(path);
    return file == root || file.startsWith(root + u'/');
}

QString userSetupDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quorvane/Setup");
}

QString setupFilePath(const QString& name)
{
    const QString own = userSetupDir() + u'/' + name;
    if (QFileInfo::exists(own))
        return own;
    return dataPath(QStringLiteral("Setup/") + name);
}

bool isUrlLink(const QString& link)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(link).hasMatch();
}

QString resolveLink(const QString& link, const QString& databaseDir)
{
    if (link.isEmpty() || isUrlLink(link) || QDir::isAbsolutePath(link))
        return link;
    const QFileInfo fromWorkingDir(link);
    if (fromWorkingDir.exists())
        return fromWorkingDir.absoluteFilePath();
    if (!databaseDir.isEmpty()) {
        const QFileInfo fromDatabase(QDir(databaseDir), link);
        if (fromDatabase.exists())
            return fromDatabase.absoluteFilePath();
    }
    return link;
}

QString webLinkTarget(const QString& link, const QString& databaseDir)
{
    const QString text = link.trimmed();
    if (text.isEmpty() || QDir::isAbsolutePath(text))
        return text;
    // "www.example.com:8080/shop" reads like a scheme, but a host with a port is meant.
    static const QRegularExpression hostWithPort(QStringLiteral("^[^:/]*\\.[^:/]*:\\d"));
    if (isUrlLink(text) && !hostWithPort.match(text).hasMatch())
        return text;
    const QString file = resolveLink(text, databaseDir);
    if (file != text || QFileInfo::exists(text))
        return QFileInfo(file).absoluteFilePath();
    const QUrl address = QUrl::fromUserInput(QStringLiteral("https://") + text);
    return address.isValid() ? address.toString(QUrl::FullyEncoded) : text;
}
