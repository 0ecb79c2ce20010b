#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own icon, drawn from its SVG: every window's icon and the about window's picture.
QIcon programIcon();
QPixmap programIconPixmap(int sizePx);
