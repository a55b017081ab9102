#include "format_number.h"

#include <charconv>
#include <cmath>
#include <cstring>

std::string FormatNumber(double dValue) {
    if (std::isnan(dValue)) return "nan";  // never signed
    if (std::isinf(dValue)) return dValue > 0 ? "inf" : "-inf";

    // to_chars rounds the exact binary value, ties to even, as %g specifies;
    // a C runtime's printf need not.
    char buf[32];
    auto [pEnd, ec] = std::to_chars(buf, buf + sizeof buf, dValue, std::chars_format::general, 6);
    std::string strText(buf, pEnd);

    // The exponent has at least two digits; widen it to three.
    size_t nE = strText.find('e');
    if (nE != std::string::npos) {
        size_t nDigits = strText.size() - (nE + 2);
        if (nDigits < 3) strText.insert(nE + 2, 3 - nDigits, '0');
    }
    return strText;
}
