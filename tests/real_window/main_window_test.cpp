// The main window with the keyboard, and its size on a 1280 x 800 screen.

#include "real_program.h"

#include "platform/ui/forms.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>

namespace {

QStringList g_written;
const QtMessageHandler record = [](QtMsgType, const QMessageLogContext&, const QString& text) { g_written << text; };
void wheelDown(QWidget* control)
{
    QWheelEvent notch(QPointF(), control->mapToGlobal(QPointF()), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&notch);
    QApplication::instance()->notify(control, &notch);
}

TEST_F(RealProgram, TheTreeWorksFromTheKeyboard)
{
    KeyedTree& tree = *main().trvAnalysis;
    tree.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(waitForFocus(&tree));
    EXPECT_FALSE(main().cmdOpen->isEnabled()) << "the focus alone highlights nothing";

    // The arrow keys and a typed letter move the highlight as a click does.
    pressKey(Qt::Key_Down);
    ASSERT_TRUE(tree.currentItem() && tree.currentItem()->isSelected());
    for (QWidget* command : {main().cmdOpen, main().cmdCopy, main().cmdDelete, main().cmdExport})
        EXPECT_TRUE(command->isEnabled()) << qPrintable(command->objectName());
    typeKeys(QStringLiteral("F"));
    EXPECT_EQ(KeyedTree::keyOf(tree.currentItem()), "KEY2");

    // Enter opens the highlighted analysis, as a double click does.
    pressKey(Qt::Key_Return);
    EXPECT_EQ(db.state.gCurSiteKey, 2);
    ASSERT_TRUE(cocs());

    // After Delete nothing looks chosen while every command that needs it is off.
    QTest::mouseClick(main().cmdClose, Qt::LeftButton);
    tree.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(waitForFocus(&tree));
    pressKey(Qt::Key_Home);
    messages->expect(QStringLiteral("Confirm Delete"), vbYes);
    QTest::mouseClick(main().cmdDelete, Qt::LeftButton);
    EXPECT_EQ(tree.node(QStringLiteral("KEY1")), nullptr);
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    EXPECT_FALSE(main().cmdOpen->isEnabled());
}

TEST_F(RealProgram, AltWithALetterThatCaptionsShareOpensTheFirstEnabledMenuEveryTime)
{
    // A window opened instead (the legend is modal) fails the test and is closed.
    QTimer modal;
    modal.callOnTimeout([] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            ADD_FAILURE() << qPrintable(window->windowTitle()) << " opened";
            window->close();
        }
    });
    modal.start(20);
    for (const auto& [letter, menu] :
         {std::pair{Qt::Key_F, main().mnuFile}, std::pair{Qt::Key_A, main().mnuAnalysis}}) {
        for (int press = 1; press <= 4; ++press) {
            pressKey(letter, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; }))
                << qPrintable(menu->objectName()) << " at press " << press;
            QTest::keyClick(menu, Qt::Key_Escape);
            ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
        }
    }
}

TEST_F(RealProgram, ChildWindowsCloseAndTakeTurnsFromTheKeyboard)
{
    openByDoubleClick(QStringLiteral("KEY1"));
    QMdiArea& area = *main().mdiArea;
    ASSERT_EQ(area.activeSubWindow(), cocs()->frame());
    DataGrid& grid = *cocs()->grdSiteCOCs;
    click(grid.viewport(), grid.visualRect(grid.grid().index(0, 2)).center());
    ASSERT_TRUE(waitForFocus(&grid));

    main().mnuShowCOCs->trigger();   // next and previous by either key; Shift+Tab comes as Backtab
    const QList<QMdiSubWindow*> order = area.subWindowList();
    for (const auto& [key, step] :
         {std::pair{Qt::Key_Tab, 1}, {Qt::Key_F6, 1}, {Qt::Key_Backtab, 2}, {Qt::Key_F6, 2}, {Qt::Key_Backtab, 2}}) {
        QMdiSubWindow* from = area.activeSubWindow();
        QMdiSubWindow* target = order[(order.indexOf(from) + step) % 3];
        FormWindow::inFrame(target)->setWindowStateCode(FormWindow::vbMinimized);   // comes back when reached
        area.setActiveSubWindow(from);
        pressKey(key, step == 1 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(area.activeSubWindow() == target && !target->isMinimized()) << key << " " << step;
    }

    // Ctrl+F4 is the close button: the window's own question comes, and No keeps it.
    messages->expect(QStringLiteral("Close Analysis"), vbNo);
    pressKey(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(cocs() && cocs()->isVisible());
    messages->expect(QStringLiteral("Close Analysis"), vbYes);
    pressKey(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(db.state.gCurSiteKey, 0);
    EXPECT_EQ(cocs(), nullptr);

    pressKey(Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(main().isVisible());
}

TEST_F(RealProgram, EnterPressesTheFocusedButtonAndTheWheelAndCtrlTabActOnlyOnWhatTheUserSees)
{
    const QtMessageHandler handler = qInstallMessageHandler(record);
    openByDoubleClick(QStringLiteral("KEY1"));
    // Back to steps 1 to 3, and on to steps 4 and 5 again.
    for (const auto& [button, next] : {std::pair<QPushButton*, FormWindow*>{cocs()->cmdBack, site()},
                                       std::pair<QPushButton*, FormWindow*>{site()->cmdNext, cocs()}}) {
        button->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(waitForFocus(button));
        pressKey(Qt::Key_Return);
        EXPECT_TRUE(next->isVisible()) << qPrintable(button->objectName());
        EXPECT_EQ(main().mdiArea->activeSubWindow(), next->frame());
    }
    QTest::mouseClick(main().cmdClose, Qt::LeftButton);
    main().cmdNew->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(waitForFocus(main().cmdNew));
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(site() && site()->isVisible());
    main().resize(900, 560);
    QScrollBar* bar = static_cast<QScrollArea*>(site()->parentWidget()->parentWidget())->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->maximum() > 0; }));
    bar->setValue(0);
    wheelDown(site()->cmbVolumeUnits);
    EXPECT_TRUE(site()->cmbVolumeUnits->currentIndex() == 0 && bar->value() > 0);
    site()->cmbVolumeUnits->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(waitForFocus(site()->cmbVolumeUnits));
    wheelDown(site()->cmbVolumeUnits);
    site()->txtFileName->setText(QStringLiteral("Slag"));
    site()->txtVolume->setText(QStringLiteral("500"));
    QTest::mouseClick(site()->cmdUpdateSiteInfo, Qt::LeftButton);
    EXPECT_EQ(storedValue(QStringLiteral("SELECT MAX(WVOLUNIT) FROM WMUINFO")), 1);
    main().mnuSiteInfo->trigger();   // hidden while maximised
    QTest::mouseClick(site()->cmdNext, Qt::LeftButton);
    click(cocs()->grdSiteCOCs->viewport(), {20, 10});
    pressKey(Qt::Key_Tab);
    main().mnuShowCOCs->trigger();
    main().mnuDelistingLevel->trigger();
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_F6, Qt::Key_Tab, Qt::Key_F6})
        pressKey(key, Qt::ControlModifier);
    main().mnuCloseResults->trigger();
    EXPECT_TRUE(site()->frame()->isHidden());
    qInstallMessageHandler(handler);
    EXPECT_EQ(g_written, QStringList()) << "written to standard error";
}

TEST_F(RealProgram, OnA1280By800ScreenTheAnalysisWindowShowsWholeAndChildrenOutsideScrollIntoView)
{
    const QRect free = main().screen()->availableGeometry();
    ASSERT_EQ(main().screen()->size(), QSize(1280, 800));
    EXPECT_TRUE(free.contains(main().frameGeometry())) << "never larger than the screen";

    openByDoubleClick(QStringLiteral("KEY1"));
    QTest::mouseClick(cocs()->cmdBack, Qt::LeftButton);
    ASSERT_TRUE(site()->isVisible());
    ASSERT_EQ(site()->windowStateCode(), FormWindow::vbMaximized);
    QWidget& area = *main().mdiArea->viewport();
    for (const QWidget* control : site()->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->parentWidget() != site())
            continue;
        const QRect shown(control->mapTo(&area, QPoint(0, 0)), control->size());
        EXPECT_TRUE(area.rect().contains(shown)) << qPrintable(control->objectName()) << " is cut off";
    }

    // A child window placed beyond the area's right edge gives the area a scroll bar.
    site()->setWindowStateCode(FormWindow::vbNormal);
    site()->frame()->move(area.width() - 100, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return main().mdiArea->horizontalScrollBar()->isVisible(); }));

    // In a smaller main window the maximised window fills the area and scrolls its controls.
    site()->frame()->move(0, 0);
    site()->setWindowStateCode(FormWindow::vbMaximized);
    main().resize(900, 560);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return site()->frame()->size() == area.size() && site()->width() > area.width(); }));
}

}   // namespace
