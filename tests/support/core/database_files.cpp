#include "core/database_files.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const char* const kSuffixes[] = {"", "-wal", "-shm", "-journal"};

}   // namespace

DatabaseFiles databaseFiles(const QString& path)
{
    DatabaseFiles there;
    for (const char* suffix : kSuffixes) {
        QFile f(path + QLatin1String(suffix));
        if (f.open(QIODevice::ReadOnly))
            there.insert(QLatin1String(suffix), f.readAll());
    }
    return there;
}

void putBack(const QString& path, const DatabaseFiles& files)
{
    for (const char* suffix : kSuffixes)
        QFile::remove(path + QLatin1String(suffix));
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile f(path + it.key());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(it.value()), it.value().size());
    }
}
