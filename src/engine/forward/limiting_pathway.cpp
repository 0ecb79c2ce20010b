#include "engine/forward/limiting_pathway.h"

#include <array>

namespace {

using Member = std::optional<double> ConstituentResults::*;
using R = ConstituentResults;

struct PathwayField {
    const char* name;
    Member member;
    const char* label;
};

// In the order SetLimitingPathway compares the names.
const std::array<PathwayField, 10> kFields = {{
    {"SWINGsr", &R::SWINGsr, "Surface Water Ingestion"},
    {"FISHINGsr", &R::FISHINGsr, "Fish Ingestion"},
    {"AIRINHVsr", &R::AIRINHVsr, "Air Volatile Inhalation"},
    {"AIRINHPsr", &R::AIRINHPsr, "Air Particulate Inhalation"},
    {"SOILINGsr", &R::SOILINGsr, "Soil Ingestion"},
    {"SWINGsh", &R::SWINGsh, "Surface Water Ingestion"},
    {"FISHINGsh", &R::FISHINGsh, "Fish Ingestion"},
    {"AIRINHVsh", &R::AIRINHVsh, "Air Volatile Inhalation"},
    {"AIRINHPsh", &R::AIRINHPsh, "Air Particulate Inhalation"},
    {"SOILINGsh", &R::SOILINGsh, "Soil Ingestion"},
}};
constexpr size_t kRiskSide = 0;
constexpr size_t kHazardSide = 5;

bool positive(const std::optional<double>& v)
{
    return v && *v > 0;
}

// The index of the field with the smaller positive value, `first` on a tie and when neither
// value is positive.
size_t smallerPositiveField(const R& row, size_t first, size_t second)
{
    const std::optional<double>& a = row.*kFields[first].member;
    const std::optional<double>& b = row.*kFields[second].member;
    if (positive(a) && positive(b))
        return *b < *a ? second : first;
    if (!positive(a) && positive(b))
        return second;
    return first;
}

// The five fields of one side folded innermost first: SWING(FISHING(AIRINHV(AIRINHP, SOILING))).
size_t limitingField(const R& row, size_t side)
{
    size_t field = side + 4;
    for (size_t i = side + 4; i-- > side;)
        field = smallerPositiveField(row, i, field);
    return field;
}

void setLimiting(size_t field, R& row)
{
    row.LMTPTHTO = QString::fromLatin1(kFields[field].label);
    row.LMTTOTAL = row.*kFields[field].member;
}

}   // namespace

void SetLimitingPathway(const QString& field, ConstituentResults& row)
{
    for (size_t i = 0; i < kFields.size(); ++i) {
        if (field == QLatin1String(kFields[i].name)) {
            setLimiting(i, row);
            return;
        }
    }
}

void FindLimitingPathway(std::span<ConstituentResults> rows)
{
    for (ConstituentResults& row : rows) {
        const size_t hazard = limitingField(row, kHazardSide);
        const size_t risk = limitingField(row, kRiskSide);
        const std::optional<double>& h = row.*kFields[hazard].member;
        const std::optional<double>& r = row.*kFields[risk].member;
        if (positive(h) && positive(r))
            setLimiting(*h < *r ? hazard : risk, row);
        else if (positive(r))
            setLimiting(risk, row);
        else if (positive(h))
            setLimiting(hazard, row);
        else
            row.LMTPTHTO = QStringLiteral("Not Applicable");
    }
}
