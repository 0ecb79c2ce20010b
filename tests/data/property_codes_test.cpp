#include "data/property_codes.h"
#include "data/schema.h"

#include <gtest/gtest.h>

TEST(PropertyCodes, TextsOfACode)
{
    EXPECT_EQ(GetPropertyDescription("HENRY"), "Henry's Law Coefficient");
    EXPECT_EQ(GetPropertySymbol("HENRY"), "H");
    EXPECT_EQ(GetPropertyUnits("HENRY"), QString::fromUtf8("atm-m\xC2\xB3/mol"));
    EXPECT_EQ(GetPropertyUnits("DIFFW"), QString::fromUtf8("cm\xC2\xB2/sec"));
    EXPECT_EQ(GetPropertySymbol("ORDO"), "RFDo");
    EXPECT_EQ(GetPropertySymbol("TSTAR"), "t*");
    EXPECT_EQ(GetPropertyUnits("DAFSI"), "L/mg");
    EXPECT_EQ(GetPropertyUnits("KSW"), "---");
    EXPECT_EQ(GetPropertyDescription("ECOACUTE"), "Acute Ecological Value");
    EXPECT_EQ(GetPropertySymbol("ECOACUTE"), "Acute Ecological Value");
    EXPECT_EQ(GetPropertyUnits("ECOACUTE"), "mg/L");
}

TEST(PropertyCodes, UnknownCodesGiveEmptyText)
{
    for (const QString& code : {QString("henry"), QString(" MCL"), QString("LOGKOW"), QString("CHEMNAME")}) {
        EXPECT_EQ(GetPropertyDescription(code), "") << qPrintable(code);
        EXPECT_EQ(GetPropertySymbol(code), "") << qPrintable(code);
        EXPECT_EQ(GetPropertyUnits(code), "") << qPrintable(code);
    }
}

TEST(PropertyCodes, EveryChemicalPropertyHasTexts)
{
    for (const QString& code : chemicalPropertyFields()) {
        EXPECT_FALSE(GetPropertyDescription(code).isEmpty()) << qPrintable(code);
        EXPECT_FALSE(GetPropertySymbol(code).isEmpty()) << qPrintable(code);
        EXPECT_FALSE(GetPropertyUnits(code).isEmpty()) << qPrintable(code);
    }
}
