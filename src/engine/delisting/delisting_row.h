#pragma once

#include <QString>

#include <array>
#include <optional>

// One DelistCOCS row as the delisting-level run computes it: the chemical's properties are
// read once, the result columns are written once.

// The chemical properties the pathway levels read. A NULL number reads as 0. LOGKOW is the
// row's own column, which the refill never fills, so it is 0 in every run.
struct DelistChemical {
    QString CHEMCAS;
    bool CHEMCASIsNull = false;
    QString CARCNON;   // "Carcinogen" or "Noncarcinogen"
    double CSFO = 0, CSFI = 0, ORDO = 0, ORDI = 0, BCF = 0, HENRY = 0, DIFFW = 0, DIFFA = 0, TSTAR = 0, K = 0, TAU = 0,
           B = 0, ORGANIC = 0, BAF = 0, MW = 0, VAPORP = 0, KSW = 0, LOGKOW = 0;

    // Carcinogen exactly when CARCNON is "Carcinogen"; every other text is a noncarcinogen.
    bool isCarcinogen() const { return CARCNON == QLatin1String("Carcinogen"); }
};

// The result and DAF columns of a DelistCOCS row. A column that no step writes stays NULL.
// Values computed in single precision hold the double of that single.
struct DelistResults {
    std::optional<double> GWINGCgsr, GWINGCgsh, GWINGsr, GWINGsh, GWINHCgsr, GWINHCgsh, GWINHsr, GWINHsh, GWADULTCgsr,
        GWADULTCgsh, GWADULTsr, GWADULTsh, GWCHILDCgsr, GWCHILDCgsh, GWCHILDsr, GWCHILDsh, GWMaxADULTsr, GWMaxADULTsh,
        GWMaxCHILDsr, GWMaxCHILDsh, SWINGCswsr, SWINGCswsh, SWINGsr, SWINGsh, FISHINGCfishsr, FISHINGCfishsh,
        FISHINGCswsr, FISHINGCswsh, FISHINGsr, FISHINGsh, AIRCairsr, AIRCairsh, AIRQpsr, AIRQpsh, AIRQp10sr, AIRQp10sh,
        AIRINHPsr, AIRINHPsh, AIRINHVsr, AIRINHVsh, AIRSIsr, AIRSIsh, SOILINCsoilsr, SOILINCsoilsh, SOILINCairsr,
        SOILINCairsh, SOILINGsr, SOILINGsh, DAF, WVDAF, H_DAF, H_WVDAF;
};

// The result columns by name, in the order of the table.
struct DelistResultColumn {
    const char* name;
    std::optional<double> DelistResults::*member;
};
const std::array<DelistResultColumn, 52>& delistResultColumns();

// The value a single-precision column stores for `x`: the double of x rounded to single;
// nullopt when that is not finite.
std::optional<double> storedSingle(double x);
