#include "LockedFolder.h"

#include "SafeFileWrite.h"

#include <QFile>

#include <unistd.h>

LockedFolder::LockedFolder(const QString& path)
    : m_path(path)
    , m_real(geteuid() != 0)
{
    if (m_real)
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                          | QFile::ReadOther | QFile::ExeOther);
    else
        setNewFilesRefusedForTesting(true);
}

LockedFolder::~LockedFolder()
{
    if (m_real)
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    else
        setNewFilesRefusedForTesting(false);
}

bool LockedFolder::real() const
{
    return m_real;
}
