#include "platform/text/number_format.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>
#include <utility>
#include <vector>

namespace {

void expectTexts(QString (*format)(double), const std::vector<std::pair<double, const char*>>& cases)
{
    for (const auto& [value, text] : cases)
        EXPECT_EQ(format(value), QString::fromLatin1(text)) << "value " << value;
}

}   // namespace

TEST(FormatScientific, RoundsToThreeDigitsTiesAwayFromZero)
{
    expectTexts(formatScientific, {
                                      {9995, "1.00E+04"},
                                      {9985, "9.99E+03"},
                                      {1.125, "1.13E+00"},
                                      {-1.125, "-1.13E+00"},
                                      {0.125, "1.25E-01"},
                                      {1.124, "1.12E+00"},
                                      {9.999, "1.00E+01"},
                                      {-9995, "-1.00E+04"},
                                      {1, "1.00E+00"},
                                      {123456, "1.23E+05"},
                                      {0.5, "5.00E-01"},
                                      {-0.0001, "-1.00E-04"},
                                  });
}

TEST(FormatScientific, RoundsToFifteenDigitsFirst)
{
    expectTexts(formatScientific,
                {
                    // Binary values just below the tie that fifteen digits turn into the tie.
                    {2.675, "2.68E+00"},
                    {1.005, "1.01E+00"},
                    {0.0001245, "1.25E-04"},
                    {9.995e-5, "1.00E-04"},
                    {1.234999999999999, "1.24E+00"},
                    {1004999999999995, "1.01E+15"},
                    // Digits beyond the fifteenth do not count; a fourteen-digit value keeps its digits.
                    {1.2349999999999, "1.23E+00"},
                    {0.0001234500000000001, "1.23E-04"},
                });
}

TEST(FormatScientific, ZeroExponentsAndLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    expectTexts(formatScientific, {
                                      {0.0, "0.00E+00"},
                                      {-0.0, "0.00E+00"},
                                      {1e100, "1.00E+100"},
                                      {-2.5e-100, "-2.50E-100"},
                                      {1e-5, "1.00E-05"},
                                      {std::numeric_limits<double>::max(), "1.80E+308"},
                                      {std::numeric_limits<double>::denorm_min(), "4.94E-324"},
                                  });
    QLocale::setDefault(saved);
}

TEST(GeneralText, DoubleUpToFifteenDigits)
{
    expectTexts(generalText, {
                                 {0.0, "0"},
                                 {-0.0, "0"},
                                 {1, "1"},
                                 {-2.5, "-2.5"},
                                 {100, "100"},
                                 {0.0001, "0.0001"},
                                 {0.00012, "0.00012"},
                                 {1e-5, "1E-05"},
                                 {-1.5e-5, "-1.5E-05"},
                                 {0.1 + 0.2, "0.3"},
                                 {1.0 / 3, "0.333333333333333"},
                                 {123456789012345, "123456789012345"},
                                 {99999999999999.98, "100000000000000"},
                                 {999999999999999.5, "1E+15"},
                                 {1234567890123456, "1.23456789012346E+15"},
                                 {1e100, "1E+100"},
                             });
}

TEST(GeneralText, SingleUpToSevenDigits)
{
    EXPECT_EQ(generalTextSingle(10.1f), "10.1");
    EXPECT_EQ(generalTextSingle(0.1f), "0.1");
    EXPECT_EQ(generalTextSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(generalTextSingle(-1e-5f), "-1E-05");
    EXPECT_EQ(generalTextSingle(123456789.0f), "123456800");
    EXPECT_EQ(generalTextSingle(1e20f), "1E+20");
}

TEST(GeneralText, NonFiniteValuesHaveAText)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(generalText(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(generalText(-inf), "-Infinity");
    EXPECT_EQ(formatScientific(inf), "Infinity");
}
