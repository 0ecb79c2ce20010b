#include "forward_fixture.h"

#include "core/tool_run.h"

// engine_dump, run as the program it is on a temporary database.

namespace {

struct Dump {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

Dump engineDump(const QStringList& args)
{
    const ToolRun run = runTool(QStringLiteral("engine_dump"), args);
    return {run.exitCode, QString::fromUtf8(run.output).split(u'\n'), run.errors};
}

class EngineDumpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.insert(QStringLiteral("CONSTNTS"), testConstantsRow());
        db.insertAnalysis(4, QStringLiteral("Dumped"));
        ConstituentInputs in = testOrganic();
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 4},
                                               {"CHEMCAS", in.CHEMCAS},
                                               {"CHEMNAME", in.CHEMNAME},
                                               {"CARCNON", in.CARCNON},
                                               {"TCLPCONC", 0.5},
                                               {"TOTCONC", 10.0},
                                               {"ORDO", in.ORDO},
                                               {"CSFO", in.CSFO},
                                               {"K", in.K},
                                               {"ORGANIC", 1},
                                               {"TSTAR", in.TSTAR},
                                               {"TAU", in.TAU},
                                               {"B", in.B}});
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 4},
                                               {"CHEMCAS", "1,2-x"},
                                               {"CHEMNAME", "Odd"},
                                               {"TCLPCONC", 1.0},
                                               {"TOTCONC", 1.0},
                                               {"MCL", 0.1}});
        addDafRow(db, in.CHEMCAS, 1, 10);
    }

    TempDatabase db;
};

TEST_F(EngineDumpTest, WritesTheResultFieldsAndTheGWDelistingRows)
{
    const Dump d = engineDump({QStringLiteral("forward"), db.path(), QStringLiteral("4")});
    ASSERT_EQ(d.exitCode, 0) << qPrintable(d.errors);
    ASSERT_EQ(d.lines.size(), 8) << qPrintable(d.lines.join(u'\n'));
    EXPECT_EQ(d.lines[0], QStringLiteral("CHEMCAS,") + forwardResultFields().join(u','));
    const QStringList first = d.lines[1].split(u',');
    ASSERT_EQ(first.size(), 55);
    EXPECT_EQ(first[0], QStringLiteral("71-43-2"));
    EXPECT_EQ(first[forwardResultFields().indexOf(QStringLiteral("LMTPTHTO")) + 1], QStringLiteral("Soil Ingestion"));
    EXPECT_GT(first[forwardResultFields().indexOf(QStringLiteral("SWINGh")) + 1].toDouble(), 0);
    EXPECT_EQ(first[forwardResultFields().indexOf(QStringLiteral("ECOCHRNs")) + 1], QString())
        << "NULL without an ecological value";

    const QueryRows stored =
        db.conn().select(QStringLiteral("SELECT GWMaxINGsh FROM SITECOCS WHERE SITEKEY = 4 ORDER BY rowid")).value();
    ASSERT_FALSE(stored.rows.empty());
    EXPECT_EQ(first[forwardResultFields().indexOf(QStringLiteral("GWMaxINGsh")) + 1].toDouble(),
              stored.rows[0][0].toDouble())
        << "printed with all 17 digits";
    EXPECT_TRUE(d.lines[2].startsWith(QStringLiteral("\"1,2-x\","))) << qPrintable(d.lines[2]);

    EXPECT_EQ(d.lines[3], QString());
    EXPECT_EQ(d.lines[4], QStringLiteral("ChemCas,GWDL,GWMaxAConcen,GWDAF,DAF_SF,GWLimitingPathway,GWIngetion,"
                                         "GWInhalation,GWAdultDermalAbsorption,GWChildDermalAbsorption,SITEKEY"));
    EXPECT_TRUE(d.lines[5].startsWith(QStringLiteral("71-43-2,"))) << qPrintable(d.lines[5]);
    EXPECT_TRUE(d.lines[6].contains(QStringLiteral(",MCL,"))) << qPrintable(d.lines[6]);
    EXPECT_TRUE(d.lines[6].endsWith(QStringLiteral(",4")));
    EXPECT_EQ(d.lines[7], QString());
}

TEST_F(EngineDumpTest, ARefusedRunPrintsItsMessage)
{
    db.conn().exec(QStringLiteral("UPDATE WMUINFO SET ACTVLIFE = 0")).value();
    const Dump d = engineDump({QStringLiteral("forward"), db.path(), QStringLiteral("4")});
    EXPECT_EQ(d.exitCode, 2);
    EXPECT_TRUE(d.errors.contains(QStringLiteral("There is a zero value for the active life.")))
        << qPrintable(d.errors);
    EXPECT_EQ(d.lines, QStringList{QString()});
}

TEST_F(EngineDumpTest, WrongArgumentsAndFailures)
{
    EXPECT_EQ(engineDump({}).exitCode, 1);
    EXPECT_EQ(engineDump({QStringLiteral("backward"), db.path(), QStringLiteral("4")}).exitCode, 1);
    EXPECT_EQ(engineDump({QStringLiteral("forward"), db.path(), QStringLiteral("x")}).exitCode, 1);
    EXPECT_EQ(
        engineDump({QStringLiteral("forward"), db.path() + QStringLiteral(".missing"), QStringLiteral("4")}).exitCode,
        1);
    db.conn().exec(QStringLiteral("DELETE FROM CONSTNTS")).value();
    const Dump d = engineDump({QStringLiteral("forward"), db.path(), QStringLiteral("4")});
    EXPECT_EQ(d.exitCode, 1);
    EXPECT_TRUE(d.errors.contains(QStringLiteral("Unable to Save"))) << qPrintable(d.errors);
}

TEST_F(EngineDumpTest, DelistingWritesEveryDelistCocsColumnOfTheRunsRows)
{
    db.insert(QStringLiteral("COCS"), {{"CHEMNAME", "Benzene"},
                                       {"CHEMCAS", "71-43-2"},
                                       {"CARCNON", "Carcinogen"},
                                       {"CSFO", 0.055},
                                       {"ORGANIC", 1},
                                       {"K", 0.015},
                                       {"B", 0.051},
                                       {"TAU", 0.29},
                                       {"TSTAR", 0.7}});
    db.insert(QStringLiteral("COCS"),
              {{"CHEMNAME", "Fluoride"}, {"CHEMCAS", "16984-48-8"}, {"CARCNON", "Noncarcinogen"}});
    const Dump d = engineDump({QStringLiteral("delisting"), db.path(), QStringLiteral("4")});
    ASSERT_EQ(d.exitCode, 0) << qPrintable(d.errors);
    ASSERT_EQ(d.lines.size(), 3) << "a header, one chemical (fluoride is left out), the end";
    QStringList header;
    for (const ColumnDef& c : delistCocsTable().columns)
        header << c.name;
    EXPECT_EQ(d.lines[0], header.join(u','));
    const QStringList row = d.lines[1].split(u',');
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(row[0], QStringLiteral("4"));
    EXPECT_EQ(row[1], QStringLiteral("71-43-2"));
    EXPECT_EQ(row[header.indexOf(QStringLiteral("LOGKOW"))], QString()) << "NULL";
    EXPECT_GT(row[header.indexOf(QStringLiteral("GWINGCgsr"))].toDouble(), 0);

    db.conn().exec(QStringLiteral("UPDATE WMUINFO SET HQFACT = 0")).value();
    const Dump refused = engineDump({QStringLiteral("delisting"), db.path(), QStringLiteral("4")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.errors.contains(QStringLiteral("There is a zero value for the HQ Factor.")))
        << qPrintable(refused.errors);
}

}   // namespace
