#include <gtest/gtest.h>

#include <cmath>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

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

namespace {

// The format as to_chars writes it, for comparison with the short decimals
// that FormatNumber writes by itself.
std::string GeneralFormat(double dValue) {
    char buf[32];
    auto [pEnd, ec] = std::to_chars(buf, buf + sizeof buf, dValue, std::chars_format::general, 6);
    std::string strText(buf, pEnd);
    size_t nE = strText.find('e');
    if (nE != std::string::npos && strText.size() - (nE + 2) < 3)
        strText = strText.substr(0, nE + 2) + "0" + strText.substr(nE + 2);
    return strText;
}

TEST(FormatNumber, ShortDecimalsAgreeWithTheGeneralConversion) {
    uint64_t nState = 12345;
    auto next = [&] { return nState = nState * 6364136223846793005ull + 1442695040888963407ull; };
    for (int i = 0; i < 200000; ++i) {
        const uint64_t r = next();
        // Integers and binary fractions of every size, around the six-digit
        // rounding boundaries and the fixed/exponent switch.
        double dValue = std::ldexp(static_cast<double>(r >> (11 + r % 53)), -static_cast<int>(next() % 40));
        if (i % 3 == 0) dValue = static_cast<double>(999995 + static_cast<int>(r % 10)) * std::pow(10.0, static_cast<int>(next() % 12) - 6);
        if (r & 1) dValue = -dValue;
        if (dValue == 0 || std::isnan(dValue)) continue;
        ASSERT_EQ(FormatNumber(dValue), GeneralFormat(dValue)) << std::hexfloat << dValue;
    }
}

}  // namespace
