#include "platform/ui/geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
constexpr const char* kPointerProperty = "toviMousePointer";
// What a window manager adds around a window: borders and a title bar.
constexpr QSize kDecoration(16, 48);

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}
}   // namespace

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
    widget->setProperty(kPointerProperty, pointer);
    switch (pointer) {
    case vbHourglass:
        widget->setCursor(Qt::WaitCursor);
        break;
    case vbArrow:
        widget->setCursor(Qt::ArrowCursor);
        break;
    default:
        widget->unsetCursor();
        break;
    }
}

int mousePointer(const QWidget* widget)
{
    return widget ? widget->property(kPointerProperty).toInt() : vbDefault;
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

QSize sizeOnScreen(const QScreen* screen, QSize wanted)
{
    return screen ? wanted.boundedTo(screen->availableGeometry().size() - kDecoration) : wanted;
}

void centreOnScreen(QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen();
    const QSize size = sizeOnScreen(screen, wanted);
    window->resize(size);
    if (screen) {
        const QRect free = screen->availableGeometry();
        const QSize margin = free.size() - size - kDecoration;
        window->move(free.topLeft() + QPoint(margin.width() / 2, margin.height() / 2));
    }
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

void placeTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}
