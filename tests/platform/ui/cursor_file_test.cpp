#include "platform/ui/cursor_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray builtPointer()
{
    QFile f(QStringLiteral(TOVI_BINARY_DIR "/cursors/h_point.cur"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}   // namespace

TEST(CursorFile, TheShippedHandPointerReadsWithItsHotSpot)
{
    Result<QCursor> hand = loadCursorFile(QStringLiteral(TOVI_BINARY_DIR "/cursors/h_point.cur"));
    ASSERT_TRUE(hand.ok()) << qPrintable(hand.error().description);
    EXPECT_EQ(hand->shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand->hotSpot(), QPoint(12, 1));
    const QImage picture = hand->pixmap().toImage();
    EXPECT_EQ(qAlpha(picture.pixel(0, 31)), 0) << "the corners are transparent";
    EXPECT_EQ(qAlpha(picture.pixel(12, 10)), 255) << "the finger is drawn";
}

TEST(CursorFile, MissingOrDamagedFilesFail)
{
    QTemporaryDir dir;
    const QByteArray good = builtPointer();
    ASSERT_FALSE(good.isEmpty());
    QByteArray icon = good;
    icon[2] = 1;   // an icon, not a pointer
    QByteArray hotSpotOutside = good;
    hotSpotOutside[10] = char(40);
    const struct {
        const char* name;
        QByteArray bytes;
    } damaged[] = {{"empty", {}},
                   {"header only", good.left(10)},
                   {"icon", icon},
                   {"no picture", good.left(22)},
                   {"hot spot outside", hotSpotOutside}};
    for (const auto& d : damaged) {
        const QString path = QDir(dir.path()).filePath(QString::fromLatin1(d.name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(d.bytes);
        f.close();
        Result<QCursor> read = loadCursorFile(path);
        ASSERT_FALSE(read.ok()) << d.name;
        EXPECT_EQ(read.error().number, kErrFormat) << d.name;
    }
    Result<QCursor> missing = loadCursorFile(QDir(dir.path()).filePath("none.cur"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().number, kErrFile);
}
