#pragma once

#include <QString>

// Makes a folder refuse new files for the life of the object, while the files in it stay
// writable: mode 0555 where the test runs as an ordinary user. Root ignores the mode, so a test
// running as root has every folder refuse new files through the write routine's test switch
// instead.
class LockedFolder
{
public:
    explicit LockedFolder(const QString& path);
    ~LockedFolder();
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    // Whether the folder's mode does the refusing (false: the test switch does).
    bool real() const;

private:
    QString m_path;
    bool m_real;
};
