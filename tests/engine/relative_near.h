#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

// |actual − expected| ≤ rel × |expected|: engine results against stated values.
inline ::testing::AssertionResult RelNear(double actual, double expected, double rel)
{
    if (std::fabs(actual - expected) <= rel * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << std::setprecision(10) << actual << ", expected " << expected
                                         << " within a relative " << rel;
}
