#include "ui/main/program_icon.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap programIconPixmap(int sizePx)
{
    QPixmap pixmap(sizePx, sizePx);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/tovi_icon.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(programIconPixmap(size));
    return icon;
}
