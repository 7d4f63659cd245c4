#pragma once

#include <QString>

// Who runs this program, where and as which process, and whether another process is this
// program: what a lock file or a recovery copy records of its writer, so that a later start can
// tell a writer that still runs from one that was killed or crashed.
namespace ProcessIdentity {

// The computer's host name; "UserName not found" when it cannot be told, the text the lock
// file has always shown in place of a name.
QString computerName();
// The user's login name; "UserName not found" when it cannot be told.
QString userName();
qint64 processId();

// Whether the process with this id runs this program (the same executable file name, or started
// under the same name). False when there is no such process or it runs another program (an id
// the system has given out again); true as well when it cannot be told (a process that is
// ending, a system without /proc), so that nothing is taken from a program that may still run.
bool runsThisProgram(qint64 pid);

} // namespace ProcessIdentity
