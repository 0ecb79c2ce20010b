#include "ui/chemdb/frmChngChems.h"

#include "core/temp_database.h"
#include "ui/grid_readback.h"
#include "ui/printers.h"

#include <QMdiArea>

#include <gtest/gtest.h>

#include <cmath>

namespace {

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
    add("COCS", {{"MCL", 0.003}, {"ORDO", 3e-4}, {"K", 1}, {"CARCNON", "Carcinogen"}, {"KSW", 5}, {"LOGKOW", 1.5}},
        "As", "7440-38-2");
    add("COCS", {{"MCL", 0.005}, {"BCF", QVariant()}}, "Bz", "71-43-2");
    add("COCS", {{"TC", 1}}, "Q", "O'Brien-1");
    // A last-digit change counts; a NULL on either side (KSW, BCF) does not.
    add("SITECOCS",
        {{"SITEKEY", 1},
         {"MCL", 0.002},
         {"ORDO", 3e-4},
         {"K", std::nextafter(1.0, 2.0)},
         {"CARCNON", "carcinogen"},
         {"LOGKOW", 2.5}},
        "Arsenic", "7440-38-2");
    add("SITECOCS", {{"SITEKEY", 1}, {"MCL", 0.005}, {"BCF", 4.3}}, "Benzene", "71-43-2");
    add("SITECOCS", {{"SITEKEY", 1}, {"MCL", 1}}, "Own", "999-01-1");   // not in the table
    add("SITECOCS", {{"SITEKEY", 1}, {"TC", 2}}, "Quoted", "o'brien-1");
    add("SITECOCS", {{"SITEKEY", 2}, {"MCL", 9}}, "Arsenic", "7440-38-2");

    const GridModel& g = Forms::get<frmChngChems>()->grid()->grid();
    ASSERT_EQ(g.dataRowCount(), 5);
    EXPECT_EQ(shownRow(g, 0),
              QStringList({"Arsenic", "7440-38-2", "Maximum Concentration Level", "MCL", "mg/L", "0.003", "0.002"}));
    ASSERT_GT(g.columnCount(), 3);
    EXPECT_EQ(shownRow(g, 1)[3], "Kpw");
    EXPECT_EQ(shownRow(g, 2).mid(4), QStringList({"---", "Carcinogen", "carcinogen"}));
    EXPECT_EQ(shownRow(g, 3).mid(5), QStringList({"1.5", "2.5"})) << "the octanol-water column too";
    EXPECT_EQ(shownRow(g, 4),
              QStringList({"Quoted", "o'brien-1", "Toxicity Characteristic Level", "TC", "mg/L", "1", "2"}));
    Forms::unload<frmChngChems>();
    Forms::setMdiArea(nullptr);
}

}   // namespace
