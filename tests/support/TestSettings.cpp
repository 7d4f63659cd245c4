#include "TestSettings.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QSettings>

TestSettings::TestSettings(ProgramVariant variant)
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
    , m_oldDataHome(qgetenv("XDG_DATA_HOME"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    SetProgramVariant(variant);
    QCoreApplication::setApplicationName(GetVariantName());
    clear();
}

TestSettings::~TestSettings()
{
    clear();
    qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    qputenv("XDG_DATA_HOME", m_oldDataHome);
}

QString TestSettings::path() const
{
    return m_dir.path();
}

void TestSettings::setValue(const char* key, const QVariant& value)
{
    openSettings()->setValue(QLatin1StringView(key), value);
}

void TestSettings::clear()
{
    openSettings()->clear();
}

QString sourceFile(const QString& relativePath)
{
    return qEnvironmentVariable("HESTIVA_SOURCE_DIR") + u'/' + relativePath;
}

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(file, target))
            return false;
    }
    return true;
}
