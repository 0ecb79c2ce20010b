#pragma once

#include <QString>

#include <array>
#include <optional>

// One constituent row as the forward run computes it: the inputs are read once before the
// pathway steps, the results are written once after them.

// The inputs of a SITECOCS row that the formulas read. A NULL number reads as 0, as every
// formula takes it; the one NULL that changes an outcome, ECOCHRON's, is kept as a flag.
struct ConstituentInputs {
    QString CHEMCAS;
    QString CHEMNAME;
    QString CARCNON;   // "Carcinogen" or "Noncarcinogen"
    double TCLPCONC = 0;
    double TOTCONC = 0;
    double MCL = 0, CSFO = 0, CSFI = 0, ORDO = 0, ORDI = 0, BCF = 0, HENRY = 0, DIFFW = 0, DIFFA = 0, TSTAR = 0, K = 0,
           TAU = 0, B = 0, ORGANIC = 0, BAF = 0, ECOCHRON = 0, MW = 0, VAPORP = 0, KSW = 0, LOGKOW = 0;
    bool ECOCHRONIsNull = false;
};

// The forward result fields of a SITECOCS row. A field that no step writes stays NULL.
struct ConstituentResults {
    std::optional<double> SWINGh, SWINGr, SWINGsh, SWINGsr, FISHINGh, FISHINGr, FISHINGsh, FISHINGsr, AMBCONC, ECOCHRNs,
        AIRINHVh, AIRINHVr, AIRINHVsh, AIRINHVsr, AIRINHPh, AIRINHPr, AIRINHPsh, AIRINHPsr, SOILINGh, SOILINGr,
        SOILINGsh, SOILINGsr;
    std::optional<QString> LMTPTHTO;
    std::optional<double> LMTTOTAL, GWINGh, GWINGr, GWMaxINGsh, GWMaxINGsr, GWINGsh, GWINGsr, GWADULTh, GWADULTr,
        GWMaxADULTsh, GWMaxADULTsr, GWADULTsh, GWADULTsr, GWCHILDh, GWCHILDr, GWMaxCHILDsh, GWMaxCHILDsr, GWCHILDsh,
        GWCHILDsr, GWINHh, GWINHr, SHWRRATEh, SHWRRATEr, BATHRATEh, BATHRATEr, HSERATEh, HSERATEr, GWMaxINHsh,
        GWMaxINHsr, GWINHsh, GWINHsr;
};

// The numeric result fields by column name, in the catalogue order of the table (LMTPTHTO,
// the one text field, stands between SOILINGsr and LMTTOTAL).
struct NumericResultField {
    const char* name;
    std::optional<double> ConstituentResults::*member;
};
const std::array<NumericResultField, 53>& numericResultFields();
