// Rounding starts from the exact value of the double and goes to the nearest
// six-digit decimal, ties to even. A C runtime's printf need not do that, so
// the digits are made here: directly for doubles whose exact value is a
// short decimal (most typed numbers and many results), and by to_chars,
// which rounds exactly as well, for all others.
#include "format_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr uint64_t kPow10[] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull,
                               10000000ull, 100000000ull, 1000000000ull, 10000000000ull,
                               100000000000ull, 1000000000000ull, 10000000000000ull,
                               100000000000000ull, 1000000000000000ull, 10000000000000000ull,
                               100000000000000000ull, 1000000000000000000ull,
                               10000000000000000000ull};

int DecimalDigits(uint64_t n) {
    int nDigits = 1;
    while (nDigits < 20 && n >= kPow10[nDigits]) ++nDigits;
    return nDigits;
}

// Writes |x| = nDigits significant digits (no trailing zero) times
// 10^(nExponent - nCount + 1) in the %g layout; nExponent is the power of
// ten of the first digit.
void AppendLayout(std::string& strOut, bool bNegative, const char* pDigits, int nCount,
                  int nExponent) {
    if (bNegative) strOut += '-';
    if (nExponent >= -4 && nExponent <= 5) {
        if (nExponent < 0) {
            strOut += "0.";
            strOut.append(static_cast<size_t>(-nExponent - 1), '0');
            strOut.append(pDigits, static_cast<size_t>(nCount));
            return;
        }
        const int nInteger = nExponent + 1;
        if (nCount <= nInteger) {
            strOut.append(pDigits, static_cast<size_t>(nCount));
            strOut.append(static_cast<size_t>(nInteger - nCount), '0');
            return;
        }
        strOut.append(pDigits, static_cast<size_t>(nInteger));
        strOut += '.';
        strOut.append(pDigits + nInteger, static_cast<size_t>(nCount - nInteger));
        return;
    }
    strOut += pDigits[0];
    if (nCount > 1) {
        strOut += '.';
        strOut.append(pDigits + 1, static_cast<size_t>(nCount - 1));
    }
    const int nAbs = nExponent < 0 ? -nExponent : nExponent;
    const char exponent[] = {'e', nExponent < 0 ? '-' : '+', static_cast<char>('0' + nAbs / 100),
                             static_cast<char>('0' + nAbs / 10 % 10), static_cast<char>('0' + nAbs % 10)};
    strOut.append(exponent, sizeof exponent);
}

// The exact value of a positive double as N / 10^f, when N fits 64 bits.
bool ExactDecimal(double x, uint64_t& nN, int& nFraction) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const int nField = static_cast<int>(bits >> 52 & 0x7FF);
    uint64_t nMantissa = bits & ((1ull << 52) - 1);
    int nExp2 = nField == 0 ? -1074 : nField - 1075;
    if (nField != 0) nMantissa |= 1ull << 52;
    const int nZeros = __builtin_ctzll(nMantissa);
    nMantissa >>= nZeros;
    nExp2 += nZeros;
    if (nExp2 >= 0) {
        if (nExp2 > 63 || nMantissa > (~0ull >> nExp2)) return false;
        nN = nMantissa << nExp2;
        nFraction = 0;
        return true;
    }
    // m / 2^k = m * 5^k / 10^k.
    nFraction = -nExp2;
    if (nFraction > 27) return false;
    uint64_t nPow5 = 1;
    for (int i = 0; i < nFraction; ++i) nPow5 *= 5;
    return !__builtin_mul_overflow(nMantissa, nPow5, &nN);
}

bool AppendExact(std::string& strOut, double dValue) {
    uint64_t nN;
    int nFraction;
    if (!ExactDecimal(std::fabs(dValue), nN, nFraction)) return false;
    int nDigits = DecimalDigits(nN);
    int nExponent = nDigits - 1 - nFraction;
    if (nDigits > 6) {
        const uint64_t nUnit = kPow10[nDigits - 6];
        uint64_t nQuotient = nN / nUnit;
        const uint64_t nRest = nN % nUnit, nHalf = nUnit / 2;
        if (nRest > nHalf || (nRest == nHalf && (nQuotient & 1) != 0)) ++nQuotient;
        if (nQuotient == 1000000) {  // 999999.5 becomes 1e+006
            nQuotient = 100000;
            ++nExponent;
        }
        nN = nQuotient;
        nDigits = 6;
    }
    char digits[8];
    for (int i = nDigits - 1; i >= 0; --i, nN /= 10) digits[i] = static_cast<char>('0' + nN % 10);
    while (nDigits > 1 && digits[nDigits - 1] == '0') --nDigits;
    AppendLayout(strOut, std::signbit(dValue), digits, nDigits, nExponent);
    return true;
}

void AppendGeneral(std::string& strOut, double dValue) {
    char buf[32];
    auto [pEnd, ec] = std::to_chars(buf, buf + sizeof buf, dValue, std::chars_format::general, 6);
    const char* pE = static_cast<const char*>(std::memchr(buf, 'e', static_cast<size_t>(pEnd - buf)));
    if (pE == nullptr) {
        strOut.append(buf, pEnd);
        return;
    }
    // The exponent has at least two digits; widen it to three.
    const char* pDigits = pE + 2;
    strOut.append(buf, static_cast<size_t>(pDigits - buf));
    if (pEnd - pDigits < 3) strOut.append(static_cast<size_t>(3 - (pEnd - pDigits)), '0');
    strOut.append(pDigits, static_cast<size_t>(pEnd - pDigits));
}

}  // namespace

void AppendNumber(std::string& strOut, double dValue) {
    if (std::isnan(dValue)) {
        strOut += "nan";  // never signed
    } else if (std::isinf(dValue)) {
        strOut += dValue > 0 ? "inf" : "-inf";
    } else if (dValue == 0) {
        strOut += std::signbit(dValue) ? "-0" : "0";
    } else if (!AppendExact(strOut, dValue)) {
        AppendGeneral(strOut, dValue);
    }
}

std::string FormatNumber(double dValue) {
    std::string strText;
    AppendNumber(strText, dValue);
    return strText;
}
