#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class DBItemCollection;

// A copy of a database with unsaved changes, kept in the user's data folder ("recovery" below
// it), so that a program that is killed, crashes or loses power loses at most the changes of
// the last few minutes. The copy is a database file, "<base name>-<short hash of the database's
// full path>.db" ("unnamed-..." for a new database that has no name yet); beside it a sidecar
// "<copy>.info" of UTF-8 lines "key=value" names the database (empty for one without a name),
// the computer, user and process that wrote it and the number of items.
class RecoveryFile
{
public:
    // A copy a start may offer.
    struct Found
    {
        QString file;
        // The database it belongs to; empty for a database that had no name.
        QString database;
        QDateTime written;
        int items = 0;
    };

    RecoveryFile();

    // Writes the copy of the collection for a database (empty: one without a name) without
    // touching the database itself or the order of the items. A copy this object wrote under
    // another name before is removed once the new one is written. False, with the reason in
    // error, when it could not be written.
    bool write(DBItemCollection& collection, const QString& database, QString* error = nullptr);
    // Removes the copy this object wrote or took over.
    void discard();
    // Takes over a copy found at start, as if this object had written it.
    void adopt(const Found& found);
    QString file() const;

    static QString folder();
    static QString fileFor(const QString& database);
    // The copies a start offers: newer than their databases (a database that is gone, or has no
    // name, counts as older), written on this computer, and by a program that no longer runs.
    // The newest first.
    static QList<Found> offers();
    static void remove(const QString& file);

private:
    QString m_file;
    QString m_unnamedFile;
};
