// The program at a display scale of 1.5 on a 1600 x 1000 screen, where the input windows are
// larger than the area of the child windows and the help window than the screen.

#include "real_program.h"

#include "ui/main/frmHelp.h"
#include "ui/modal_script.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

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

TEST_F(AtScale, TheHelpOpensWhollyOnTheScreenOverAModalDialogTooAndEscapeClosesIt)
{
    ASSERT_TRUE(QDir(db.folder()).mkpath(QStringLiteral("Help")));
    QFile page(QDir(db.folder()).filePath(QStringLiteral("Help/index.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly) && page.write("<h1>TOVI Help</h1>") > 0);
    page.close();
    const auto help = [] { return Forms::find(QStringLiteral("frmHelp")); };
    // F1 in a window and Escape in the help, as the window system delivers them.
    const auto opensAndCloses = [&](QWidget& from) {
        QTest::keyClick(from.windowHandle(), Qt::Key_F1);
        if (!help() || !QTest::qWaitForWindowActive(help()))
            return false;
        QWidget& window = *help();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().top() < window.geometry().top(); }));
        EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        return QTest::qWaitFor([&] { return help() == nullptr; });
    };
    EXPECT_TRUE(opensAndCloses(main())) << "from the main window";
    ModalScript about;
    about.expect(QStringLiteral("frmAbout"), [&](QDialog* dialog) {
        EXPECT_TRUE(opensAndCloses(*dialog)) << "from the about window";
        dialog->accept();
    });
    main().menuBar()->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_EQ(about.ran(), 1);
}

}   // namespace
