#include "data/property_codes.h"

#include <array>

namespace {

struct PropertyCode {
    const char* code;
    const char* description;
    const char* symbol;
    const char16_t* units;   // holds the superscripts ² and ³
};

const std::array<PropertyCode, 26> kCodes = {{
    {"MCL", "Maximum Concentration Level", "MCL", u"mg/L"},
    {"CSFO", "Oral Carcinogenic Slope Factor", "CSFo", u"1/(mg/kg-day)"},
    {"CSFI", "Inhalation Carcinogenic Slope Factor", "CSFi", u"1/(mg/kg-day)"},
    {"ORDO", "Oral Reference Dose", "RFDo", u"mg/kg-day"},
    {"ORDI", "Inhalation Reference Dose", "RFC", u"mg/m\u00B3"},
    {"BCF", "Bioconcentration Factor", "BCF", u"L/kg FW tissue"},
    {"SOILSAT", "Soil Saturation Level", "SOILSAT", u"mg/kg"},
    {"TC", "Toxicity Characteristic Level", "TC", u"mg/L"},
    {"HENRY", "Henry's Law Coefficient", "H", u"atm-m\u00B3/mol"},
    {"DIFFW", "Diffusion Coefficient in Water", "Dw", u"cm\u00B2/sec"},
    {"DIFFA", "Diffusion Coefficient in Air", "Da", u"cm\u00B2/sec"},
    {"SOL", "Chemical Solubility", "SOL", u"mg/L"},
    {"DAFLF", "Landfill Dilution Attenuation Factor", "DAFLF", u"L/mg"},
    {"DAFSI", "Surface Impoundment Dilution Attenuation Factor", "DAFSI", u"L/mg"},
    {"TSTAR", "Time to Steady State", "t*", u"hours"},
    {"K", "Skin Permeability Coefficient", "Kpw", u"cm/hr"},
    {"TAU", "Lag Time", "Tau", u"hours"},
    {"B", "Bunge Coefficient", "B", u"---"},
    {"ORGANIC", "Organic or Inorganic", "ORGANIC", u"---"},
    {"BAF", "Bioaccumulation Factor", "BAF", u"L/kg FW"},
    {"ECOACUTE", "Acute Ecological Value", "Acute Ecological Value", u"mg/L"},
    {"ECOCHRON", "Chronic Ecological Value", "Aquatic TRV", u"mg/L"},
    {"CARCNON", "Carcinogenic or Noncarcinogenic", "CARCNON", u"---"},
    {"MW", "Molecular Weight", "MW", u"g/mole"},
    {"VAPORP", "Vapor Pressure", "VP", u"atm"},
    {"KSW", "Surface Water Partition Coefficient", "Kdsw", u"---"},
}};

const PropertyCode* find(const QString& code)
{
    for (const PropertyCode& p : kCodes)
        if (code == QLatin1String(p.code))
            return &p;
    return nullptr;
}

}   // namespace

QString GetPropertyDescription(const QString& code)
{
    const PropertyCode* p = find(code);
    return p ? QString::fromLatin1(p->description) : QString();
}

QString GetPropertySymbol(const QString& code)
{
    const PropertyCode* p = find(code);
    return p ? QString::fromLatin1(p->symbol) : QString();
}

QString GetPropertyUnits(const QString& code)
{
    const PropertyCode* p = find(code);
    return p ? QString::fromUtf16(p->units) : QString();
}
