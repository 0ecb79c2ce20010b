#include "platform/ui/cursor_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr quint16 kCursorType = 2;

quint16 word(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

}   // namespace

Result<QCursor> loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{kErrFile, QStringLiteral("File not found: ") + path};
    QByteArray bytes = file.readAll();
    const Error damaged{kErrFormat, QStringLiteral("Invalid pointer file: ") + path};
    if (bytes.size() < kHeaderSize + kEntrySize || word(bytes, 0) != 0 || word(bytes, 2) != kCursorType
        || word(bytes, 4) == 0)
        return damaged;
    const QPoint hotSpot(word(bytes, kHeaderSize + 4), word(bytes, kHeaderSize + 6));

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    const QImage picture = reader.read();
    if (picture.isNull() || !QRect(QPoint(0, 0), picture.size()).contains(hotSpot))
        return damaged;
    return QCursor(QPixmap::fromImage(picture), hotSpot.x(), hotSpot.y());
}
