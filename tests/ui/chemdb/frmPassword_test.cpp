#include "admin_fixture.h"

#include "data/admin_password.h"
#include "ui/user_input.h"

#include <QTest>

namespace {

const QString kBadChange = QStringLiteral(
    "Either you have entered the incorrect Old Password or the New Password is not the same in both boxes.  "
    "Please try again.");

// Whether the administrator tools are shown; they show all together or not at all.
bool toolsShown(const frmPassword& w)
{
    const QWidget* tools[] = {w.Label1[1], w.Label1[2],   w.Label2[0], w.Label2[1], w.Label2[2], w.Label2[3],
                              w.cmdDelCOC, w.cmdChangePW, w.cmdExport, w.txtOldPW,  w.txtNewPW1, w.txtNewPW2};
    int shown = 0;
    for (const QWidget* t : tools)
        shown += t->isVisibleTo(&w) ? 1 : 0;
    EXPECT_TRUE(shown == 0 || shown == 12) << shown;
    return shown == 12;
}

void changePassword(frmPassword& w, const QString& old, const QString& new1, const QString& new2)
{
    // Text arrives as an input method gives it: some characters have no key.
    w.txtOldPW->setText(old);
    w.txtNewPW1->setText(new1);
    w.txtNewPW2->setText(new2);
    QTest::mouseClick(w.cmdChangePW, Qt::LeftButton);
}

}   // namespace

TEST_F(AdminTest, FirstStartStoresTheDefaultPasswordThatLogsOnAfterARefusal)
{
    EXPECT_EQ(stored("Change"), *ScramblePassword("mizo4"));
    frmPassword& w = openAdministration();
    EXPECT_TRUE(w.isWindow() && (w.windowFlags() & Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(toolsShown(w));

    messages.expect("Incorrect Password", vbOK,
                    "The program could not log you on as an Administrator.  Please make sure you typed the correct "
                    "password and try again.");
    logOn("Mizo4");
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().style, vbOKOnly | vbInformation);
    EXPECT_EQ(w.txtPW->text(), QStringLiteral("Mizo4")) << "the typed text stays";
    EXPECT_FALSE(toolsShown(w));

    typeInto(w.txtPW, "mizo4");
    QTest::keyClick(w.txtPW, Qt::Key_Return);
    EXPECT_TRUE(toolsShown(w));

    QTest::keyClick(w.chkOnTop, Qt::Key_Space);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w.isVisible());
    messages.expect("Save Summary of Changes", vbNo);
    QTest::keyClick(w.txtPW, Qt::Key_Escape);
    EXPECT_EQ(admin(), nullptr);
    EXPECT_EQ(report(), nullptr) << "nothing changed, so no report";
}

TEST_F(AdminTest, PasswordChangeWorksBothWaysAndRefusesWhatCouldNotLogOn)
{
    frmPassword& w = openAdministration();
    logOn("mizo4");
    changePassword(w, "mizo4", "Quarry 7", "Quarry 7");
    EXPECT_EQ(UnscramblePassword(stored("Change")), QStringLiteral("Quarry 7"));
    EXPECT_EQ(w.txtNewPW1->text(), QStringLiteral("Quarry 7")) << "the boxes keep their text";

    const QString refused[][3] = {
        {"Quarry 7", "Again 1", "Again 1"},   // the current password is the one read at log-on
        {"mizo4", "Quarry 8", "Quarry 9"},    // two different new ones
        {"mizo4", "", ""},
        {"mizo4", "semi;colon", "semi;colon"},   // would read back as a nine
        {"mizo4", "a<b", "a<b"},                 // would read back as a colon
        {"mizo4", QString::fromUtf16(u"gar\u00E7on"), QString::fromUtf16(u"gar\u00E7on")},   // code 231
    };
    for (const auto& r : refused) {
        messages.expect("Incorrect Password Information", vbOK, kBadChange);
        changePassword(w, r[0], r[1], r[2]);
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_EQ(messages.shown().back().style, vbOKOnly);
        EXPECT_EQ(UnscramblePassword(stored("Change")), QStringLiteral("Quarry 7")) << qPrintable(r[1]);
        EXPECT_TRUE(w.txtOldPW->text().isEmpty() && w.txtNewPW1->text().isEmpty() && w.txtNewPW2->text().isEmpty());
    }

    logOn("Quarry 7");
    changePassword(w, "Quarry 7", "mizo4", "mizo4");
    EXPECT_EQ(stored("Change"), *ScramblePassword("mizo4"));
    closeAdministration(vbNo);
}
