#include "platform/ui/dialog_services.h"
#include "ui/fresh_ui_state.h"

#include <QApplication>
#include <gtest/gtest.h>

// Tests of focus and real input events: run on the X display that the runner script provides.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    installDialogServices();
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUiStatePerTest);
    return RUN_ALL_TESTS();
}
