#include "admin_fixture.h"

#include "app/program_wiring.h"
#include "app/startup.h"
#include "platform/ui/forms.h"
#include "platform/ui/settings.h"
#include "ui/main/main_window_services.h"
#include "ui/user_input.h"

#include <QCoreApplication>
#include <QTest>

void AdminTest::SetUp()
{
    ASSERT_TRUE(settingsFolder.isValid());
    setSettingsFolder(settingsFolder.path());
    ASSERT_TRUE(SaveSetting("TOVI", "Admin", "ShowChanges", "No").ok());
    db.insert(QStringLiteral("COCS"), {{"CHEMNAME", "Benzene"},
                                       {"CHEMCAS", "71-43-2"},
                                       {"MCL", 0.005},
                                       {"HENRY", 0.00555},
                                       {"CARCNON", "Carcinogen"},
                                       {"LOGKOW", 2.13}});
    db.insert(
        QStringLiteral("COCS"),
        {{"CHEMNAME", "Arsenic"}, {"CHEMCAS", "7440-38-2"}, {"MCL", 0.01}, {"TC", 5.0}, {"CARCNON", "Carcinogen"}});
    db.insert(
        QStringLiteral("COCS"),
        {{"CHEMNAME", "Toluene"}, {"CHEMCAS", "108-88-3"}, {"MCL", 1.0}, {"ORDO", 0.08}, {"CARCNON", "Noncarcinogen"}});
    mainWindowServices() = {};
    installProgramWiring();
    m_main = Main(db.state);
    ASSERT_TRUE(m_main);
    m_main->setAttribute(Qt::WA_DeleteOnClose, false);
}

void AdminTest::TearDown()
{
    delete admin();
    delete m_main.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mainWindowServices() = {};
}

frmPassword& AdminTest::openAdministration()
{
    m_main->mnuEditDB_Click();
    frmPassword* w = admin();
    EXPECT_TRUE(w && w->isVisible());
    return *w;
}

void AdminTest::logOn(const QString& password)
{
    typeInto(admin()->txtPW, password);
    click(admin()->cmdLogOn);
}

frmPassword* AdminTest::admin()
{
    return static_cast<frmPassword*>(Forms::find(QStringLiteral("frmPassword")));
}

frmChngDBProps* AdminTest::report()
{
    return static_cast<frmChngDBProps*>(Forms::find(QStringLiteral("frmChngDBProps")));
}

QStringList AdminTest::reportLines()
{
    QStringList lines;
    const frmChngDBProps* w = report();
    if (!w)
        return lines;
    const GridModel& g = w->grdChngChems->grid();
    for (int r = 0; r < g.dataRowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < g.columnCount(); ++c)
            cells << g.displayText(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

void AdminTest::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void AdminTest::closeAdministration(int answer)
{
    messages.expect(QStringLiteral("Save Summary of Changes"), answer,
                    QStringLiteral("Do you want to save a summary of the changes?  A report will be generated for "
                                   "viewing no matter which option you choose."));
    admin()->close();
    EXPECT_EQ(admin(), nullptr);
}

QString AdminTest::stored(const QString& key)
{
    return GetSetting(QStringLiteral("TOVI"), QStringLiteral("Admin"), key);
}

void AdminTest::setField(const QString& cas, const QString& column, const QVariant& value)
{
    ASSERT_TRUE(
        db.conn().exec(QStringLiteral("UPDATE COCS SET %1 = ? WHERE CHEMCAS = ?").arg(column), {value, cas}).ok());
}
