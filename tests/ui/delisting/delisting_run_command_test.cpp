#include "delisting_fixture.h"

#include "core/constants_fixture.h"
#include "platform/ui/forms.h"
#include "ui/delisting/delisting_run_command.h"
#include "ui/delisting/delisting_windows.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/scripted_services.h"

#include <QProgressBar>

// The run as the analysis window's button starts it, with the window work around the engine:
// the result windows closed first, the refusal and failure messages, the progress bar and the
// seven windows shown after a stored run.

namespace {

class DelistingRunCommand : public DelistingWindowTest {
protected:
    DelistingRunCommand()
    {
        QObject::connect(&bar, &QProgressBar::valueChanged, [this](int v) { values << v; });
    }
    void setUnit(const QString& field, const QVariant& value)
    {
        const QString sql = QStringLiteral("UPDATE WMUINFO SET %1 = ? WHERE SITEKEY = 1").arg(field);
        ASSERT_TRUE(m_db.conn().exec(sql, {value}).ok());
    }
    void run()
    {
        bar.show();
        runDelistingAnalysisCommand(bar);
    }
    static void expectNoDelistingWindow()
    {
        for (const QString& name : delistingResultWindowNames())
            EXPECT_FALSE(Forms::isLoaded(name)) << qPrintable(name);
    }

    QProgressBar bar;
    QList<int> values;
};

TEST_F(DelistingRunCommand, RefusedAndFailedRunsCloseTheWindowsTellWhyAndKeepTheLevels)
{
    const qint64 before = m_db.count(QStringLiteral("DelistCOCS"));
    {
        showDelistingResultWindows();
        setUnit(QStringLiteral("HQFACT"), 0.0);
        ScriptedMessages messages;
        messages.expect(QStringLiteral("Insufficient Data"), vbOK,
                        QStringLiteral("There is a zero value for the HQ Factor.  Please use the dropdown list to "
                                       "choose an HQ Factor."));
        run();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].style, vbOKOnly | vbExclamation);
        expectNoDelistingWindow();
        EXPECT_EQ(m_db.count(QStringLiteral("DelistCOCS")), before);
    }
    {
        // Passes its checks, then finds no exposure constants.
        setUnit(QStringLiteral("HQFACT"), 1.0);
        m_db.insert(QStringLiteral("COCS"),
                    {{"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"}, {"CARCNON", "Carcinogen"}});
        showDelistingResultWindows();
        ScriptedMessages messages;
        messages.expect(QStringLiteral("Unable to Save"));
        run();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].style, vbOKOnly | vbInformation);
        EXPECT_TRUE(
            messages.shown()[0].text.startsWith(QStringLiteral("The program experienced the following error: ")));
        expectNoDelistingWindow();
        EXPECT_FALSE(bar.isVisible());
        EXPECT_EQ(m_db.count(QStringLiteral("DelistCOCS")), before);
    }
}

TEST_F(DelistingRunCommand, AStoredRunCountsTheFillAndTheLevelsHidesTheBarAndShowsTheSevenWindowsAnew)
{
    m_area.show();
    m_db.insert(QStringLiteral("CONSTNTS"), constantsRow());
    m_db.insert(QStringLiteral("COCS"),
                {{"CHEMNAME", "Toluene"}, {"CHEMCAS", "108-88-3"}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.08}});
    m_db.insert(QStringLiteral("COCS"),
                {{"CHEMNAME", "Excluded"}, {"CHEMCAS", "16984-48-8"}, {"CARCNON", "Noncarcinogen"}});
    m_db.insert(QStringLiteral("COCS"),
                {{"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"}, {"CARCNON", "Carcinogen"}, {"CSFO", 0.055}});
    showDelistingResultWindows();
    ASSERT_TRUE(names(gridOf(Forms::get<frmSoilPathwayDelisting>())).contains(QStringLiteral("Arsenic")));

    ScriptedMessages none;
    run();
    // The fill counts the three chemicals, the levels the two rows.
    EXPECT_EQ(values, QList<int>({0, 1, 2, 3, 0, 1, 2}));
    EXPECT_EQ(bar.maximum(), 2);
    EXPECT_FALSE(bar.isVisible());

    const QStringList& order = delistingResultWindowNames();
    for (int i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(qPrintable(order[i]));
        FormWindow* window = Forms::find(order[i]);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->frame()->isVisible());
        EXPECT_NEAR(window->leftTwips(), 300 * i, 15);
        EXPECT_NEAR(window->topTwips(), 300 * i, 15);
    }
    EXPECT_EQ(names(gridOf(Forms::get<frmSoilPathwayDelisting>())), QStringList({"Benzene", "Toluene"}));
    EXPECT_EQ(m_db.count(QStringLiteral("DelistCOCS")), 2);
}

}   // namespace
