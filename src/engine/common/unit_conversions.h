#pragma once

// The unit conversions of the engines' formulas. Each has the type the formulas have always
// given it, an integer where they multiply or divide by a whole number, so that a formula reads
// the same number in the same precision whether it is written with the name or not.

constexpr int kDaysPerYear = 365;
constexpr int kHoursPerDay = 24;
constexpr int kHoursPerYear = 8760;   // 365 days
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerDay = 86400;
constexpr double kSecondsPerYear = 31536000;               // 365 days
constexpr double kSecondsPerTropicalYear = 31556925.975;   // 365.2422 days

constexpr double kM2PerAcre = 4046.873;
constexpr double kFt2PerAcre = 43560.174;   // kM2PerAcre in square feet
constexpr double kYd3PerM3 = 1.30795;
constexpr double kFt3PerM3 = 35.3147;
constexpr double kKgPerShortTon = 907.185;
