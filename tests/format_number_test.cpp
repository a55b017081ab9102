#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format_number.h"

namespace {

struct SCase {
    double dValue;
    const char* szText;
};

const SCase kCases[] = {
    {0.0, "0"},
    {-0.0, "-0"},
    {100, "100"},
    {2.5, "2.5"},
    {-0.5, "-0.5"},
    {1.0 / 3, "0.333333"},
    {2.0 / 3, "0.666667"},
    {0.1 + 0.2, "0.3"},
    {3.141592, "3.14159"},
    {12345.678, "12345.7"},
    {123456, "123456"},
    {999999, "999999"},
    {999999.5, "1e+006"},  // the exponent is taken after rounding
    {1000000, "1e+006"},
    {1234567, "1.23457e+006"},
    {1234565, "1.23456e+006"},  // exact ties go to the even digit
    {1234575, "1.23458e+006"},
    {-1234567, "-1.23457e+006"},
    {0.0001, "0.0001"},
    {0.00001, "1e-005"},
    {-0.000123456789, "-0.000123457"},
    {1e20, "1e+020"},
    {1e-7, "1e-007"},
    {1e100, "1e+100"},
    {std::numeric_limits<double>::max(), "1.79769e+308"},
    {std::numeric_limits<double>::denorm_min(), "4.94066e-324"},
    {std::numeric_limits<double>::infinity(), "inf"},
    {-std::numeric_limits<double>::infinity(), "-inf"},
    {std::numeric_limits<double>::quiet_NaN(), "nan"},
    {-std::numeric_limits<double>::quiet_NaN(), "nan"},  // never signed
};

TEST(FormatNumber, SixSignificantDigitsAndThreeDigitExponent) {
    for (const SCase& c : kCases)
        EXPECT_EQ(FormatNumber(c.dValue), c.szText) << "value " << c.dValue;
}

// The text is the same for a value whatever the environment asks of printf.
TEST(FormatNumber, IgnoresPrintfExponentDigits) {
#ifdef _WIN32
    _putenv("PRINTF_EXPONENT_DIGITS=2");
#else
    setenv("PRINTF_EXPONENT_DIGITS", "2", 1);
#endif
    EXPECT_EQ(FormatNumber(1e20), "1e+020");
}

}  // namespace
