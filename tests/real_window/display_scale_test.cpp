// The program at a display scale of 1.5 on a 1600 x 1000 screen, where the input windows are
// larger than the area of the child windows.

#include "real_program.h"

#include <QApplication>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace {

using AtScale = RealProgram;

TEST_F(AtScale, TheMaximisedInputWindowsScrollToEveryControl)
{
    ASSERT_EQ(main().screen()->geometry().size(), QSize(1600, 1000) / 1.5);
    QWidget& area = *main().mdiArea->viewport();
    // Some position of the scroll bars around the window shows the whole control in the area.
    const auto reachable = [&](FormWindow& window, const QWidget* control) {
        const auto inside = [control](QWidget* outer) {
            return outer->rect().contains(QRect(control->mapTo(outer, QPoint(0, 0)), control->size()));
        };
        QList<QScrollBar*> bars = window.frame()->findChildren<QScrollBar*>();
        bars.removeIf([&](QScrollBar* bar) { return !bar->isVisible() || window.isAncestorOf(bar); });
        for (int at = 0; at < 36; ++at) {
            for (QScrollBar* bar : bars)
                bar->setValue(bar->maximum() * (bar->orientation() == Qt::Vertical ? at % 6 : at / 6) / 5);
            if (inside(window.parentWidget()) && inside(&area))
                return true;
        }
        return false;
    };
    openByDoubleClick(QStringLiteral("KEY1"));
    for (FormWindow* window : {static_cast<FormWindow*>(cocs()), static_cast<FormWindow*>(site())}) {
        if (window == site())
            QTest::mouseClick(cocs()->cmdBack, Qt::LeftButton);
        ASSERT_EQ(window->windowStateCode(), FormWindow::vbMaximized);
        QCoreApplication::processEvents();   // the layout of the window just shown
        const DataGrid* grid = window->findChild<DataGrid*>();
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            // The constituent grid is wider than the area and scrolls its cells itself.
            const bool isControl = control->focusPolicy() != Qt::NoFocus || qobject_cast<const QProgressBar*>(control);
            const bool inGrid = grid && (grid == control || grid->isAncestorOf(control));
            EXPECT_TRUE(!isControl || !control->isVisibleTo(window) || inGrid || reachable(*window, control))
                << qPrintable(control->objectName());
        }
    }
}

}   // namespace
