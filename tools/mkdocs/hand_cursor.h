#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

// The hand pointer of the document labels: a pointing hand, 32 by 32 pixels, hot spot at the
// tip of the finger.
QImage handPointerPicture();
QPoint handPointerHotSpot();

// A pointer file of one 32-bit picture: the icon file layout with type 2 and the hot spot in the
// directory entry, the picture as a bottom-up bitmap followed by its transparency mask.
QByteArray cursorFileBytes(const QImage& picture, QPoint hotSpot);
