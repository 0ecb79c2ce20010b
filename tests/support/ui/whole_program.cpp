#include "ui/whole_program.h"

#include "app/program_wiring.h"
#include "app/startup.h"
#include "data/program_state.h"
#include "ui/common/ui_state.h"
#include "ui/input/site_window_services.h"
#include "ui/main/main_window_services.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

QPointer<frmMain> startWholeProgram(ProgramState& state)
{
    mainWindowServices() = {};
    siteWindowServices() = {};
    installProgramWiring();
    QPointer<frmMain> main = Main(state);
    EXPECT_TRUE(main);
    if (!main)
        return main;
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(main));
    return main;
}

void endWholeProgram(QPointer<frmMain>& main)
{
    uiState().gClosingAnalysis = true;
    delete main.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    uiState().gClosingAnalysis = false;
    mainWindowServices() = {};
    siteWindowServices() = {};
}
