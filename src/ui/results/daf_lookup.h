#pragma once

#include <QString>

#include <functional>

// The forward engine's DAF look-up as the groundwater result windows use it: the table DAF
// (not scaled) of a chemical at a leachate concentration, for a unit type ("LF" or "SI") and a
// chemical class ("CARC" or "NON"); 0 when neither DAF table lists the chemical. The program's
// start-up installs the engine's look-up here.
using DafLookup = std::function<double(double scale, const QString& cas, const QString& unitType,
                                       const QString& chemClass, double leachateConc)>;

void setDafLookup(DafLookup lookup);
// The installed look-up; none before start-up installed one.
const DafLookup& dafLookup();
