#include "core/temp_database.h"

#include "data/schema.h"
#include "platform/db/recordset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

namespace {

QStringList columnsOf(Connection& conn, const QString& table)
{
    QStringList out;
    auto rows = conn.select(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    EXPECT_TRUE(rows.ok());
    for (const auto& r : rows->rows)
        out << r[0].toString();
    return out;
}

TEST(Schema, TablesHaveTheirColumnsInOrder)
{
    TempDatabase db;
    const QStringList site = columnsOf(db.conn(), QStringLiteral("SITEINFO"));
    EXPECT_EQ(site,
              (QStringList{"SITEKEY", "FILENAME", "PETNAME", "PETID", "FACID1", "FACID2", "CITY", "STATE", "ZIPCODE",
                           "ANALDATE", "DLSTDATE", "USERNAME", "COMMENTS", "KORRGION", "WSTEDESC", "WSTECODE"}));
    EXPECT_EQ(columnsOf(db.conn(), QStringLiteral("WMUINFO")),
              (QStringList{"SITEKEY", "WMUTYPE", "WASTEVOL", "WVOLUNIT", "ACTVLIFE", "RISKFACT", "HQFACT", "FLOWRATE",
                           "FLWRUNIT"}));

    const QStringList cocs = columnsOf(db.conn(), QStringLiteral("SITECOCS"));
    ASSERT_EQ(cocs.size(), 98);
    EXPECT_EQ(cocs[31], QStringLiteral("KSW"));
    EXPECT_EQ(cocs[32], QStringLiteral("SWINGh"));
    EXPECT_EQ(cocs[85], QStringLiteral("GWINHsr"));
    EXPECT_EQ(cocs[86], QStringLiteral("ECOACUTE"));
    EXPECT_EQ(cocs[97], QStringLiteral("LOGKOW"));

    const QStringList chem = columnsOf(db.conn(), QStringLiteral("COCS"));
    ASSERT_EQ(chem.size(), 28);
    for (int p = 2; p <= 26; ++p)
        EXPECT_EQ(chem[p], cocs[p + 5]) << "chemical column " << p << " is the constituent column " << p + 5;
    EXPECT_EQ(columnsOf(db.conn(), QStringLiteral("Cus_COCS")), chem);

    const QStringList delist = columnsOf(db.conn(), QStringLiteral("DelistCOCS"));
    EXPECT_EQ(delist.mid(0, 32), cocs.mid(0, 32));
    ASSERT_GT(delist.size(), 32);
    EXPECT_EQ(delist[32], QStringLiteral("LOGKOW"));
    EXPECT_EQ(delist.mid(33), delistingResultFields());

    EXPECT_EQ(columnsOf(db.conn(), QStringLiteral("GWDelisting")).size(), 11);
    EXPECT_EQ(columnsOf(db.conn(), QStringLiteral("CONSTNTS")), exposureConstantFields());
    ASSERT_GT(columnsOf(db.conn(), QStringLiteral("DAFs")).size(), 1);
    EXPECT_EQ(columnsOf(db.conn(), QStringLiteral("DAFs"))[1], QStringLiteral("CAS Num"));
    EXPECT_TRUE(verifySchema(db.conn()).ok());
}

TEST(Schema, NamesAreUniqueWithoutLetterCaseAndAMissingTableIsFound)
{
    TempDatabase db;
    db.insertAnalysis(1, QStringLiteral("Plant A"));
    auto dup = db.conn().exec(QStringLiteral("INSERT INTO SITEINFO (SITEKEY, FILENAME) VALUES (2, 'PLANT a')"));
    ASSERT_FALSE(dup.ok());
    EXPECT_EQ(dup.error().number, kSqliteConstraintUnique);

    ASSERT_TRUE(db.conn().exec(QStringLiteral("DROP VIEW SITECOCSQuery")).ok());
    EXPECT_FALSE(verifySchema(db.conn()).ok());
}

TEST(Schema, ViewJoinsOneGroundwaterRowPerConstituentOfItsOwnAnalysis)
{
    TempDatabase db;
    // Two analyses' rows interleaved in rowid order; Toluene has fewer groundwater rows than rows.
    const char* benzene = "71-43-2";
    const char* toluene = "108-88-3";
    for (const auto& [key, cas] :
         {std::pair{1, benzene}, {2, benzene}, {1, toluene}, {1, benzene}, {2, benzene}, {1, toluene}, {1, toluene}})
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", key}, {"CHEMCAS", cas}});
    for (const auto& [key, cas, level] : {std::tuple{2, benzene, 9.0},
                                          {2, benzene, 8.0},
                                          {1, benzene, 1.0},
                                          {1, toluene, 11.0},
                                          {1, benzene, 2.0},
                                          {1, toluene, 12.0}})
        db.insert(QStringLiteral("GWDelisting"), {{"SITEKEY", key}, {"ChemCas", cas}, {"GWDL", level}});

    const std::map<int, QVariantList> levels = {{1, {1.0, 11.0, 2.0, 12.0, QVariant()}}, {2, {9.0, 8.0}}};
    for (const auto& [key, expected] : levels) {
        auto rows = db.conn().select(
            QStringLiteral("SELECT GWDL, LMTPTHTC FROM SITECOCSQuery WHERE SITEKEY = ? ORDER BY COCROWID"), {key});
        ASSERT_TRUE(rows.ok());
        ASSERT_EQ(rows->rows.size(), size_t(expected.size())) << "analysis " << key;
        for (size_t r = 0; r < rows->rows.size(); ++r) {
            EXPECT_EQ(rows->rows[r][0], expected[qsizetype(r)]) << "analysis " << key << ", row " << r;
            EXPECT_FALSE(rows->rows[r][1].isValid());
        }
    }
}

TEST(Schema, ValuesAreConvertedToTheirColumnBeforeEveryWrite)
{
    const TableDef& site = siteInfoTable();
    const TableDef& unit = wmuInfoTable();
    auto conv = [](const TableDef& t, const char* col, const QVariant& v) {
        return convertToColumn(*t.column(QString::fromLatin1(col)), v);
    };

    EXPECT_EQ(conv(site, "STATE", QStringLiteral("TX"))->toString(), QStringLiteral("TX"));
    EXPECT_FALSE(conv(site, "STATE", QStringLiteral("TXX")).ok()) << "nothing is cut silently";
    EXPECT_FALSE(conv(site, "FILENAME", QString(256, QLatin1Char('a'))).ok());
    EXPECT_TRUE(conv(site, "COMMENTS", QString(10000, QLatin1Char('a'))).ok());
    EXPECT_FALSE(conv(site, "FILENAME", QVariant()).value().isValid()) << "NULL stays NULL";
    EXPECT_TRUE(conv(site, "FILENAME", QString(QChar(0xDC00))).error().description.contains("FILENAME"));

    EXPECT_EQ(conv(unit, "WASTEVOL", QStringLiteral(" 1.5e3 "))->toDouble(), 1500.0);
    EXPECT_FALSE(conv(unit, "WASTEVOL", QStringLiteral("1,000")).ok());
    EXPECT_FALSE(conv(unit, "WASTEVOL", std::nan("")).ok());
    EXPECT_EQ(conv(unit, "WVOLUNIT", 2.5)->toLongLong(), 2) << "half to even";
    EXPECT_FALSE(conv(unit, "WVOLUNIT", 40000).ok()) << "16-bit range";
    EXPECT_EQ(conv(site, "KORRGION", -1)->toLongLong(), -1);
    EXPECT_EQ(convertToColumn(*siteCocsTable().column(QStringLiteral("DLTCLP")), -1)->toLongLong(), 1);
    EXPECT_EQ(convertToColumn(*siteCocsTable().column(QStringLiteral("DLTCLP")), false)->toLongLong(), 0);

    const ColumnDef& single = *gwDelistingTable().column(QStringLiteral("DAF_SF"));
    EXPECT_EQ(convertToColumn(single, 10.1)->toDouble(), double(10.1f)) << "stored as the double of the float";
    EXPECT_FALSE(convertToColumn(single, 1e300).ok());
}

TEST(Schema, RecordSetsOfATableConvertWhatTheyWrite)
{
    TempDatabase db;
    db.insertAnalysis(3, QStringLiteral("A"));
    auto rs = openTableRecordset(db.conn(), wmuInfoTable(), QStringLiteral("SITEKEY = ?"), {3});
    ASSERT_TRUE(rs.ok());
    rs->setValue(QStringLiteral("WASTEVOL"), QStringLiteral("abc"));
    EXPECT_FALSE(rs->update().ok());
    rs->cancelUpdate();
    rs->setValue(QStringLiteral("WASTEVOL"), QStringLiteral("250"));
    ASSERT_TRUE(rs->update().ok());
    auto t = db.conn().scalar(QStringLiteral("SELECT typeof(WASTEVOL) FROM WMUINFO WHERE SITEKEY = 3"));
    EXPECT_EQ(t->toString(), QStringLiteral("real"));
}

}   // namespace
