#include "data/chemical_change_log.h"

#include "core/temp_database.h"

#include <gtest/gtest.h>

namespace {

TableRow chemical(const QString& name, const QVariant& cas, const QVariantMap& properties = {})
{
    const TableDef& t = cocsTable();
    TableRow row = emptyRow(t);
    row[0] = name;
    row[1] = cas;
    for (auto it = properties.begin(); it != properties.end(); ++it)
        row[columnOf(t, it.key())] = it.value();
    return row;
}

} // namespace

TEST(ChemicalChangeLog, FindsTheImageByExactCasNumber)
{
    const std::vector<TableRow> before = {chemical("Lead", "7439-92-1", {{"MCL", 0.015}}),
                                          chemical("Lead again", "7439-92-1", {{"MCL", 0.02}}),
                                          chemical("Unnamed", QVariant(), {{"MCL", 1.0}})};
    const std::vector<TableRow> after = {chemical("Lead", "7439-92-1", {{"MCL", 0.02}}),
                                         chemical("Unnamed", QVariant(), {{"MCL", 2.0}}),
                                         chemical("Other", "7439-92-1X", {{"MCL", 3.0}})};
    const std::vector<ChemicalChange> expected = {{"Lead", "7439-92-1", "MCL", "0.015", "0.02"}};
    EXPECT_EQ(compareChemicalTables(before, after), expected);
}

TEST(ChemicalChangeLog, AppendsInOneTransactionAndReadsBackInStoredOrder)
{
    TempDatabase db;
    db.insert("DBCHANGE", {{"CHNGDATE", "2020-01-02"}, {"CHEMNAME", "Old"}, {"CHEMCAS", "1-1-1"},
                           {"PROP", "MCL"}, {"OLDVAL", "1"}, {"NEWVAL", "2"}});
    const std::vector<ChemicalChange> changes = {{"Benzene", "71-43-2", "HENRY", "0.00555", "0.006"},
                                                 {"Arsenic", "7440-38-2", "CHEMNAME", "Arsenic", "Arsenic (total)"}};
    ASSERT_TRUE(appendChangeLog(db.conn(), QDate(2024, 3, 9), changes).ok());
    Result<std::vector<ChemicalChange>> log = readChangeLog(db.conn());
    ASSERT_TRUE(log.ok());
    ASSERT_EQ(log->size(), 3u);
    EXPECT_EQ((*log)[0], (ChemicalChange{"Old", "1-1-1", "MCL", "1", "2"}));
    EXPECT_EQ((*log)[1], changes[0]);
    EXPECT_EQ((*log)[2], changes[1]);
    Result<QVariant> days = db.conn().scalar("SELECT COUNT(*) FROM DBCHANGE WHERE CHNGDATE = '2024-03-09'");
    EXPECT_EQ(days->toInt(), 2);

    ASSERT_TRUE(db.conn().exec("CREATE TRIGGER refuse BEFORE INSERT ON DBCHANGE WHEN NEW.PROP = 'TC' "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END").ok());
    const QByteArray unchanged = db.checksum();
    const std::vector<ChemicalChange> second = {{"Lead", "7439-92-1", "MCL", "0.015", "0.02"},
                                                {"Lead", "7439-92-1", "TC", "5", "6"}};
    EXPECT_FALSE(appendChangeLog(db.conn(), QDate(2024, 3, 10), second).ok());
    EXPECT_EQ(db.checksum(), unchanged) << "a refused row leaves none of its summary behind";
}
