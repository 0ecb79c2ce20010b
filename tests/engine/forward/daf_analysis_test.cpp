#include "engine/common/daf_tables.h"

#include "forward_fixture.h"

// The DAF curves of an analysis's constituents, read by the analysis key, are those read by
// their CAS numbers.

namespace {

bool sameCurve(const std::vector<DafPoint>& a, const std::vector<DafPoint>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].conc != b[i].conc || a[i].daf != b[i].daf)
            return false;
    return true;
}

TEST(DafCurvesOfAnAnalysis, AreThoseOfItsCasNumbers)
{
    TempDatabase db;
    const QStringList cas = {QStringLiteral("71-43-2"), QStringLiteral("abc-1"), QStringLiteral("7440-39-3"),
                             QStringLiteral("108-88-3"), QString()};
    for (const QString& c : cas)
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 1}, {"CHEMCAS", c.isNull() ? QVariant() : QVariant(c)}});
    db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 2}, {"CHEMCAS", "50-00-0"}});

    // Rows out of concentration order, a tie, a NULL and a text concentration, other analyses'
    // and other cases' CAS numbers, the user's table, an empty CAS number.
    const QVariantList rows[] = {
        {"71-43-2", 10.0, 30.0, 31.0, 5.0, 3.0, 4.0},
        {"50-00-0", 1.0, 2.0, 2.0, 1.0, 2.0, 2.0},
        {"71-43-2", 0.1, 10.0, 11.0, 50.0, 1.0, 2.0},
        {"ABC-1", 2.0, 5.0, 6.0, 2.0, 7.0, 8.0},
        {"71-43-2", 10.0, 40.0, 41.0, QVariant(), 9.0, 9.5},
        {"abc-1", 1.0, 4.0, 4.5, "x", 3.0, 3.5},
        {"", 1.0, 12.0, 13.0, 1.0, 14.0, 15.0},
    };
    for (const QVariantList& r : rows)
        db.insert(QStringLiteral("DAFs"), {{"CAS Num", r[0]},
                                           {"LFconc", r[1]},
                                           {"DAFLF_CARC", r[2]},
                                           {"DAFLF_NON", r[3]},
                                           {"SIconc", r[4]},
                                           {"DAFSI_CARC", r[5]},
                                           {"DAFSI_NON", r[6]}});
    addDafRow(db, QStringLiteral("7440-39-3"), 2, 20, QStringLiteral("Cus_DAFs"));
    addDafRow(db, QStringLiteral("71-43-2"), 3, 33, QStringLiteral("Cus_DAFs"));

    const DafCurves byCas = loadCurves(db, cas);
    // The unit type of the run and the unit types of the lookups that it makes.
    const std::pair<const char*, QStringList> runs[] = {
        {"LF", {"LF"}}, {"SI", {"SI"}}, {"si", {"LF", "si"}}, {"", {"LF", "SI"}}};
    for (const auto& [runType, lookupTypes] : runs) {
        const Result<DafCurves> byKey = DafCurves::loadForAnalysis(db.conn(), 1, cas, QLatin1String(runType));
        ASSERT_TRUE(byKey.ok());
        for (const QString& c : cas) {
            EXPECT_TRUE(byKey->isLoaded(c)) << qPrintable(c);
            for (const QString& unit : lookupTypes)
                for (const char* chemClass : {"CARC", "NON"})
                    for (const bool custom : {false, true}) {
                        const QLatin1String cls(chemClass);
                        EXPECT_TRUE(sameCurve(byKey->curve(c, unit, cls, custom), byCas.curve(c, unit, cls, custom)))
                            << runType << " " << qPrintable(c) << " " << qPrintable(unit) << " " << chemClass << " "
                            << custom;
                    }
        }
        EXPECT_FALSE(byKey->isLoaded(QStringLiteral("50-00-0"))) << "another analysis's chemical";
    }

    const Result<DafCurves> landfill = DafCurves::loadForAnalysis(db.conn(), 1, cas, QStringLiteral("LF"));
    const QString lf = QStringLiteral("LF");
    const QString non = QStringLiteral("NON");
    EXPECT_EQ(landfill->curve(QStringLiteral("71-43-2"), lf, non, false).size(), 3u);
    EXPECT_EQ(landfill->curve(QStringLiteral("ABC-1"), lf, non, false).size(), 2u);
    EXPECT_EQ(landfill->curve(QString(), lf, non, false).size(), 1u)
        << "an empty CAS number matches the rows of an empty one";
    EXPECT_TRUE(landfill->curve(QStringLiteral("71-43-2"), QStringLiteral("SI"), non, false).empty())
        << "the impoundment columns are not read for a landfill";
}

}   // namespace
