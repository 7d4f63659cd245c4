#pragma once

#include "ProgramVariant.h"

#include <QTemporaryDir>

// Points the settings store at a temporary folder for the life of the object and names the
// application as the product would, so tests never touch the user's settings.
class TestSettings
{
public:
    explicit TestSettings(ProgramVariant variant = ProgramVariant::Domvara);
    ~TestSettings();

    QString path() const;
    void setValue(const char* key, const QVariant& value);
    void clear();

private:
    QTemporaryDir m_dir;
};

// A file below the source tree (tests/data/...).
QString sourceFile(const QString& relativePath);
