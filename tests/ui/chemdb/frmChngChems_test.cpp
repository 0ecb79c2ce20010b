#include "ui/chemdb/frmChngChems.h"

#include "core/temp_database.h"
#include "ui/chemdb/stored_values.h"
#include "ui/grid_readback.h"
#include "ui/printers.h"

#include <QMdiArea>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Pair {
    const char* name;
    QVariant table;
    QVariant constituent;
    bool differ;
};

class StoredValues : public ::testing::TestWithParam<Pair> {};

TEST_P(StoredValues, DifferOnlyWhenBothAreStoredAndUnequal)
{
    EXPECT_EQ(storedValuesDiffer(GetParam().table, GetParam().constituent), GetParam().differ);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, StoredValues,
    ::testing::Values(Pair{"SameNumber", 0.003, 0.003, false}, Pair{"LastDigit", 0.1, std::nextafter(0.1, 1.0), true},
                      Pair{"IntegerAndReal", 1, 1.0, false}, Pair{"LetterCase", "Carcinogen", "carcinogen", true},
                      Pair{"NumberAndText", 1, "1", true}, Pair{"NullInTable", QVariant(), 5.0, false},
                      Pair{"NullInConstituent", 5.0, QVariant(), false}),
    [](const ::testing::TestParamInfo<Pair>& info) { return info.param.name; });

TEST(AlteredProperties, ListsEachDifferingPropertyOfTheOpenAnalysisInColumnOrder)
{
    TempDatabase db;
    ScopedProgramState scope(db.state);
    QMdiArea area;
    Forms::setMdiArea(&area);
    db.insertAnalysis(1, "Plating");
    db.state.gCurSiteKey = 1;
    const auto add = [&db](const char* table, QVariantMap row, const QString& name, const QString& cas) {
        row.insert("CHEMNAME", name);
        row.insert("CHEMCAS", cas);
        db.insert(table, row);
    };
    add("COCS", {{"MCL", 0.003}, {"ORDO", 3e-4}, {"CARCNON", "Carcinogen"}, {"KSW", 5}, {"LOGKOW", 1.5}}, "As",
        "7440-38-2");
    add("COCS", {{"MCL", 0.005}, {"BCF", QVariant()}}, "Bz", "71-43-2");
    add("COCS", {{"TC", 1}}, "Q", "O'Brien-1");
    add("SITECOCS", {{"SITEKEY", 1}, {"MCL", 0.002}, {"ORDO", 3e-4}, {"CARCNON", "carcinogen"}, {"LOGKOW", 2.5}},
        "Arsenic", "7440-38-2");
    add("SITECOCS", {{"SITEKEY", 1}, {"MCL", 0.005}, {"BCF", 4.3}}, "Benzene", "71-43-2");
    add("SITECOCS", {{"SITEKEY", 1}, {"MCL", 1}}, "Own", "999-01-1");
    add("SITECOCS", {{"SITEKEY", 1}, {"TC", 2}}, "Quoted", "o'brien-1");
    add("SITECOCS", {{"SITEKEY", 2}, {"MCL", 9}}, "Arsenic", "7440-38-2");

    const GridModel& g = Forms::get<frmChngChems>()->grid()->grid();
    ASSERT_EQ(g.dataRowCount(), 4);
    EXPECT_EQ(shownRow(g, 0), QStringList({"Arsenic", "7440-38-2", "Maximum Concentration Level", "MCL", "mg/L",
                                           "0.003", "0.002"}));
    EXPECT_EQ(shownRow(g, 1).mid(4), QStringList({"---", "Carcinogen", "carcinogen"}));
    EXPECT_EQ(shownRow(g, 2).mid(5), QStringList({"1.5", "2.5"})) << "the octanol-water column too";
    EXPECT_EQ(shownRow(g, 3), QStringList({"Quoted", "o'brien-1", "Toxicity Characteristic Level", "TC", "mg/L",
                                           "1", "2"}));
    Forms::unload<frmChngChems>();
    Forms::setMdiArea(nullptr);
}

} // namespace
