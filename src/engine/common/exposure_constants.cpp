#include "engine/common/exposure_constants.h"

#include "engine/common/engine_numbers.h"

#include <array>
#include <utility>

namespace {

using Member = float ExposureConstants::*;
using E = ExposureConstants;

// The CONSTNTS fields in the order of the table, each with the member it fills.
const std::array<std::pair<const char*, Member>, 57> kFields = {{
    {"CRWATER", &E::CRWATER},
    {"CRAIR", &E::CRAIR},
    {"IRAIR", &E::IRAIR},
    {"CRSOIL", &E::CRSOIL},
    {"CRFISH", &E::CRFISH},
    {"ED", &E::ED},
    {"EDCHILD", &E::EDCHILD},
    {"EF", &E::EF},
    {"ATCARC", &E::ATCARC},
    {"ATNON", &E::ATNON},
    {"ATCHILD", &E::ATCHILD},
    {"BWADULT", &E::BWADULT},
    {"BWCHILD", &E::BWCHILD},
    {"IFWADJ", &E::IFWADJ},
    {"IFSADJ", &E::IFSADJ},
    {"R", &E::R},
    {"K", &E::K},
    {"C", &E::C},
    {"p", &E::p},
    {"d", &E::d},
    {"F_X", &E::F_X},
    {"KP10", &E::KP10},
    {"KP30", &E::KP30},
    {"KPL10", &E::KPL10},
    {"KPL30", &E::KPL30},
    {"S", &E::S},
    {"SPEED", &E::SPEED},
    {"WEIGHT", &E::WEIGHT},
    {"W", &E::W},
    {"PRECIP", &E::PRECIP},
    {"VKT", &E::VKT},
    {"V", &E::V},
    {"DH", &E::DH},
    {"M", &E::M},
    {"YD", &E::YD},
    {"F", &E::F},
    {"A", &E::A},
    {"B", &E::B},
    {"U", &E::U},
    {"T", &E::T},
    {"PTOT", &E::PTOT},
    {"PAIR", &E::PAIR},
    {"DCOVER", &E::DCOVER},
    {"RGAS", &E::RGAS},
    {"MUAIR", &E::MUAIR},
    {"RHOAIR", &E::RHOAIR},
    {"DETHER", &E::DETHER},
    {"TADULT", &E::TADULT},
    {"TCHILD", &E::TCHILD},
    {"BDSOIL", &E::BDSOIL},
    {"DSOIL", &E::DSOIL},
    {"VSETTLE", &E::VSETTLE},
    {"EV", &E::EV},
    {"IR", &E::IR},
    {"ETshower", &E::ETshower},
    {"ETbathroom", &E::ETbathroom},
    {"ETHouse", &E::ETHouse},
}};

Error fieldError(int number, const QString& field, const QString& why)
{
    return Error{number, QStringLiteral("The exposure constant %1 in CONSTNTS %2.").arg(field, why)};
}

}   // namespace

Result<ExposureConstants> LoadExposureConstants(Connection& conn)
{
    Result<QueryRows> rows = conn.select(QStringLiteral("SELECT * FROM CONSTNTS ORDER BY rowid LIMIT 1"));
    if (!rows)
        return rows.error();
    if (rows->rows.empty())
        return Error{kErrConversion, QStringLiteral("The table CONSTNTS holds no exposure constants.")};
    const QVector<QVariant>& row = rows->rows.front();

    ExposureConstants c;
    for (const auto& [name, member] : kFields) {
        const QString field = QString::fromLatin1(name);
        const int index = rows->columnIndex(field);
        if (index < 0)
            return fieldError(kErrSchema, field, QStringLiteral("is missing"));
        const std::optional<double> number = fieldNumber(row[index]);
        if (!number)
            return fieldError(kErrConversion, field, QStringLiteral("is empty or not a number"));
        const std::optional<float> single = toSingle(*number);
        if (!single)
            return fieldError(kErrConversion, field, QStringLiteral("is too large for single precision"));
        c.*member = *single;
    }
    c.gInhFactorAdj = float(60.0 / 15.0 + 480.0 / 72.0);
    c.gInhRateDivisor = 70.0f;
    c.gPartOffset = 0.0;
    return c;
}
