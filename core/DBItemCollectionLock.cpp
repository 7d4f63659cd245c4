// The lock file of a stock database: taking it, giving it back, refusing to write into a folder
// another program holds, and taking over a lock that was left behind.
//
// The lock file "LockFile.txt" lies beside the database and holds one line without a line end:
// "<database> Locked by PC: <computer>, User: <user>, PID: <process id>". Installations before
// the process id was added write the line without it; every installation only shows the line.

#include "DBItemCollection.h"

#include "LogXML.h"
#include "ProcessIdentity.h"
#include "UiReporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

using namespace ProcessIdentity;

namespace {

// The longest lock line read; the rest is ignored.
constexpr qsizetype MaxLockLine = 349;

QString lockFileIn(const QString& folder)
{
    return folder + QStringLiteral("/LockFile.txt");
}

// The locks the collections of this process hold. A lock that names this process's id but is
// not among them was left by an earlier process that had the same id (a program started first
// in a container always has the same one).
QSet<QString>& locksOfThisProcess()
{
    static QSet<QString> locks;
    return locks;
}

// Who a lock line names. Lines of older installations have no process id.
struct LockHolder
{
    bool named = false;
    QString computer;
    QString user;
    qint64 pid = 0;
};

LockHolder holderOf(const QString& line)
{
    static const QRegularExpression pattern(QStringLiteral(" Locked by PC: (.*), User: (.*?)(?:, PID: (\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(line);
    LockHolder holder;
    if (!match.hasMatch())
        return holder;
    holder.named = true;
    holder.computer = match.captured(1);
    holder.user = match.captured(2);
    holder.pid = match.captured(3).toLongLong();
    return holder;
}

} // namespace

bool DBItemCollection::folderLockedByAnother(const QString& folder) const
{
    if (!isStockvane())
        return false;
    const QFileInfo lock(lockFileIn(folder));
    if (!lock.exists())
        return false;
    return m_heldLockPath.isEmpty() || QFileInfo(m_heldLockPath).canonicalFilePath() != lock.canonicalFilePath();
}

bool DBItemCollection::refuseLockedFolder(const QString& folder) const
{
    if (!folderLockedByAnother(folder))
        return false;
    // The holder's line tells the user who to ask; this window itself may well be writable.
    QString holder;
    QFile lock(lockFileIn(folder));
    if (lock.open(QIODevice::ReadOnly))
        holder = QString::fromLatin1(lock.readLine(MaxLockLine + 1)).trimmed();
    m_reporter->warning(tr("FOLDER_LOCKED"),
                        tr("FOLDER_LOCKED_BY_ANOTHER").arg(QDir::toNativeSeparators(folder), holder));
    return true;
}

bool DBItemCollection::LockDB(const QString& path)
{
    if (!isStockvane())
        return false;
    // The lock lies beside the database it guards, wherever the last file dialog was.
    const QString lockPath = lockFileIn(QFileInfo(path).absolutePath());
    if (!m_heldLockPath.isEmpty()) {
        if (m_heldLockPath == lockPath && QFile::exists(lockPath))
            return true;
        deleteLockFile();
    }

    QString error;
    if (createLock(lockPath, path, error))
        return true;
    QFileInfo found(lockPath);
    if (found.isSymLink() && !found.exists()) {
        // A link that leads nowhere holds nobody's lock (a folder copied without what the link
        // named): the link goes and the lock is made.
        log(lockPath + QStringLiteral(" DanglingLinkRemoved"), "LockDB()");
        if (QFile::remove(lockPath) && createLock(lockPath, path, error))
            return true;
        found.refresh();
    }
    if (found.exists() || found.isSymLink())
        return lockFoundAt(lockPath, path);

    // Nobody holds the database, but the folder takes no new file (a folder the user may only
    // write the database in): it opens and can be saved, and the user learns that others are
    // not kept out meanwhile.
    log(lockPath + QStringLiteral(" ErrorCreate"), "LockDB()");
    m_reporter->warning(tr("LOCK_NOT_CREATED_TITLE"),
                        tr("LOCK_NOT_CREATED %1 %2").arg(QDir::toNativeSeparators(lockPath), error));
    return false;
}

bool DBItemCollection::createLock(const QString& lockPath, const QString& database, QString& error)
{
    // Created only when it does not exist yet, so that of two programs starting at the same
    // moment only one takes the lock.
    QFile lock(lockPath);
    if (!lock.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        error = lock.errorString();
        return false;
    }
    const QString content = database + QStringLiteral(" Locked by PC: ") + computerName() + QStringLiteral(", User: ")
        + userName() + QStringLiteral(", PID: ") + QString::number(processId());
    const QByteArray bytes = content.toLatin1();
    const bool written = lock.write(bytes) == bytes.size() && lock.flush();
    error = lock.errorString();
    lock.close();
    if (!written) {
        lock.remove();
        return false;
    }
    log(lockPath + QStringLiteral(" Created"), "LockDB()");
    m_readOnly = false;
    m_heldLockPath = lockPath;
    locksOfThisProcess().insert(lockPath);
    return true;
}

void DBItemCollection::readLockHolder(const QString& lockPath)
{
    m_readOnly = true;
    m_lockInfo.clear();
    QFile lock(lockPath);
    if (!lock.open(QIODevice::ReadOnly))
        return;
    QByteArray first = lock.readLine(MaxLockLine + 1);
    while (first.endsWith('\n') || first.endsWith('\r'))
        first.chop(1);
    m_lockInfo = QString::fromLatin1(first);
}

bool DBItemCollection::lockFoundAt(const QString& lockPath, const QString& database)
{
    readLockHolder(lockPath);
    const LockHolder holder = holderOf(m_lockInfo);
    const QString file = QDir::toNativeSeparators(database);

    // A lock this user's program took on this computer: whether it still runs can be told.
    if (holder.named && holder.pid > 0 && holder.computer == computerName() && holder.user == userName()) {
        const bool running = holder.pid == processId() ? locksOfThisProcess().contains(lockPath)
                                                       : runsThisProgram(holder.pid);
        if (running) {
            m_reporter->critical(tr("FILE_ALLREADY_OPEN_WARNING"), tr("DB_OPEN_BY_ANOTHER_USER") + m_lockInfo);
            return false;
        }
        const int answer = m_reporter->ask(tr("STALE_LOCK_TITLE"),
                                           tr("STALE_LOCK_QUESTION %1 %2").arg(file).arg(holder.pid),
                                           {tr("TAKE_OVER_LOCK"), tr("OPEN_READ_ONLY")}, 0, 1);
        return answer == 0 && takeOverLock(lockPath, database);
    }

    // Another user's or computer's lock, or one without a process id: only the user can know
    // that nobody has the database open, and says so twice before it is taken.
    const QString line = m_lockInfo.isEmpty() ? tr("LOCK_HOLDER_UNKNOWN") : m_lockInfo;
    if (m_reporter->ask(tr("FILE_ALLREADY_OPEN_WARNING"), tr("DB_OPEN_BY_ANOTHER_USER") + line,
                        {tr("OPEN_READ_ONLY"), tr("TAKE_OVER_LOCK...")}, 0, 0)
        != 1)
        return false;
    const QString who = holder.named ? tr("LOCK_HOLDER %1 %2").arg(holder.user, holder.computer) : line;
    if (m_reporter->ask(tr("TAKE_OVER_LOCK_TITLE"), tr("TAKE_OVER_LOCK_CONFIRM %1 %2").arg(file, who),
                        {tr("TAKE_OVER_LOCK"), tr("&Fortryd")}, 1, 1)
        != 0)
        return false;
    return takeOverLock(lockPath, database);
}

bool DBItemCollection::takeOverLock(const QString& lockPath, const QString& database)
{
    const QString former = m_lockInfo;
    if (!QFile::remove(lockPath)) {
        m_reporter->critical(QStringLiteral("ERROR"), tr("CAN_NOT_DELETE_LOCK_FILE:") + lockPath);
        return false;
    }
    QString error;
    if (createLock(lockPath, database, error)) {
        log(lockPath + QStringLiteral(" TakenOver ") + former, "LockDB()");
        return true;
    }
    if (!QFileInfo(lockPath).exists()) {
        m_readOnly = false;
        m_reporter->warning(tr("LOCK_NOT_CREATED_TITLE"),
                            tr("LOCK_NOT_CREATED %1 %2").arg(QDir::toNativeSeparators(lockPath), error));
        return false;
    }
    // Another program took the database in the meantime: it keeps it.
    readLockHolder(lockPath);
    m_reporter->critical(tr("FILE_ALLREADY_OPEN_WARNING"), tr("DB_OPEN_BY_ANOTHER_USER") + m_lockInfo);
    return false;
}

void DBItemCollection::deleteLockFile()
{
    // Only a lock this collection created is ever removed: never another user's.
    if (!isStockvane() || m_readOnly || m_heldLockPath.isEmpty())
        return;
    QFile lock(m_heldLockPath);
    if (lock.exists() && !lock.remove()) {
        m_reporter->critical(QStringLiteral("ERROR"), tr("CAN_NOT_DELETE_LOCK_FILE:") + m_heldLockPath);
        return;
    }
    locksOfThisProcess().remove(m_heldLockPath);
    m_heldLockPath.clear();
}
