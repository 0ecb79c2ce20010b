#include "data/file_bytes.h"
#include "file_test_support.h"

#include <QTemporaryDir>

TEST(FileBytes, ReadsNoMoreThanTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    writeFile(path, "abcdef");
    EXPECT_EQ(readFileBytes(path, 6, LongerFile::Refuse).value(), "abcdef");
    EXPECT_EQ(readFileBytes(path, 5, LongerFile::Refuse).error().number, kErrFormat);
    EXPECT_EQ(readFileBytes(path, 5, LongerFile::ReadFirstBytes).value(), "abcde");
    EXPECT_EQ(readFileBytes(dir.filePath("none"), 5, LongerFile::Refuse).error().number, kErrFile);

    // A device that never ends.
    EXPECT_EQ(readFileBytes("/dev/zero", 1 << 20, LongerFile::Refuse).error().number, kErrFormat);
    EXPECT_EQ(readFileBytes("/dev/zero", 1 << 20, LongerFile::ReadFirstBytes).value().size(), 1 << 20);
}
