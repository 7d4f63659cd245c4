// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoDatabase.h"

#include "DataPaths.h"
#include "Settings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

namespace {

const QByteArrayList Languages = {"dk", "no", "en"};

// The demo's folder name: "DemoDBStd" for "db/DemoDBStd/".
QString demoFolderName(ProgramVariant variant)
{
    return QDir(demoDatabaseDir(variant)).dirName();
}

QString demoFileName(ProgramVariant variant, const QByteArray& language)
{
    return QFileInfo(demoDatabaseFile(variant, language)).fileName();
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Copies a file the user may then change: readable and writable by its owner, whatever the
// installed file's permissions were.
bool copyFile(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.copy(to)) {
        setError(error, to + QStringLiteral(": ") + source.errorString());
        return false;
    }
    QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                              | QFileDevice::ReadOther);
    return true;
}

bool writeRelinkedDatabase(const QString& from, const QString& to, const QString& demoDir, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        setError(error, from + QStringLiteral(": ") + source.errorString());
        return false;
    }
    const QByteArray database = relinkDemoDatabase(source.readAll(), demoDir);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly) || target.write(database) != database.size() || !target.commit()) {
        setError(error, to + QStringLiteral(": ") + target.errorString());
        return false;
    }
    return true;
}

} // namespace

QString userDemoDatabaseDir(ProgramVariant variant)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quorvane/")
        + variantName(variant) + u'/' + demoFolderName(variant);
}

QString userDemoDatabaseFile(ProgramVariant variant, const QByteArray& language)
{
    return userDemoDatabaseDir(variant) + u'/' + demoFileName(variant, language);
}

QByteArray relinkDemoDatabase(const QByteArray& database, const QString& demoDir)
{
    // Fields are separated by ";", which no value can hold (it is saved as ","), so a link is a
    // field that starts with the demo folder.
    const QByteArray prefix = demoDir.toLatin1();
    QByteArray result;
    result.reserve(database.size());
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i <= database.size(); ++i) {
        const bool end = i == database.size();
        const char c = end ? '\0' : database.at(i);
        if (!end && c != ';' && c != '\n')
            continue;
        QByteArrayView field(database.constData() + fieldStart, i - fieldStart);
        if (field.startsWith(prefix))
            field = field.sliced(prefix.size());
        result.append(field);
        if (!end)
            result.append(c);
        fieldStart = i + 1;
    }
    return result;
}

bool copyDemoDatabase(ProgramVariant variant, const QByteArray& language, QString* error)
{
    const QString source = dataPath(demoDatabaseDir(variant));
    const QString target = userDemoDatabaseDir(variant);
    const QString database = demoFileName(variant, language);
    if (!QFileInfo(source + database).isFile()) {
        setError(error, QStringLiteral("%1: not found").arg(source + database));
        return false;
    }
    if (!QDir().mkpath(target)) {
        setError(error, QStringLiteral("%1: cannot be created").arg(target));
        return false;
    }

    QSet<QString> otherDatabases;
    for (const QByteArray& other : Languages) {
        if (other != language)
            otherDatabases.insert(demoFileName(variant, other));
    }
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = QDir(source).relativeFilePath(from);
        // What a program writes beside a database is not installation data.
        if (otherDatabases.contains(relative) || files.fileName() == u"LockFile.txt" || files.fileName() == u"log.xml")
            continue;
        const QString to = target + u'/' + relative;
        if (QFileInfo::exists(to))
            continue;
        if (!QDir().mkpath(QFileInfo(to).path())) {
            setError(error, QStringLiteral("%1: cannot be created").arg(QFileInfo(to).path()));
            return false;
        }
        const bool copied = relative == database ? writeRelinkedDatabase(from, to, demoDatabaseDir(variant), error)
                                                 : copyFile(from, to, error);
        if (!copied)
            return false;
    }
    return true;
}

QString userDatabaseFor(const QString& chosen, QString* error)
{
    if (!isInDataDir(chosen))
        return chosen;
    const ProgramVariant variant = GetProgramVariant();
    const QFileInfo file(chosen);
    if (file.absoluteDir() != QDir(dataPath(demoDatabaseDir(variant))))
        return chosen;
    for (const QByteArray& language : Languages) {
        if (file.fileName() == demoFileName(variant, language))
            return copyDemoDatabase(variant, language, error) ? userDemoDatabaseFile(variant, language) : QString();
    }
    return chosen;
}

bool prepareStartDatabase(QString* error)
{
    const auto settings = openSettings();
    const ProgramVariant variant = GetProgramVariant();
    const QByteArray language = GetLanguage();
    const QString copy = userDemoDatabaseFile(variant, language);
    const QString stored = settings->value(Setting::LastSavedDBFile).toString();
    // A relative name is how the demo was named when the program ran in its data folder.
    const bool demo = !settings->contains(Setting::LastSavedDBFile) || stored == copy
        || (!stored.isEmpty() && (QDir::isRelativePath(stored) || isInDataDir(stored)));
    if (!demo)
        return true;
    const bool copied = copyDemoDatabase(variant, language, error);
    // Even when the copy failed the installed demo is not opened: the program would write its
    // log and lock file beside it. The start then reports the missing database.
    settings->setValue(Setting::LastSavedDBFile, copy);
    settings->setValue(Setting::LastDBDir, userDemoDatabaseDir(variant));
    return copied;
}
