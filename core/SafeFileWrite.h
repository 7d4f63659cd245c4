#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QIODevice;

// How writeFileSafely() went.
struct FileWriteOutcome
{
    Q_DECLARE_TR_FUNCTIONS(FileWriteOutcome)

public:
    bool written = false;
    // Why the file was not written, in the system's words.
    QString error;
    // Where the copy of the former file is kept after a failed write in place.
    QString copy;
    // After a failed write in place: whether the former contents were put back.
    bool restored = false;
    // The data folder where no copy could be made, so that the file was not written in place.
    QString noCopyFolder;
    // Where the former contents now lie when the write was asked to keep them; empty when there
    // was no former file or keeping it failed (the file itself was written all the same).
    QString kept;

    explicit operator bool() const { return written; }
    // What a failure message adds for the user: where the former contents are. Empty when the
    // failure left nothing to look for.
    QString note() const;
};

// Writes a file so that a failure never leaves it damaged. The contents go to a temporary file
// beside it, which takes its place only once write() succeeded and everything reached the disk.
// Where the folder allows no new files but the file itself may be written, a copy of the file
// is first put into the user's data folder and the file is then written in place; when that
// fails, the copy is put back (and kept, in case putting it back failed too). The copy of a
// write that succeeded is removed again.
//
// With keepPrevious the former contents of a file that exists are kept as a version of their
// own: beside the file as "name~" (home.db~), or, where the folder allows no new files, as
// keptVersionFallbackPath() in the user's data folder. The kept version is replaced only once
// the new contents are safely written: a write that fails leaves it as it was.
FileWriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                                 bool keepPrevious = false);

// The kept version of a file beside it: the file's name with "~" added.
QString keptVersionPath(const QString& path);
// The kept version of a file in a folder that allows no new files: "kept" in the user's data
// folder, in a folder named after a hash of the file's folder, so that databases of the same
// name in different folders keep their own versions.
QString keptVersionFallbackPath(const QString& path);

// Makes every folder refuse new files, as a locked-down folder does, for tests: a test running
// as root could not show it otherwise.
void setNewFilesRefusedForTesting(bool refused);
