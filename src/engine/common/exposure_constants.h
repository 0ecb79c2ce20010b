#pragma once

#include "platform/db/connection.h"

// The receptor and site parameters of every pathway formula: the one row of CONSTNTS, each
// field in single precision under its own name, plus three values the load sets itself.
// Loaded afresh at the start of every forward and delisting-level run. `K` and `B` here are
// constants of the site, not the chemical properties of the same names.
struct ExposureConstants {
    float CRWATER = 0;   // drinking-water ingestion rate
    float CRAIR = 0;     // air inhalation rate
    float IRAIR = 0;     // loaded; no calculation reads it
    float CRSOIL = 0;    // soil ingestion rate
    float CRFISH = 0;    // fish ingestion rate
    float ED = 0;        // exposure duration of the adult, years
    float EDCHILD = 0;   // exposure duration of the child, years
    float EF = 0;        // exposure frequency, days per year
    float ATCARC = 0;    // averaging time for carcinogens, years
    float ATNON = 0;     // averaging time for noncarcinogens, years
    float ATCHILD = 0;   // averaging time for the child, years
    float BWADULT = 0;   // body weight of the adult
    float BWCHILD = 0;   // body weight of the child
    float IFWADJ = 0;    // age-adjusted water ingestion factor
    float IFSADJ = 0;    // age-adjusted soil ingestion factor
    float R = 0;         // soil-loss product K × R × length-slope × C × p
    float K = 0;
    float C = 0;
    float p = 0;
    float d = 0;      // base of the power in the sediment-delivery ratio
    float F_X = 0;    // wind-erosion term of the particulate emission
    float KP10 = 0;   // vehicle-traffic terms (PM10, PM30)
    float KP30 = 0;
    float KPL10 = 0;   // unloading terms (PM10, PM30)
    float KPL30 = 0;
    float S = 0;       // vehicle-traffic and unloading term
    float SPEED = 0;   // vehicle-traffic terms
    float WEIGHT = 0;
    float W = 0;
    float PRECIP = 0;
    float VKT = 0;   // distance factor of the traffic emission; runs replace it by their own
    float V = 0;     // wind-erosion term
    float DH = 0;    // unloading terms
    float M = 0;
    float YD = 0;
    float F = 0;   // emission and dispersion term of every air pathway
    float A = 0;   // dispersion width A × distance ^ B
    float B = 0;
    float U = 0;      // wind term of every air pathway
    float T = 0;      // temperature term of the volatilisation
    float PTOT = 0;   // volatilisation from the landfill
    float PAIR = 0;
    float DCOVER = 0;
    float RGAS = 0;    // gas constant of the volatilisation terms
    float MUAIR = 0;   // volatilisation from the impoundment
    float RHOAIR = 0;
    float DETHER = 0;
    float TADULT = 0;   // dermal event time of the adult
    float TCHILD = 0;   // dermal event time of the child
    float BDSOIL = 0;   // soil deposition terms
    float DSOIL = 0;
    float VSETTLE = 0;
    float EV = 0;         // events per day of the dermal and indoor-air exposures
    float IR = 0;         // indoor-air term
    float ETshower = 0;   // exposure times in the shower, the bathroom and the rest of the house
    float ETbathroom = 0;
    float ETHouse = 0;

    float gInhFactorAdj = 0;     // 60 / 15 + 480 / 72 in double, kept single: 10.666667
    float gInhRateDivisor = 0;   // 70
    double gPartOffset = 0;      // 0; the particulate formulas take (1 − gPartOffset)
};

// Reads the first CONSTNTS row (by rowid) and sets the three fixed values. Fails, naming the
// field, when the table has no row, or a field is missing, empty (NULL), not a number or too
// large for single precision; on failure nothing is returned, so the caller's constants stay
// as they were.
Result<ExposureConstants> LoadExposureConstants(Connection& conn);
