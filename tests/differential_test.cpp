#include <gtest/gtest.h>

#include "builtins.h"
#include "differential.h"

namespace {

std::string Printable(const std::string& strText) {
    std::string out;
    for (unsigned char c : strText) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

TEST(Differential, EngineAgreesWithTheReferenceOnRandomTexts) {
    SExprEngine engine;
    RegisterBuiltins(engine);
    STextGenerator generator(20261211);
    int nLegal = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string strText = generator.Next();
        const std::string strWhy = CompareWithReference(engine, strText);
        ASSERT_EQ(strWhy, "") << "text #" << i << ": " << Printable(strText.substr(0, 300));
        nLegal += HasError(engine) ? 0 : 1;
    }
    // The generator must exercise both outcomes, or the comparison is idle.
    EXPECT_GT(nLegal, 2000);
    EXPECT_LT(nLegal, 18000);
}

// Texts the fuzzer or a review found worth keeping.
const char* const kFound[] = {
    "1+2*3-4*5+6=",        // priorities falling and rising along a chain
    "1*2+3*4=",            // an operator handed back up two levels
    "1-2*3/4+5=",
    "(1+2*3)-4*5=",
    "1+2)*3-4=",           // a skipped ")" in a right operand
    "1*(2+3))-4=",
    "ngtv(1+2*3)-4=",
    "1+2*3==",
};

TEST(Differential, KeptCases) {
    SExprEngine engine;
    RegisterBuiltins(engine);
    for (const char* szText : kFound) EXPECT_EQ(CompareWithReference(engine, szText), "") << szText;
}

}  // namespace
