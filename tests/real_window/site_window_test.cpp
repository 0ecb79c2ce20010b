// The analysis information window with the keyboard: a refused entry.

#include "real_program.h"

#include <QApplication>
#include <QTest>

namespace {

TEST_F(RealProgram, AfterARefusedEntryWhatIsTypedNextReplacesItAndIsStored)
{
    openByDoubleClick(QStringLiteral("KEY1"));
    QTest::mouseClick(cocs()->cmdBack, Qt::LeftButton);
    ASSERT_TRUE(site()->isVisible());
    messages.reset();
    for (const auto& [box, refused, typed, field] :
         {std::tuple{site()->txtVolume, "12a", "500", "WASTEVOL FROM WMUINFO"},
          std::tuple{site()->txtDelistDate, "Feb-30-2021", "Mar-04-2021", "DLSTDATE FROM SITEINFO"},
          std::tuple{site()->txtFlowRate, "1E+300", "10", "FLOWRATE FROM WMUINFO"}}) {
        click(box, box->rect().center());
        ASSERT_TRUE(waitForFocus(box));
        box->selectAll();
        typeKeys(QString::fromLatin1(refused));
        BoxAnswer ok([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        pressKey(Qt::Key_Tab);
        ASSERT_TRUE(ok.seen()) << field;
        ASSERT_TRUE(QTest::qWaitFor([box] { return box->hasFocus() && box->selectedText() == box->text(); }))
            << field << " takes the focus back with its text selected";
        typeKeys(QString::fromLatin1(typed));
        pressKey(Qt::Key_Tab);
        QTest::mouseClick(site()->cmdUpdateSiteInfo, Qt::LeftButton);
        const QString sql = QStringLiteral("SELECT %1 WHERE SITEKEY = 1").arg(QString::fromLatin1(field));
        EXPECT_EQ(storedValue(sql).toString().trimmed(), typed);
    }
}

}   // namespace
