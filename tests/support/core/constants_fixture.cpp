#include "core/constants_fixture.h"

QVariantMap constantsRow()
{
    return {{"CRWATER", 2},     {"CRAIR", 20},      {"IRAIR", 20},      {"CRSOIL", 100},
            {"CRFISH", 0.054},  {"ED", 30},         {"EDCHILD", 6},     {"EF", 350},
            {"ATCARC", 70},     {"ATNON", 30},      {"ATCHILD", 6},     {"BWADULT", 70},
            {"BWCHILD", 15},    {"IFWADJ", 1.09},   {"IFSADJ", 114},    {"R", 90},
            {"K", 0.3},         {"C", 0.5},         {"p", 1},           {"d", 0.5},
            {"F_X", 0.194},     {"KP10", 0.36},     {"KP30", 0.8},      {"KPL10", 0.35},
            {"KPL30", 0.74},    {"S", 8.5},         {"SPEED", 15},      {"WEIGHT", 20},
            {"W", 6},           {"PRECIP", 110},    {"VKT", 123},       {"V", 0.5},
            {"DH", 1.5},        {"M", 2.0},         {"YD", 4.6},        {"F", 0.15},
            {"A", 0.11},        {"B", 0.92},        {"U", 4.0},         {"T", 298},
            {"PTOT", 0.4},      {"PAIR", 0.25},     {"DCOVER", 0.15},   {"RGAS", 8.205e-5},
            {"MUAIR", 1.81e-4}, {"RHOAIR", 1.2e-3}, {"DETHER", 8.5e-6}, {"TADULT", 0.58},
            {"TCHILD", 1.0},    {"BDSOIL", 1.5},    {"DSOIL", 0.1},     {"VSETTLE", 0.01},
            {"EV", 1},          {"IR", 20},         {"ETshower", 0.25}, {"ETbathroom", 0.33},
            {"ETHouse", 16}};
}
