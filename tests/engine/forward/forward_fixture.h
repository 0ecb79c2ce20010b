#pragma once

#include "core/temp_database.h"
#include "engine/common/daf_tables.h"
#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

#include <gtest/gtest.h>

// Fixtures of the forward-engine tests: a CONSTNTS row with round values, constituents, DAF
// curves.

// Every exposure constant 1, then the values the groundwater formulas read, chosen so that
// hand-computed results come out round; EV = 1 and IR = CRAIR as in the shipped row.
inline QVariantMap testConstantsRow()
{
    QVariantMap row;
    for (const QString& f : exposureConstantFields())
        row.insert(f, 1.0);
    const std::pair<const char*, double> values[] = {
        {"CRWATER", 2}, {"CRAIR", 20},  {"ED", 30},      {"EDCHILD", 6},    {"EF", 350},         {"ATCARC", 70},
        {"ATNON", 30},  {"ATCHILD", 6}, {"BWADULT", 70}, {"BWCHILD", 15},   {"IFWADJ", 1},       {"TADULT", 0.5},
        {"TCHILD", 1},  {"EV", 1},      {"IR", 20},      {"ETshower", 0.2}, {"ETbathroom", 0.5}, {"ETHouse", 16}};
    for (const auto& [name, value] : values)
        row.insert(QString::fromLatin1(name), value);
    return row;
}

inline ExposureConstants loadTestConstants(TempDatabase& db, const QVariantMap& row = testConstantsRow())
{
    db.insert(QStringLiteral("CONSTNTS"), row);
    Result<ExposureConstants> k = LoadExposureConstants(db.conn());
    EXPECT_TRUE(k.ok());
    return k.ok() ? *k : ExposureConstants{};
}

// A volatile organic carcinogen with both slope factors and both reference doses.
inline ConstituentInputs testOrganic(const QString& cas = QStringLiteral("71-43-2"))
{
    ConstituentInputs in;
    in.CHEMCAS = cas;
    in.CHEMNAME = QStringLiteral("Benzene");
    in.CARCNON = QStringLiteral("Carcinogen");
    in.TCLPCONC = 0.5;
    in.TOTCONC = 10;
    in.MCL = 0.005;
    in.ORDO = 0.004;
    in.ORDI = 0.03;
    in.CSFO = 0.055;
    in.CSFI = 0.0273;
    in.HENRY = 0.00555;
    in.DIFFW = 0.0000098;
    in.DIFFA = 0.088;
    in.K = 0.015;
    in.TAU = 0.29;
    in.TSTAR = 0.7;
    in.B = 0.051;
    in.ORGANIC = 1;
    return in;
}

// A non-volatile inorganic noncarcinogen.
inline ConstituentInputs testInorganic(const QString& cas = QStringLiteral("7440-39-3"))
{
    ConstituentInputs in;
    in.CHEMCAS = cas;
    in.CHEMNAME = QStringLiteral("Barium");
    in.CARCNON = QStringLiteral("Noncarcinogen");
    in.TCLPCONC = 2;
    in.TOTCONC = 40;
    in.MCL = 2;
    in.ORDO = 0.2;
    in.ORDI = 0.0005;
    in.K = 0.001;
    return in;
}

// One DAF row with the same concentration and DAF in the landfill and impoundment columns,
// carcinogen and noncarcinogen alike.
inline void addDafRow(TempDatabase& db, const QString& cas, double conc, double daf,
                      const QString& table = QStringLiteral("DAFs"))
{
    db.insert(table, {{"CAS Num", cas},
                      {"LFconc", conc},
                      {"DAFLF_CARC", daf},
                      {"DAFLF_NON", daf},
                      {"SIconc", conc},
                      {"DAFSI_CARC", daf},
                      {"DAFSI_NON", daf}});
}

inline DafCurves loadCurves(TempDatabase& db, const QStringList& cas)
{
    Result<DafCurves> c = DafCurves::load(db.conn(), cas);
    EXPECT_TRUE(c.ok());
    return c.ok() ? std::move(*c) : DafCurves();
}

// The run context of a waste unit with the targets 1 and 1e-5: its total volume and the DAF
// scaling factor of that volume (1 for the default 200000 cubic yards).
inline RunContext testContext(float wasteVolYd3 = 200000, const QString& wmuType = QStringLiteral("LF"))
{
    RunContext ctx;
    ctx.HQFACT = 1;
    ctx.RISKFACT = float(1e-5);
    ctx.gWasteVolYd3 = wasteVolYd3;
    ctx.gWmuType = wmuType;
    ctx.gDafScale = dafScaleFactor(wasteVolYd3, wmuType);
    return ctx;
}

// The same with a given scaling factor, for the steps that do not compute it.
inline RunContext scaledContext(float dafScale, const QString& wmuType = QStringLiteral("LF"))
{
    RunContext ctx = testContext(200000, wmuType);
    ctx.gDafScale = dafScale;
    return ctx;
}
