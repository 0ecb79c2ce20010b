#include "ui/fresh_ui_state.h"
#include "ui/quiet_settings.h"
#include "ui/scripted_services.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUiStatePerTest);
    installUnscriptedDialogs();
    // Settings of this test program's own, never the developer's.
    QTemporaryDir settings;
    if (!settings.isValid() || !useQuietSettings(settings.path()))
        return 1;
    return RUN_ALL_TESTS();
}
