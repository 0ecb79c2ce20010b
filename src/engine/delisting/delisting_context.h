#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/delisting/delisting_row.h"

#include <QHash>
#include <QString>
#include <QVariant>

// The site values of a delisting-level run, derived once from the waste unit and the exposure
// constants before the chemicals are visited. Single precision where declared float.
struct DelistingContext {
    RunContext run;           // the volumes and areas of CalcWasteVolume, HQFACT and RISKFACT
    double ACTVLIFE = 0;      // active life of the unit, years, as stored
    float gFlowRateDL = 0;    // impoundment flow rate, m3/yr
    float gVktOneWayDL = 0;   // gAnnualVolYd3 × 1.42 / 3650 + 7.4
    float VKT = 0;            // 2 × gVktOneWayDL, in place of the constant of CONSTNTS
    float gDispX = 0;
    float gDispSigma = 0;   // A × gDispX ^ B
    float gDispXv = 0;
    float gDispXSum = 0;          // (gDispXv + gDispX) × 1000
    float gExposedAreaM2DL = 0;   // gUnitAreaAcres × 1.5/365 × 4047
    float gLSFactor = 0;          // length-slope factor of the unit
    float gSoilLossDL = 0;        // K × R × gLSFactor × C × p × 907.185 × 0.28 × 0.0041
    QString gWmuTypeDL;           // "LF" landfill, "SI" surface impoundment
    float gDafScaleDL = 0;        // waste-volume DAF scaling factor, never below 1
};

// The site values for a waste unit that passed the run's checks. Fails, naming the value, when
// the volumes or a site value cannot be held in single precision.
Result<DelistingContext> setDelistingContext(const WasteUnit& unit, const ExposureConstants& c);

// The largest DAF of each chemical in the shipped table DAFs, in the carcinogen and the
// noncarcinogen column of the unit type ("LF" the landfill columns, any other type the
// impoundment's). The largest value is the one the table lists last in the column's order:
// NULL when every value is NULL, text when a value is text.
class DelistDafMaxima {
public:
    DelistDafMaxima() = default;
    static Result<DelistDafMaxima> load(Connection& conn, const QString& wmuType);

    // Whether DAFs holds a row of the chemical; its largest DAF otherwise.
    bool hasRows(const QString& cas) const;
    QVariant largest(const QString& cas, bool carcinogen) const;

private:
    QHash<QString, std::pair<QVariant, QVariant>> m_largest;   // by CAS with ASCII letters in lower case
};

// The DAFs of one chemical that its pathway levels use.
struct ChemicalDaf {
    float gWVDAF = 0;     // carcinogens: gDafScaleDL × the table DAF
    float gH_WVDAF = 0;   // noncarcinogens: the same
};

// Writes the chemical's DAF, WVDAF, H_DAF and H_WVDAF and returns its scaled DAFs. nullopt,
// with nothing written, when the lookup fails: no CAS number, a largest DAF that is NULL or
// text, or a DAF that single precision cannot hold.
std::optional<ChemicalDaf> LookupDelistDAF(const DelistChemical& chem, const DelistingContext& ctx,
                                           const DelistDafMaxima& maxima, DelistResults& out);
