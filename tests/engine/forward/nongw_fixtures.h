#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

#include "../relative_near.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Constants and constituents of the non-groundwater tests: values of the right magnitude,
// chosen here. The expected values of the tests were computed independently from the formulas
// in double precision with the same roundings to single.

inline ExposureConstants nongwConstants()
{
    ExposureConstants c;
    c.CRWATER = 2, c.CRAIR = 20, c.CRSOIL = 200, c.CRFISH = 0.054f, c.ED = 30, c.EDCHILD = 6, c.EF = 350;
    c.ATCARC = 70, c.ATNON = 30, c.ATCHILD = 6, c.BWADULT = 70, c.BWCHILD = 15, c.IFWADJ = 1.09f, c.IFSADJ = 114;
    c.R = 150, c.K = 0.3f, c.C = 0.5f, c.p = 1, c.d = 0.1f;
    c.F_X = 0.194f, c.KP10 = 0.35f, c.KP30 = 0.73f, c.KPL10 = 0.35f, c.KPL30 = 0.74f, c.S = 8.5f, c.SPEED = 24;
    c.WEIGHT = 20, c.W = 6, c.PRECIP = 100, c.VKT = 99, c.V = 0.5f, c.DH = 1, c.M = 10, c.YD = 3;
    c.F = 0.25f, c.A = 0.2f, c.B = 0.9f, c.U = 4.5f, c.T = 298, c.PTOT = 0.5f, c.PAIR = 0.25f, c.DCOVER = 60;
    c.RGAS = 82.05f, c.MUAIR = 1.81e-4f, c.RHOAIR = 1.2e-3f, c.DETHER = 8.5e-6f;
    c.BDSOIL = 1.5f, c.DSOIL = 1, c.VSETTLE = 0.01f;
    c.gInhFactorAdj = 10.666667f, c.gInhRateDivisor = 70, c.gPartOffset = 0;
    return c;
}

// The run context of `wasteVol` cubic yards a year over `activeLife` years, HQFACT 1, RISKFACT 1E-5.
inline RunContext nongwRun(const char* unitType, double wasteVol, double activeLife)
{
    WasteUnit u;
    u.WMUTYPE = QString::fromLatin1(unitType);
    u.WASTEVOL = wasteVol, u.WVOLUNIT = 0, u.ACTVLIFE = activeLife, u.HQFACT = 1.0, u.RISKFACT = 1e-5;
    RunContext ctx;
    EXPECT_TRUE(CalcWasteVolume(ctx, u).ok());
    EXPECT_TRUE(setRunTargets(ctx, u).ok());
    return ctx;
}
inline RunContext landfillRun()
{
    return nongwRun("LF", 1000, 10);
}
inline RunContext impoundmentRun()
{
    return nongwRun("SI", 50000, 20);
}

inline ConstituentInputs benzene()
{
    ConstituentInputs in;
    in.CHEMNAME = QStringLiteral("Benzene"), in.CHEMCAS = QStringLiteral("71-43-2");
    in.TOTCONC = 50, in.TCLPCONC = 0.5, in.ORDO = 0.004, in.CSFO = 0.055, in.ORDI = 0.03, in.CSFI = 0.0273;
    in.BCF = 5.2, in.LOGKOW = 2.13, in.VAPORP = 0.125, in.MW = 78.11, in.DIFFA = 0.088, in.DIFFW = 9.8e-6;
    in.HENRY = 5.55e-3, in.ECOCHRON = 0.1;
    return in;
}

// Not volatile, no oral slope factor, partitioning onto suspended solids.
inline ConstituentInputs cadmium()
{
    ConstituentInputs in;
    in.CHEMNAME = QStringLiteral("Cadmium"), in.CHEMCAS = QStringLiteral("7440-43-9");
    in.TOTCONC = 20, in.TCLPCONC = 0.2, in.ORDO = 5e-4, in.ORDI = 1e-5, in.CSFI = 6.3, in.BCF = 907;
    in.KSW = 1000, in.MW = 112.4, in.ECOCHRON = 0.00025;
    return in;
}

// Bioaccumulating (LOGKOW above 4, BAF and BCF), no inhalation reference concentration.
inline ConstituentInputs pcb()
{
    ConstituentInputs in;
    in.CHEMNAME = QStringLiteral("PCBs"), in.CHEMCAS = QStringLiteral("1336-36-3");
    in.TOTCONC = 2, in.TCLPCONC = 0.001, in.ORDO = 2e-5, in.CSFO = 2, in.CSFI = 2, in.BCF = 300, in.BAF = 10000;
    in.LOGKOW = 6.5, in.KSW = 2000, in.VAPORP = 4e-7, in.MW = 326, in.DIFFA = 0.05, in.DIFFW = 5e-6;
    in.HENRY = 4e-4, in.ECOCHRON = 1.4e-5;
    return in;
}

inline ConstituentInputs lead()
{
    ConstituentInputs in;
    in.CHEMNAME = QStringLiteral("Lead"), in.CHEMCAS = QStringLiteral("7439-92-1");
    in.TOTCONC = 400, in.TCLPCONC = 1, in.BCF = 49, in.KSW = 500, in.ECOCHRONIsNull = true;
    return in;
}

inline ConstituentInputs fishMercury()
{
    ConstituentInputs in = cadmium();
    in.CHEMNAME = QStringLiteral("Mercury (Fish Pathway Only)"), in.CHEMCAS = QStringLiteral("22967-92-6");
    in.CSFO = 0.1;
    return in;
}

using ResultMember = std::optional<double> ConstituentResults::*;
using Expected = std::vector<std::pair<ResultMember, double>>;

// Each field of `expected` is written and within a relative 1e-6 of its value.
inline void expectResults(const ConstituentResults& out, const Expected& expected, const QString& name)
{
    for (const auto& [field, value] : expected) {
        ASSERT_TRUE((out.*field).has_value()) << qPrintable(name);
        EXPECT_TRUE(RelNear(*(out.*field), value, 1e-6)) << qPrintable(name);
    }
}
