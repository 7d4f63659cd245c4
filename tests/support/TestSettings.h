#pragma once

#include "ProgramVariant.h"

#include <QTemporaryDir>

// Points the settings store, and the user's configuration and data folders (XDG_CONFIG_HOME,
// XDG_DATA_HOME: the label set-up, the copied demo database), at a temporary folder for the life
// of the object and names the application as the product would, so tests never touch the user's
// settings or files.
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
    QByteArray m_oldConfigHome;
    QByteArray m_oldDataHome;
};

// A file below the source tree (tests/data/...).
QString sourceFile(const QString& relativePath);

// Copies every file below from into the same place below to (a copy of the program's data, so
// that a test writes nothing into the tree).
bool copyTree(const QString& from, const QString& to);
