#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

#include <QString>

#include <span>
#include <vector>

// One GWDelisting row: the groundwater route (or the MCL) that allows the smallest positive
// receptor-well concentration, and the leachate concentration that gives it.
struct GWDelistingRow {
    QString ChemCas;
    double GWDL = 0;             // allowable leachate concentration, mg/L
    double GWMaxAConcen = 0;     // limiting allowable well concentration, mg/L
    double GWDAF = 0;            // table DAF at GWDL, before volume scaling
    float DAF_SF = 0;            // the run's DAF scaling factor
    QString GWLimitingPathway;   // "GW Ingestion", "GW Dermal-Adult", "GW Dermal-Child", "GW Inhalation", "MCL" or ""
    double GWIngetion = 0;       // each route's smaller positive of its sr and sh well concentrations
    double GWInhalation = 0;
    double GWAdultDermalAbsorption = 0;
    double GWChildDermalAbsorption = 0;
};

// One row per constituent, in the given order, from its GWMax fields and MCL and the run's
// scaling factor and unit type. On equal hazard- and risk-based limits the hazard side
// governs; the hazard side looks the DAF up in the noncarcinogen column, the risk side in the
// carcinogen column.
std::vector<GWDelistingRow> CalcGWDelistingLevels(const RunContext& ctx, const DafCurves& dafs,
                                                  std::span<const ConstituentInputs> inputs,
                                                  std::span<const ConstituentResults> results);
