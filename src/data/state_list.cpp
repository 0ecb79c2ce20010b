#include "data/state_list.h"

#include <array>

namespace {

struct State {
    const char* entry;
    const char* name;
};

// The list entry and the name differ apart from the code only for LA and MA. "Massachusetts"
// is matched as well as the listed spelling.
const std::array<State, kStateCount> kStates = {{
    {"AK - Alaska", "Alaska"},
    {"AL - Alabama", "Alabama"},
    {"AR - Arkansas", "Arkansas"},
    {"AZ - Arizona", "Arizona"},
    {"CA - California", "California"},
    {"CO - Colorado", "Colorado"},
    {"CT - Connecticut", "Connecticut"},
    {"DC - District of Columbia", "District of Columbia"},
    {"DE - Delaware", "Delaware"},
    {"FL - Florida", "Florida"},
    {"GA - Georgia", "Georgia"},
    {"HI - Hawaii", "Hawaii"},
    {"IA - Iowa", "Iowa"},
    {"ID - Idaho", "Idaho"},
    {"IL - Illinois", "Illinois"},
    {"IN - Indiana", "Indiana"},
    {"KS - Kansas", "Kansas"},
    {"KY - Kentucky", "Kentucky"},
    {"LA - Lousiana", "Louisiana"},
    {"MA - Massachusetts", "Massachussetts"},
    {"MD - Maryland", "Maryland"},
    {"ME - Maine", "Maine"},
    {"MI - Michigan", "Michigan"},
    {"MN - Minnesota", "Minnesota"},
    {"MO - Missouri", "Missouri"},
    {"MS - Mississippi", "Mississippi"},
    {"MT - Montana", "Montana"},
    {"NC - North Carolina", "North Carolina"},
    {"ND - North Dakota", "North Dakota"},
    {"NE - Nebraska", "Nebraska"},
    {"NH - New Hampshire", "New Hampshire"},
    {"NJ - New Jersey", "New Jersey"},
    {"NM - New Mexico", "New Mexico"},
    {"NV - Nevada", "Nevada"},
    {"NY - New York", "New York"},
    {"OH - Ohio", "Ohio"},
    {"OK - Oklahoma", "Oklahoma"},
    {"OR - Oregon", "Oregon"},
    {"PA - Pennsylvania", "Pennsylvania"},
    {"RI - Rhode Island", "Rhode Island"},
    {"SC - South Carolina", "South Carolina"},
    {"SD - South Dakota", "South Dakota"},
    {"TN - Tennessee", "Tennessee"},
    {"TX - Texas", "Texas"},
    {"UT - Utah", "Utah"},
    {"VA - Virginia", "Virginia"},
    {"VT - Vermont", "Vermont"},
    {"WA - Washington", "Washington"},
    {"WI - Wisconsin", "Wisconsin"},
    {"WV - West Virginia", "West Virginia"},
    {"WY - Wyoming", "Wyoming"},
    {"PR - Puerto Rico", "Puerto Rico"},
}};

}   // namespace

Result<QString> GetStateListItem(qint16 position)
{
    if (position == -1)
        return QString();
    if (position < 0 || position >= kStateCount)
        return Error{kErrConversion, QStringLiteral("Subscript out of range: state list position %1.").arg(position)};
    return QString::fromLatin1(kStates[size_t(position)].entry);
}

QString GetStateCode(const QString& name)
{
    const QString wanted = name.toLower();
    for (const State& s : kStates)
        if (QString::fromLatin1(s.name).toLower() == wanted)
            return QString::fromLatin1(s.entry, 2);
    if (wanted == QLatin1String("massachusetts"))
        return QStringLiteral("MA");
    return QString();
}
