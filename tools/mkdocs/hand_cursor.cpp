#include "hand_cursor.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kSize = 32;
}

QImage handPointerPicture()
{
    QImage picture(kSize, kSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    // The raised index finger, three folded fingers, the thumb and the palm below them.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 1, 5, 17), 2.5, 2.5);
    hand.addRoundedRect(QRectF(14.5, 10, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(18.5, 11, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(22.5, 12.5, 4.5, 8.5), 2.2, 2.2);
    QPainterPath thumb;
    thumb.moveTo(10.5, 16);
    thumb.lineTo(6, 13.5);
    thumb.quadTo(3, 13, 3.5, 16.5);
    thumb.lineTo(10, 24);
    thumb.closeSubpath();
    hand.addPath(thumb);
    hand.addRoundedRect(QRectF(9, 16, 18, 14), 4, 4);
    hand = hand.simplified();

    p.setPen(QPen(Qt::black, 1.3));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9));
    for (qreal x : {14.5, 18.5, 22.5})
        p.drawLine(QPointF(x + 0.2, 15.5), QPointF(x + 0.2, 19.5));
    return picture;
}

QPoint handPointerHotSpot()
{
    return {12, 1};
}

QByteArray cursorFileBytes(const QImage& picture, QPoint hotSpot)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 imageBytes = quint32(40 + w * h * 4 + maskStride * h);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(2) << quint16(1);
    out << quint8(w) << quint8(h) << quint8(0) << quint8(0) << quint16(hotSpot.x()) << quint16(hotSpot.y())
        << imageBytes << quint32(6 + 16);
    // The bitmap header counts the picture and its mask as one image of twice the height.
    out << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(32) << quint32(0)
        << quint32(imageBytes - 40) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(mask.constData(), mask.size());
    }
    return bytes;
}
