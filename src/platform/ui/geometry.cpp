#include "platform/ui/geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}
} // namespace

int twipsToPx(double twips)
{
    return int(std::lround(twips * logicalDpi() / 1440.0));
}

double pxToTwips(int px)
{
    return px * 1440.0 / logicalDpi();
}

QColor colorFromBgr(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void setMousePointer(QWidget* widget, int pointer)
{
    if (!widget)
        return;
    switch (pointer) {
    case vbHourglass: widget->setCursor(Qt::WaitCursor); break;
    case vbArrow: widget->setCursor(Qt::ArrowCursor); break;
    default: widget->unsetCursor(); break;
    }
}

int mousePointer(const QWidget* widget)
{
    if (!widget || !widget->testAttribute(Qt::WA_SetCursor))
        return vbDefault;
    return widget->cursor().shape() == Qt::WaitCursor ? vbHourglass : vbArrow;
}

PointerGuard::PointerGuard(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets) {
        m_widgets.emplace_back(w);
        setMousePointer(w, vbHourglass);
    }
}

PointerGuard::~PointerGuard()
{
    for (const QPointer<QWidget>& w : m_widgets)
        setMousePointer(w.data(), vbArrow);
}

int SetFormTopmost(QWidget* window, bool topmost)
{
    if (!window)
        return 0;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible)
        window->show();
    return topmost ? 1 : 0;
}
