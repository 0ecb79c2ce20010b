#include "admin_fixture.h"

#include "data/admin_password.h"
#include "platform/ui/settings.h"
#include "ui/user_input.h"

#include <QTest>

namespace {

const QString kWrongPassword = QStringLiteral(
    "The program could not log you on as an Administrator.  Please make sure you typed the correct password and "
    "try again.");
const QString kBadChange = QStringLiteral(
    "Either you have entered the incorrect Old Password or the New Password is not the same in both boxes.  "
    "Please try again.");

bool administratorToolsShown(const frmPassword& w)
{
    const QWidget* tools[] = {w.Label1[1], w.Label1[2], w.Label2[0], w.Label2[1], w.Label2[2], w.Label2[3],
                              w.cmdDelCOC, w.cmdChangePW, w.cmdExport, w.txtOldPW, w.txtNewPW1, w.txtNewPW2};
    int shown = 0;
    for (const QWidget* t : tools)
        shown += t->isVisibleTo(&w) ? 1 : 0;
    EXPECT_TRUE(shown == 0 || shown == 12) << shown << " of the administrator tools shown";
    return shown == 12;
}

void savePassword(const QString& password)
{
    SaveSetting(QStringLiteral("TOVI"), QStringLiteral("Admin"), QStringLiteral("Change"), *ScramblePassword(password));
}

} // namespace

TEST_F(AdminTest, FirstStartStoresTheDefaultPasswordThatLogsOnAfterARefusal)
{
    EXPECT_EQ(stored("Change"), *ScramblePassword("mizo4"));
    frmPassword& w = openAdministration();
    EXPECT_TRUE(w.isWindow()) << "the administrator window stands alone";
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Administrator Privileges"));
    EXPECT_FALSE(administratorToolsShown(w));

    messages.expect("Incorrect Password", vbOK, kWrongPassword);
    logOn("Mizo4");
    EXPECT_EQ(messages.shown().back().style, vbOKOnly | vbInformation);
    EXPECT_EQ(w.txtPW->text(), QStringLiteral("Mizo4")) << "the typed text stays";
    EXPECT_FALSE(administratorToolsShown(w));

    logOn("mizo4");
    EXPECT_TRUE(administratorToolsShown(w));
    click(w.cmdLogOn);
    EXPECT_TRUE(administratorToolsShown(w)) << "logging on again changes nothing";

    closeAdministration(vbNo);
    EXPECT_EQ(report(), nullptr) << "nothing changed, so no report";
}

TEST_F(AdminTest, EnterLogsOnAndEscapeLeaves)
{
    savePassword(QString());   // a setting that holds nothing takes an empty password
    frmPassword& w = openAdministration();
    w.txtPW->setFocus();
    QTest::keyClick(w.txtPW, Qt::Key_Return);
    EXPECT_TRUE(administratorToolsShown(w));
    messages.expect("Save Summary of Changes", vbNo);
    QTest::keyClick(w.txtPW, Qt::Key_Escape);
    EXPECT_EQ(admin(), nullptr);
}

TEST_F(AdminTest, PasswordChangeStoresTheNewPasswordForTheNextLogOn)
{
    frmPassword& w = openAdministration();
    logOn("mizo4");
    typeInto(w.txtOldPW, "mizo4");
    typeInto(w.txtNewPW1, "Quarry 7");
    typeInto(w.txtNewPW2, "Quarry 7");
    click(w.cmdChangePW);
    EXPECT_EQ(UnscramblePassword(stored("Change")), QStringLiteral("Quarry 7"));
    EXPECT_EQ(w.txtNewPW1->text(), QStringLiteral("Quarry 7")) << "the boxes keep their text";

    // Until the next log-on the current password is still the one read at log-on.
    typeInto(w.txtOldPW, "Quarry 7");
    typeInto(w.txtNewPW2, "Quarry 7");
    messages.expect("Incorrect Password Information", vbOK, kBadChange);
    click(w.cmdChangePW);
    EXPECT_EQ(messages.shown().back().style, vbOKOnly);
    EXPECT_EQ(UnscramblePassword(stored("Change")), QStringLiteral("Quarry 7"));

    messages.expect("Incorrect Password", vbOK, kWrongPassword);
    logOn("mizo4");
    logOn("Quarry 7");
    typeInto(w.txtOldPW, "Quarry 7");
    typeInto(w.txtNewPW1, "mizo4");
    typeInto(w.txtNewPW2, "mizo4");
    click(w.cmdChangePW);
    EXPECT_EQ(stored("Change"), *ScramblePassword("mizo4"));
    closeAdministration(vbNo);
}

TEST_F(AdminTest, RefusedPasswordChangesEmptyTheBoxesAndKeepTheStoredPassword)
{
    struct Case {
        const char16_t* oldPassword;
        const char16_t* new1;
        const char16_t* new2;
    };
    const Case cases[] = {
        {u"MIZO4", u"Quarry 7", u"Quarry 7"},        // wrong current password
        {u"mizo4", u"Quarry 7", u"Quarry 8"},        // two different new ones
        {u"mizo4", u"", u""},                        // empty
        {u"mizo4", u"semi;colon", u"semi;colon"},    // would read back as a nine
        {u"mizo4", u"a<b", u"a<b"},                  // would read back as a colon
        {u"mizo4", u"gar\u00E7on", u"gar\u00E7on"},  // code 231: no one-byte stored form
        {u"mizo4", u"\u4E2D", u"\u4E2D"},            // no Windows-1252 code
    };
    frmPassword& w = openAdministration();
    logOn("mizo4");
    const QString before = stored("Change");
    for (const Case& c : cases) {
        // Characters beyond the keyboard's keys arrive as text (an input method's).
        w.txtOldPW->setText(QString::fromUtf16(c.oldPassword));
        w.txtNewPW1->setText(QString::fromUtf16(c.new1));
        w.txtNewPW2->setText(QString::fromUtf16(c.new2));
        messages.expect("Incorrect Password Information", vbOK, kBadChange);
        click(w.cmdChangePW);
        EXPECT_EQ(stored("Change"), before) << qPrintable(QString::fromUtf16(c.new1));
        EXPECT_TRUE(w.txtOldPW->text().isEmpty() && w.txtNewPW1->text().isEmpty() && w.txtNewPW2->text().isEmpty());
    }
    closeAdministration(vbNo);
}

TEST_F(AdminTest, AlwaysOnTopFollowsItsBox)
{
    frmPassword& w = openAdministration();
    QTest::keyClick(w.chkOnTop, Qt::Key_Space);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(w.chkOnTop, Qt::Key_Space);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    closeAdministration(vbNo);
}
