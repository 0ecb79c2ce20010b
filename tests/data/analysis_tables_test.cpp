#include "core/temp_database.h"

#include "data/analysis_tables.h"
#include "data/value_pickers.h"

#include <gtest/gtest.h>

namespace {

TEST(AnalysisKeys, NewKeyIsLargestPlusOne)
{
    TempDatabase db;
    EXPECT_EQ(*newSiteKey(db.conn()), 1);
    db.insertAnalysis(7, QStringLiteral("Seven"));
    EXPECT_EQ(*newSiteKey(db.conn()), 8) << "keys 1 to 6 missing make no difference";
    // Rows an interrupted session left under a never-saved key are never taken over.
    db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 8}, {"CHEMCAS", "71-43-2"}});
    EXPECT_EQ(*newSiteKey(db.conn()), 9);
    db.insert(QStringLiteral("DelistCOCS"), {{"SITEKEY", 11}});
    EXPECT_EQ(*newSiteKey(db.conn()), 12);
    EXPECT_EQ(siteKeyOfRootNode(QStringLiteral("KEY12")), 12);
    EXPECT_EQ(siteKeyOfRootNode(QStringLiteral("KEY12a")), 0);
    EXPECT_EQ(rootNodeKey(12), QStringLiteral("KEY12"));
}

TEST(AnalysisTree, NineNodesPerAnalysisInOrder)
{
    TempDatabase db;
    db.insertAnalysis(1, QStringLiteral("First"),
                      {{"PETID", "P-1"},
                       {"FACID1", "1 Main St"},
                       {"CITY", "Austin"},
                       {"STATE", "TX"},
                       {"ANALDATE", " Jan-02-2001 "},
                       {"DLSTDATE", "3/4/2002"},
                       {"USERNAME", "Kim"}});
    db.insertAnalysis(2, QStringLiteral("Second"), {{"FACID2", "Suite 5"}});
    db.insertAnalysis(3, QStringLiteral("Third"));
    auto rs = Recordset::openTable(db.conn(), QStringLiteral("SITEINFO"));
    ASSERT_TRUE(rs.ok());
    ASSERT_EQ(rs->recordCount(), 3);

    const AnalysisTreeGroup first = analysisTreeNodes(*rs);
    EXPECT_EQ(first[0].key, QStringLiteral("KEY1"));
    EXPECT_TRUE(first[0].bold);
    EXPECT_EQ(first[0].text, QStringLiteral("First"));
    const QStringList texts = {
        "Petition ID: P-1",          "Address 1: 1 Main St",     "Address 2: ",      "City: Austin", "State: TX",
        "Waste date:  Jan-02-2001 ", "Delisting date: 3/4/2002", "Performed by: Kim"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(first[size_t(i) + 1].text, texts[i]);
        EXPECT_EQ(first[size_t(i) + 1].key, QStringLiteral("KEY1") + QChar('a' + i));
        EXPECT_EQ(first[size_t(i) + 1].parentKey, QStringLiteral("KEY1"));
        EXPECT_FALSE(first[size_t(i) + 1].bold);
    }
    rs->moveNext();
    EXPECT_EQ(analysisTreeNodes(*rs)[3].text, QStringLiteral("Address 2: Suite 5"));
    EXPECT_EQ(analysisTreeNodes(*rs)[1].text, QStringLiteral("Petition ID: ")) << "a NULL leaves the label alone";

    const AnalysisTreeGroup fresh = newAnalysisTreeNodes(9);
    EXPECT_EQ(fresh[0].text, QStringLiteral("New Analysis"));
    EXPECT_EQ(fresh[8].text, QStringLiteral("Performed by: "));
}

TEST(ValuePickers, ChooseAmongPositiveValues)
{
    EXPECT_EQ(LargerPositive(QVariant(0.5), QVariant(1)), QVariant(1));
    EXPECT_FALSE(LargerPositive(QVariant(-3), QVariant(0)).isValid()) << "neither positive: empty";
    const QVariant second(2.5);
    EXPECT_EQ(LargerPositive(QVariant(2.5f), second).typeId(), second.typeId()) << "a tie gives the second";

    const QVariant zero = SmallerPositive(QVariant(0), QVariant(0));
    EXPECT_EQ(zero.typeId(), QMetaType::Int) << "the integer 0, not empty";
    EXPECT_EQ(SmallerPositive(QVariant(5), QVariant()), QVariant(5));
    EXPECT_EQ(SmallerPositive(QVariant(), QVariant(2)), QVariant(2));
    EXPECT_EQ(SmallerPositive(QVariant(4), QVariant(4.0)).typeId(), QMetaType::Int) << "a tie gives the first";

    EXPECT_EQ(SmallerPositive(0.002, 0.01), 0.002);
    EXPECT_EQ(SmallerPositive(-1.0, 0.0), 0.0);
    EXPECT_EQ(*LargerPositive(0.3, 1.0), 1.0);
    EXPECT_FALSE(LargerPositive(0.0, -2.0).has_value());
}

TEST(ValuePickers, SmallerPositiveFieldNamesTheWinningField)
{
    TempDatabase db;
    db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 1},
                                           {"SWINGsh", 0.0},
                                           {"SWINGsr", -1.0},
                                           {"FISHINGsh", 7.0},
                                           {"AIRINHVsh", 3.0},
                                           {"AIRINHVsr", 3.0}});
    auto rs = Recordset::openTable(db.conn(), QStringLiteral("SITECOCS"));
    ASSERT_TRUE(rs.ok());
    EXPECT_EQ(SmallerPositiveField(*rs, "SWINGsh", "SWINGsr"), QStringLiteral("SWINGsh"));
    EXPECT_EQ(SmallerPositiveField(*rs, "SWINGsh", "FISHINGsh"), QStringLiteral("FISHINGsh"));
    EXPECT_EQ(SmallerPositiveField(*rs, "AIRINHVsh", "AIRINHVsr"), QStringLiteral("AIRINHVsh"));
    EXPECT_EQ(SmallerPositiveField(*rs, "SWINGsh", "FISHINGsr"), QStringLiteral("SWINGsh"))
        << "a NULL and a zero: the first";
}

}   // namespace
