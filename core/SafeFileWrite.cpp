#include "SafeFileWrite.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <memory>
#include <optional>

namespace {

bool g_newFilesRefused = false;

// A name in the folder that no file has yet: the file's name with the time put before its
// suffix, so that the copy still opens with the program the file opens with.
QString freeCopyName(const QString& folder, const QFileInfo& file)
{
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    const QString base = folder + u'/' + file.completeBaseName() + u'.'
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base + suffix;
    for (int number = 2; QFileInfo::exists(name); ++number)
        name = base + u'-' + QString::number(number) + suffix;
    return name;
}

// Replaces the contents of the file in place, keeping the file itself (and so its owner and
// permissions); false when anything failed.
bool overwrite(QFile& file, const std::function<bool(QIODevice&)>& write)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool written = write(file) && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool copyContents(const QString& from, QIODevice& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
    }
    return source.error() == QFileDevice::NoError;
}

// The former contents of a file, made ready as its kept version but not yet in place: commit()
// puts them there once the new contents are safe; destroyed without it, nothing changes.
class PendingKeptVersion
{
public:
    // Copies the file's present contents beside it, else into the data folder; fails silently
    // (no kept version) when neither can be made.
    explicit PendingKeptVersion(const QString& path)
    {
        if (!QFileInfo(path).isFile())
            return;
        if (!g_newFilesRefused && prepare(path, keptVersionPath(path)))
            return;
        const QString fallback = keptVersionFallbackPath(path);
        if (!fallback.isEmpty() && QDir().mkpath(QFileInfo(fallback).path()))
            prepare(path, fallback);
    }

    // Puts the kept version in place; its path, or empty when that failed.
    QString commit()
    {
        if (!m_file || !m_file->commit())
            return QString();
        return m_file->fileName();
    }

private:
    bool prepare(const QString& path, const QString& keptPath)
    {
        auto file = std::make_unique<QSaveFile>(keptPath);
        if (!file->open(QIODevice::WriteOnly) || !copyContents(path, *file)) {
            file->cancelWriting();
            return false;
        }
        m_file = std::move(file);
        return true;
    }

    std::unique_ptr<QSaveFile> m_file;
};

} // namespace

QString keptVersionPath(const QString& path)
{
    return path + u'~';
}

QString keptVersionFallbackPath(const QString& path)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty())
        return QString();
    const QFileInfo file(path);
    const QByteArray folderHash
        = QCryptographicHash::hash(file.absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return data + QStringLiteral("/kept/") + QString::fromLatin1(folderHash) + u'/' + file.fileName() + u'~';
}

QString FileWriteOutcome::note() const
{
    if (!noCopyFolder.isEmpty())
        return tr("SAFE_WRITE_NO_COPY %1").arg(QDir::toNativeSeparators(noCopyFolder));
    if (copy.isEmpty())
        return QString();
    return restored ? tr("SAFE_WRITE_RESTORED %1").arg(QDir::toNativeSeparators(copy))
                    : tr("SAFE_WRITE_NOT_RESTORED %1").arg(QDir::toNativeSeparators(copy));
}

FileWriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                                 bool keepPrevious)
{
    FileWriteOutcome outcome;
    // Made before anything is written, put in place only after the new contents are.
    std::optional<PendingKeptVersion> kept;
    if (keepPrevious)
        kept.emplace(path);
    {
        QSaveFile file(path);
        if (!g_newFilesRefused && file.open(QIODevice::WriteOnly)) {
            if (!write(file)) {
                outcome.error = file.errorString();
                file.cancelWriting();
                return outcome;
            }
            outcome.written = file.commit();
            if (!outcome.written)
                outcome.error = file.errorString();
            else if (kept)
                outcome.kept = kept->commit();
            return outcome;
        }
        outcome.error = g_newFilesRefused ? QStringLiteral("New files refused") : file.errorString();
    }

    // No temporary file could be made beside it. A file the user may write is written in place,
    // but only once a copy of it is safe in the user's data folder.
    const QFileInfo target(path);
    if (!target.isFile() || !target.isWritable())
        return outcome;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString copy = folder.isEmpty() ? QString() : freeCopyName(folder, target);
    if (copy.isEmpty() || !QDir().mkpath(folder) || !QFile::copy(path, copy)) {
        outcome.noCopyFolder = folder.isEmpty() ? QDir::homePath() : folder;
        return outcome;
    }

    QFile file(path);
    if (overwrite(file, write)) {
        QFile::remove(copy);
        outcome.written = true;
        outcome.error.clear();
        if (kept)
            outcome.kept = kept->commit();
        return outcome;
    }
    outcome.error = file.errorString();
    outcome.copy = copy;
    QFile back(path);
    outcome.restored = overwrite(back, [&copy](QIODevice& device) { return copyContents(copy, device); });
    return outcome;
}

void setNewFilesRefusedForTesting(bool refused)
{
    g_newFilesRefused = refused;
}
