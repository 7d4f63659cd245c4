#include "ProcessIdentity.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <limits>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {

const QString NotFound = QStringLiteral("UserName not found");

// The file name of the executable a process runs, from /proc/<id>/exe; empty when unreadable.
QString executableName(const QString& processDir)
{
    QString target = QFile::symLinkTarget(processDir + QStringLiteral("/exe"));
    // A program whose file was replaced (an update) while it ran.
    if (target.endsWith(QStringLiteral(" (deleted)")))
        target.chop(10);
    return QFileInfo(target).fileName();
}

// The file name of the first word of a process's command line: the name it was started under
// (a link such as "stockvane"); empty when unreadable.
QString startName(const QString& processDir)
{
    QFile file(processDir + QStringLiteral("/cmdline"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray line = file.read(4096);
    return QFileInfo(QFile::decodeName(line.left(line.indexOf('\0')))).fileName();
}

} // namespace

namespace ProcessIdentity {

QString computerName()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? NotFound : name;
}

QString userName()
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return NotFound;
}

qint64 processId()
{
    return qint64(getpid());
}

bool runsThisProgram(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    if (pid == processId())
        return true;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    const QString self = QStringLiteral("/proc/self");
    if (!QFileInfo::exists(self + QStringLiteral("/exe")))
        return true;
    const QString dir = QStringLiteral("/proc/") + QString::number(pid);
    if (!QFileInfo::exists(dir))
        return false;
    const QString executable = executableName(dir);
    const QString started = startName(dir);
    if (executable.isEmpty() && started.isEmpty())
        return true;
    const QString ownExecutable = executableName(self);
    const QString ownStart = startName(self);
    return (!executable.isEmpty() && executable == ownExecutable)
        || (!started.isEmpty() && (started == ownStart || started == ownExecutable));
}

} // namespace ProcessIdentity
