#include "platform/db/file_access.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

bool isWritable(const QFileInfo& info)
{
    if (!info.isWritable())
        return false;
    return ::geteuid() != 0 || (info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

std::optional<FileIdentity> fileIdentity(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}
