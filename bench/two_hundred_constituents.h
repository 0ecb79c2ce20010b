#pragma once

#include "core/temp_database.h"

#include "data/schema.h"
#include "platform/db/transaction.h"

#include <cmath>

// One landfill analysis of 200 constituents (organic and inorganic, carcinogens and
// noncarcinogens, 1 to 5 DAF rows each) with the exposure constants it needs.
constexpr int kConstituents = 200;
constexpr qint32 kAnalysisKey = 1;

inline void fillTwoHundredConstituents(TempDatabase& db)
{
    QVariantMap constants;
    for (const QString& f : exposureConstantFields())
        constants.insert(f, 1.0);
    const std::pair<const char*, double> values[] = {
        {"CRWATER", 2}, {"CRAIR", 20},  {"ED", 30},      {"EDCHILD", 6},    {"EF", 350},          {"ATCARC", 70},
        {"ATNON", 30},  {"ATCHILD", 6}, {"BWADULT", 70}, {"BWCHILD", 15},   {"IFWADJ", 1.09},     {"TADULT", 0.58},
        {"TCHILD", 1},  {"EV", 1},      {"IR", 20},      {"ETshower", 0.2}, {"ETbathroom", 0.33}, {"ETHouse", 16}};
    for (const auto& [name, value] : values)
        constants.insert(QString::fromLatin1(name), value);
    db.insert(QStringLiteral("CONSTNTS"), constants);
    db.insertAnalysis(kAnalysisKey, QStringLiteral("Two hundred constituents"));

    Transaction tx(db.conn());
    for (int i = 0; i < kConstituents; ++i) {
        const QString cas = QStringLiteral("%1-%2-%3").arg(1000 + i).arg(i % 97, 2, 10, QLatin1Char('0')).arg(i % 10);
        const bool organic = i % 2 == 0;
        const bool carcinogen = i % 3 == 0;
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", kAnalysisKey},
                                               {"CHEMCAS", cas},
                                               {"CHEMNAME", QStringLiteral("Chemical %1").arg(i)},
                                               {"CARCNON", carcinogen ? "Carcinogen" : "Noncarcinogen"},
                                               {"TCLPCONC", 0.05 * (1 + i % 7)},
                                               {"TOTCONC", 10.0 + i},
                                               {"MCL", 0.005 * (1 + i % 4)},
                                               {"CSFO", carcinogen ? 0.055 : 0.0},
                                               {"CSFI", carcinogen ? 0.027 : 0.0},
                                               {"ORDO", 0.004 * (1 + i % 5)},
                                               {"ORDI", 0.03},
                                               {"HENRY", organic ? 0.0055 * (1 + i % 3) : 0.0},
                                               {"DIFFW", organic ? 9.8e-6 : 0.0},
                                               {"DIFFA", organic ? 0.088 : 0.0},
                                               {"K", organic ? 0.015 : 0.001},
                                               {"TAU", 0.29},
                                               {"TSTAR", organic ? 0.7 * (1 + i % 2) : 0.0},
                                               {"B", 0.051},
                                               {"ORGANIC", organic ? 1 : 0}});
        for (int r = 0; r <= i % 5; ++r) {
            const double c = 0.01 * std::pow(10.0, r);
            db.insert(QStringLiteral("DAFs"), {{"CAS Num", cas},
                                               {"LFconc", c},
                                               {"DAFLF_CARC", 10.0 + 5 * r},
                                               {"DAFLF_NON", 12.0 + 5 * r},
                                               {"SIconc", c},
                                               {"DAFSI_CARC", 4.0 + 2 * r},
                                               {"DAFSI_NON", 5.0 + 2 * r}});
        }
    }
    (void)tx.commit();
}
