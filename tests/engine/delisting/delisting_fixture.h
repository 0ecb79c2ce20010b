#pragma once

#include "core/constants_fixture.h"
#include "engine/delisting/delisting_levels.h"

#include <QVariantMap>

// The exposure constants, waste units and chemicals of the delisting tests. The expected
// numbers of the tests were worked out by hand from the formulas for exactly these inputs.

// The same loaded as a run loads them; `overrides` replace fields of constantsRow().
ExposureConstants testConstants(const QVariantMap& overrides = {});

// A waste unit: 1000 cubic yards a year for 10 years, target risk 1e-5 and HQ 1.
WasteUnit testUnit(const QString& wmuType = QStringLiteral("LF"), double flowRate = 100);
DelistingContext testContext(const WasteUnit& unit = testUnit(), const ExposureConstants& c = testConstants());

// Carcinogen, organic, short dermal event (TSTAR > TADULT), BCF only.
DelistChemical benzeneLike();
// Noncarcinogen, organic, long dermal event, BCF and BAF.
DelistChemical tolueneLike();
// Noncarcinogen, inorganic, no inhalation value, not volatile.
DelistChemical inorganic();
// Lead without reference doses.
DelistChemical leadChemical();

inline constexpr double kRel = 1e-5;   // relative tolerance of computed levels
