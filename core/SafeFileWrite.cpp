#include "SafeFileWrite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

} // namespace

QString FileWriteOutcome::note() const
{
    if (!noCopyFolder.isEmpty())
        return tr("SAFE_WRITE_NO_COPY %1").arg(QDir::toNativeSeparators(noCopyFolder));
    if (copy.isEmpty())
        return QString();
    return restored ? tr("SAFE_WRITE_RESTORED %1").arg(QDir::toNativeSeparators(copy))
                    : tr("SAFE_WRITE_NOT_RESTORED %1").arg(QDir::toNativeSeparators(copy));
}

FileWriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    FileWriteOutcome outcome;
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
