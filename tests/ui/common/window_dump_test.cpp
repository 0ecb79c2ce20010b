#include "core/constants_fixture.h"
#include "core/temp_database.h"
#include "core/tool_run.h"
#include "engine/delisting/delisting_run.h"
#include "engine/forward/forward_run.h"
#include "platform/text/number_format.h"
#include "platform/ui/forms.h"
#include "ui/common/window_names.h"
#include "ui/delisting/frmAirExposureDelisting.h"
#include "ui/results/frmTCLPResultsRisk.h"
#include "ui/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// window_dump, run as the program it is on an analysis after both runs.

namespace {

ToolRun windowDump(const QStringList& args)
{
    return runTool(QStringLiteral("window_dump"), args);
}

class WindowDump : public ::testing::Test {
protected:
    WindowDump() : m_scope(m_db.state)
    {
        m_db.insert(QStringLiteral("CONSTNTS"), constantsRow());
        m_db.insertAnalysis(3, QStringLiteral("Dumped"));
        const QVariantMap chemicals[] = {
            {{"CHEMNAME", "Toluene"}, {"CHEMCAS", "108-88-3"}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.08}},
            {{"CHEMNAME", "Benzene"}, {"CHEMCAS", "71-43-2"}, {"CARCNON", "Carcinogen"}, {"CSFO", 0.055}},
        };
        for (const QVariantMap& chemical : chemicals) {
            m_db.insert(QStringLiteral("COCS"), chemical);
            QVariantMap row = chemical;
            row.insert({{"SITEKEY", 3}, {"TCLPCONC", 10.0}, {"TOTCONC", 20.0}});
            m_db.insert(QStringLiteral("SITECOCS"), row);
        }
        // Benzene listed again, limited by a lower MCL.
        m_db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 3},
                                                 {"CHEMNAME", "Benzene"},
                                                 {"CHEMCAS", "71-43-2"},
                                                 {"CARCNON", "Carcinogen"},
                                                 {"CSFO", 0.055},
                                                 {"MCL", 0.0001},
                                                 {"TCLPCONC", 10.0},
                                                 {"TOTCONC", 20.0}});
        m_db.insert(QStringLiteral("DAFs"),
                    {{"CAS Num", "71-43-2"}, {"LFconc", 1}, {"DAFLF_CARC", 10}, {"DAFLF_NON", 10}});
        m_db.state.gCurSiteKey = 3;
        ForwardRunSession session;
        RunObserver forward;
        EXPECT_EQ(RunRiskAnalysis(m_db.state, session, forward), RunOutcome::Completed);
        DelistingObserver delisting;
        EXPECT_EQ(RunDelistingAnalysis(m_db.state, delisting), DelistingOutcome::Stored);
    }

    TempDatabase m_db;
    ScopedProgramState m_scope;
};

}   // namespace

TEST_F(WindowDump, WritesEveryResultWindowOfBothRuns)
{
    const QString lastLevel =
        '\t'
        + formatScientific(
            m_db.conn().scalar(QStringLiteral("SELECT GWDL FROM GWDelisting ORDER BY rowid DESC")).value().toDouble());
    for (const auto& names : {std::vector(kForwardResultWindows.begin(), kForwardResultWindows.end()),
                              std::vector(kDelistingResultWindows.begin(), kDelistingResultWindows.end()),
                              std::vector(kPathwayDelistingWindows.begin(), kPathwayDelistingWindows.end())}) {
        for (QLatin1StringView name : names) {
            SCOPED_TRACE(name.data());
            const ToolRun d = windowDump({name, m_db.path(), QStringLiteral("3")});
            ASSERT_EQ(d.exitCode, 0) << qPrintable(d.errors);
            EXPECT_TRUE(d.output.contains('\t'));
            // Each Benzene row shows its own groundwater delisting level, the second the run's last.
            const QStringList benzene = QString::fromLatin1(d.output).split(QStringLiteral("\r\n")).filter("Benzene\t");
            const bool ownLevels = benzene.size() == 2 && benzene[0] != benzene[1] && benzene[1].contains(lastLevel);
            EXPECT_TRUE(ownLevels
                        || (name != windowName::frmLimitResults && name != windowName::frmExceedResults
                            && name != windowName::frmTCLPResultsScreen))
                << qPrintable(benzene.join('\n'));
        }
    }
}

TEST_F(WindowDump, WritesWhatTheWindowsOwnTextExportWrites)
{
    m_db.state.gRsSiteInfo =
        Recordset::openTable(m_db.conn(), QStringLiteral("SITEINFO"), QStringLiteral("SITEKEY = 3")).value();
    m_db.state.gRsWmuInfo =
        Recordset::openTable(m_db.conn(), QStringLiteral("WMUINFO"), QStringLiteral("SITEKEY = 3")).value();
    m_db.state.gCurFileName = QStringLiteral("Dumped");
    const std::pair<QLatin1StringView, ResultGridWindow*> windows[] = {
        {windowName::frmTCLPResultsRisk, Forms::get<frmTCLPResultsRisk>()},
        {windowName::frmAirExposureDelisting, Forms::get<frmAirExposureDelisting>()}};
    for (const auto& [name, window] : windows) {
        SCOPED_TRACE(name.data());
        const ToolRun d = windowDump({name, m_db.path(), QStringLiteral("3")});
        ASSERT_EQ(d.exitCode, 0) << qPrintable(d.errors);
        QTemporaryDir out;
        const QString exported = QDir(out.path()).filePath(QStringLiteral("own.txt"));
        ScriptedFileDialogs dialogs;
        dialogs.answer(exported, 2);
        window->ExportToTable();
        window->unload();
        QFile file(exported);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray own = file.readAll();
        EXPECT_TRUE(own.contains("Benzene\t")) << own.constData();
        EXPECT_EQ(d.output, own);
    }
}

TEST_F(WindowDump, AnUnknownNameListsTheWindowsAndFails)
{
    const ToolRun d = windowDump({QStringLiteral("frmTCLPResultRisk"), m_db.path(), QStringLiteral("3")});
    EXPECT_EQ(d.exitCode, 1);
    EXPECT_TRUE(d.output.isEmpty());
    for (QLatin1StringView name :
         {windowName::frmLimitResults, windowName::frmChngChems, windowName::frmTCLPResultsRisk, windowName::frmGWCarc})
        EXPECT_TRUE(d.errors.contains(QStringLiteral("  ") + name + QLatin1Char('\n'))) << qPrintable(d.errors);
}
