#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

class QScreen;

// Window geometry is kept in twips (1440 to the logical inch: 15 to a pixel at 96 dpi).
int twipsToPx(double twips);
double pxToTwips(int px);

// A colour value stored as blue-green-red bytes (0xBBGGRR).
QColor colorFromBgr(int value);

// Mouse pointers by the values the program uses: 0 default, 1 arrow, 11 hourglass.
enum MousePointer : int { vbDefault = 0, vbArrow = 1, vbHourglass = 11 };
void setMousePointer(QWidget* widget, int pointer);
int mousePointer(const QWidget* widget);

// Sets the hourglass on the given windows and restores the arrow on every way out.
class PointerGuard {
public:
    PointerGuard(std::initializer_list<QWidget*> widgets);
    ~PointerGuard();
    PointerGuard(const PointerGuard&) = delete;
    PointerGuard& operator=(const PointerGuard&) = delete;

private:
    std::vector<QPointer<QWidget>> m_widgets;
};

// The size up to `wanted` at which a window with the frame that a window manager adds fits the
// free area of `screen`.
QSize sizeOnScreen(const QScreen* screen, QSize wanted);
// Gives a window that size on its screen and puts it with its frame in the middle of the free area.
void centreOnScreen(QWidget* window, QSize wanted);

// Keeps a window above all others (or not); returns 1 when asked to keep it on top, else 0.
int SetFormTopmost(QWidget* window, bool topmost);

// Places a control inside its window, in twips.
void placeTwips(QWidget* widget, double left, double top, double width, double height);
