#include "RecoveryFile.h"

#include "DBItemCollection.h"
#include "ProcessIdentity.h"
#include "SafeFileWrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString InfoSuffix = QStringLiteral(".info");
// A sidecar is a few short lines; anything longer is not one.
constexpr qint64 MaxInfoSize = 64 * 1024;

QString absolute(const QString& database)
{
    return database.isEmpty() ? QString() : QFileInfo(database).absoluteFilePath();
}

QHash<QString, QString> readInfo(const QString& file)
{
    QHash<QString, QString> values;
    QFile info(file + InfoSuffix);
    if (!info.open(QIODevice::ReadOnly) || info.size() > MaxInfoSize)
        return values;
    for (const QByteArray& line : info.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    return values;
}

} // namespace

RecoveryFile::RecoveryFile()
    : m_unnamedFile(folder() + QStringLiteral("unnamed-%1-%2.db")
                                   .arg(ProcessIdentity::processId())
                                   .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36))
{
}

QString RecoveryFile::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery/");
}

QString RecoveryFile::fileFor(const QString& database)
{
    const QString path = absolute(database);
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return folder() + QFileInfo(path).completeBaseName() + u'-' + QString::fromLatin1(hash) + QStringLiteral(".db");
}

QString RecoveryFile::file() const
{
    return m_file;
}

bool RecoveryFile::write(DBItemCollection& collection, const QString& database, QString* error)
{
    const QString target = database.isEmpty() ? m_unnamedFile : fileFor(database);
    QString reason;
    bool written = QDir().mkpath(folder());
    if (!written) {
        reason = QStringLiteral("Cannot create ") + folder();
    } else {
        const FileWriteOutcome copy
            = writeFileSafely(target, [&collection](QIODevice& device) { return collection.writeDatabase(device, false); });
        const QByteArray info = "database=" + absolute(database).toUtf8() + "\ncomputer="
            + ProcessIdentity::computerName().toUtf8() + "\nuser=" + ProcessIdentity::userName().toUtf8()
            + "\nprocess=" + QByteArray::number(ProcessIdentity::processId())
            + "\nitems=" + QByteArray::number(collection.count()) + "\n";
        const FileWriteOutcome sidecar = copy ? writeFileSafely(target + InfoSuffix, [&info](QIODevice& device) {
            return device.write(info) == info.size();
        })
                                              : FileWriteOutcome();
        written = copy && sidecar;
        reason = copy ? sidecar.error : copy.error;
    }
    if (!written) {
        if (error)
            *error = reason;
        return false;
    }
    if (!m_file.isEmpty() && m_file != target)
        remove(m_file);
    m_file = target;
    return true;
}

void RecoveryFile::discard()
{
    if (m_file.isEmpty())
        return;
    remove(m_file);
    m_file.clear();
}

void RecoveryFile::adopt(const Found& found)
{
    m_file = found.file;
    if (found.database.isEmpty())
        m_unnamedFile = found.file;
}

void RecoveryFile::remove(const QString& file)
{
    QFile::remove(file);
    QFile::remove(file + InfoSuffix);
}

QList<RecoveryFile::Found> RecoveryFile::offers()
{
    QList<Found> found;
    const QDir dir(folder());
    for (const QFileInfo& copy : dir.entryInfoList({QStringLiteral("*.db")}, QDir::Files)) {
        // Without its sidecar a copy cannot be told apart from any other file there.
        const QHash<QString, QString> info = readInfo(copy.filePath());
        if (!info.contains(QStringLiteral("database")))
            continue;
        // A copy written on another computer (a home folder shared between computers) is
        // offered there, where it can be told whether its writer still runs.
        if (info.value(QStringLiteral("computer")) != ProcessIdentity::computerName())
            continue;
        const qint64 writer = info.value(QStringLiteral("process")).toLongLong();
        if (writer != ProcessIdentity::processId() && ProcessIdentity::runsThisProgram(writer))
            continue;
        Found offer{copy.filePath(), info.value(QStringLiteral("database")), copy.lastModified(),
                    info.value(QStringLiteral("items")).toInt()};
        const QFileInfo database(offer.database);
        if (!offer.database.isEmpty() && database.exists() && database.lastModified() >= offer.written)
            continue;
        found.append(offer);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.written > b.written; });
    return found;
}
