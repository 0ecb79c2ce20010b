#include "platform/db/file_access.h"

#include <unistd.h>

bool isWritable(const QFileInfo& info)
{
    if (!info.isWritable())
        return false;
    return ::geteuid() != 0 || (info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}
