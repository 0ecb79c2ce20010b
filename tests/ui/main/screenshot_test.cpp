// A picture of the main window with two stored analyses, for a person to look at.

#include "main_window_fixture.h"

#include <QDir>
#include <QTest>

TEST_F(MainWindowTest, ScreenshotWithTwoStoredAnalyses)
{
    db.insertAnalysis(1, "Plating sludge 2009",
                      {{"PETID", "KOR-2009-017"},
                       {"FACID1", "1 Mill Road"},
                       {"CITY", "Springfield"},
                       {"STATE", "IL"},
                       {"ANALDATE", " Mar-04-2009 "},
                       {"DLSTDATE", " Jun-30-2009 "},
                       {"USERNAME", "J. Doe"}});
    db.insertAnalysis(2, "Foundry sand", {{"PETID", "KOR-2010-003"}, {"CITY", "Gary"}, {"STATE", "IN"}});
    frmMain& w = start();
    w.resize(1280, 800);
    w.trvAnalysis->node("KEY1")->setExpanded(true);
    clickNode("KEY2");
    QTest::mouseMove(w.cmdOpen);

    const QString folder = QStringLiteral(TOVI_BINARY_DIR) + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QImage picture = w.grab().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), 1000);
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/main_window.png")));
}
