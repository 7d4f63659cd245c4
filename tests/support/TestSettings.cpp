#include "TestSettings.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>

TestSettings::TestSettings(ProgramVariant variant)
{
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
