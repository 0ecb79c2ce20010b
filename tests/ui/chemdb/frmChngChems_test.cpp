#include "ui/chemdb/frmChngChems.h"

#include "core/temp_database.h"
#include "ui/chemdb/stored_values.h"
#include "ui/grid_readback.h"
#include "ui/printers.h"
#include "ui/scripted_services.h"

#include <QMdiArea>

#include <cmath>

#include <gtest/gtest.h>

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
    ::testing::Values(Pair{"SameNumber", 0.003, 0.003, false}, Pair{"OtherNumber", 0.003, 0.002, true},
                      Pair{"LastDigit", 0.1, std::nextafter(0.1, 1.0), true}, Pair{"IntegerAndReal", 1, 1.0, false},
                      Pair{"SameText", "Carcinogen", "Carcinogen", false},
                      Pair{"LetterCase", "Carcinogen", "carcinogen", true}, Pair{"NumberAndText", 1, "1", true},
                      Pair{"NullInTable", QVariant(), 5.0, false}, Pair{"NullInConstituent", 5.0, QVariant(), false}),
    [](const ::testing::TestParamInfo<Pair>& info) { return info.param.name; });

class AlteredProperties : public ::testing::Test {
protected:
    AlteredProperties() : m_scope(db.state)
    {
        Forms::setMdiArea(&m_area);
        db.insertAnalysis(1, "Plating");
        db.state.gCurSiteKey = 1;
    }
    ~AlteredProperties() override
    {
        Forms::unload<frmChngChems>();
        Forms::setMdiArea(nullptr);
    }

    void chemical(const QString& cas, const QVariantMap& properties)
    {
        QVariantMap row = properties;
        row.insert("CHEMNAME", "Table " + cas);
        row.insert("CHEMCAS", cas);
        db.insert("COCS", row);
    }
    void constituent(qint32 key, const QString& name, const QString& cas, const QVariantMap& properties)
    {
        QVariantMap row = properties;
        row.insert("SITEKEY", key);
        row.insert("CHEMNAME", name);
        row.insert("CHEMCAS", cas);
        db.insert("SITECOCS", row);
    }
    QList<QStringList> shownLines()
    {
        frmChngChems* w = Forms::get<frmChngChems>();
        w->showForm();
        const GridModel& g = w->grid()->grid();
        QList<QStringList> lines;
        for (int r = 0; r < g.dataRowCount(); ++r)
            lines << shownRow(g, r);
        return lines;
    }

    TempDatabase db;
    ScriptedMessages messages;

private:
    ScopedProgramState m_scope;
    QMdiArea m_area;
};

TEST_F(AlteredProperties, ListsEachDifferingPropertyInTheTablesColumnOrder)
{
    chemical("7440-38-2", {{"MCL", 0.003}, {"ORDO", 0.0003}, {"CARCNON", "Carcinogen"}, {"KSW", 5}, {"LOGKOW", 1.5}});
    chemical("71-43-2", {{"MCL", 0.005}, {"CSFO", 0.055}, {"BCF", QVariant()}});
    chemical("O'Brien-1", {{"TC", 1}});
    constituent(1, "Arsenic", "7440-38-2",
                {{"MCL", 0.002}, {"ORDO", 0.0003}, {"CARCNON", "carcinogen"}, {"KSW", QVariant()}, {"LOGKOW", 2.5}});
    constituent(1, "Benzene", "71-43-2", {{"MCL", 0.005}, {"CSFO", 0.055}, {"BCF", 4.3}});
    constituent(1, "Own", "999-01-1", {{"MCL", 1}});
    constituent(1, "Quoted", "o'brien-1", {{"TC", 2}});
    constituent(2, "Arsenic", "7440-38-2", {{"MCL", 9}});

    const QList<QStringList> lines = shownLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringList({"Arsenic", "7440-38-2", "Maximum Concentration Level", "MCL", "mg/L", "0.003",
                                     "0.002"}));
    EXPECT_EQ(lines[1].mid(2, 1), QStringList({"Carcinogenic or Noncarcinogenic"}));
    EXPECT_EQ(lines[1].mid(5), QStringList({"Carcinogen", "carcinogen"}));
    EXPECT_EQ(lines[2].mid(5), QStringList({"1.5", "2.5"})) << "the octanol-water column is compared too";
    EXPECT_EQ(lines[3], QStringList({"Quoted", "o'brien-1", "Toxicity Characteristic Level", "TC", "mg/L", "1", "2"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(AlteredProperties, AnAnalysisThatKeepsTheTablesValuesGivesAnEmptyList)
{
    chemical("71-43-2", {{"MCL", 0.005}, {"CARCNON", "Carcinogen"}});
    constituent(1, "Benzene", "71-43-2", {{"MCL", 0.005}, {"CARCNON", "Carcinogen"}});
    EXPECT_TRUE(shownLines().isEmpty());
}

TEST_F(AlteredProperties, AFailedLoadIsReportedOnce)
{
    constituent(1, "Benzene", "71-43-2", {{"MCL", 0.005}});
    ASSERT_TRUE(db.conn().exec("DROP TABLE COCS").ok());
    messages.expect("Unable to Save");
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_TRUE(messages.done());
}

} // namespace
