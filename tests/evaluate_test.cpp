// Whole texts through Evaluate: the value as the result box shows it and
// the postfix trace.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "parser.h"

namespace {

struct SCase {
    const char* szText;
    const char* szShown;
    const char* szTrace;  // null: not checked
};

const SCase kLegal[] = {
    {"2+3=", "5", "2, 3, +, "},
    {"7-10=", "-3", nullptr},
    {"7/2=", "3.5", nullptr},
    {"8-2-3=", "3", "8, 2, -, 3, -, "},  // left associative
    {"1-2-3=", "-4", nullptr},
    {"8/2/2=", "2", "8, 2, /, 2, /, "},
    {"1+2*3=", "7", "1, 2, 3, *, +, "},
    {"1+2*3-4=", "3", "1, 2, 3, *, +, 4, -, "},
    {"(1+2)*3=", "9", "1, 2, +, 3, *, "},
    {"1+2*3*4-5=", "20", "1, 2, 3, *, 4, *, +, 5, -, "},
    {"10-2*3+4=", "8", "10, 2, 3, *, -, 4, +, "},
    {"1-2*3-4=", "-9", nullptr},
    {"1-(2-3)=", "2", nullptr},
    {"2*(3+4)*5=", "70", "2, 3, 4, +, *, 5, *, "},
    {"((1+2)*(3+4))=", "21", nullptr},
    {"sin(0)=", "0", "0, sin(), "},
    {"sin(0)+1=", "1", "0, sin(), 1, +, "},
    {"sin(cos(0))=", "0.841471", "0, cos(), sin(), "},
    {"1-ngtv(2)=", "3", "1, 2, ngtv(), -, "},
    {"1+sin(0)*2=", "1", "1, 0, sin(), 2, *, +, "},
    {"sin(1+2)*cos(0)=", "0.14112", "1, 2, +, sin(), 0, cos(), *, "},
    {"log10(100)=", "2", nullptr},
    {"acosh2(1)=", "0", nullptr},
    {"5=", "5", "5, "},
    {"1.=", "1", "1, "},
    {"007=", "7", "7, "},
    {"3.141592=", "3.14159", "3.14159, "},
    {"1.50+2=", "3.5", "1.5, 2, +, "},  // numbers are traced as values
    {"(((2)))=", "2", "2, "},
    // A surplus ")" is skipped where no group is open.
    {"5)=", "5", nullptr},
    {"(1))=", "1", nullptr},
    {"1)+2=", "3", nullptr},
    {"(1+2))*3=", "9", nullptr},
    {"1+2)*3=", "7", "1, 2, 3, *, +, "},
    // The group is still open at the first "="; the second ends the text.
    {"(1==", "1", nullptr},
    // Bytes after the terminator are not read.
    {"1=abc", "1", nullptr},
    {"1+2=3=", "3", nullptr},
    {"1+2==", "3", nullptr},
    {"1=\x80\xff", "1", nullptr},
    // Arithmetic faults are values, not errors.
    {"1/0=", "inf", "1, 0, /, "},
    {"0/0=", "nan", nullptr},
    {"ngtv(1)/0=", "-inf", nullptr},
    {"sqrt(ngtv(1))+1=", "nan", nullptr},
    {"ngtv(0)=", "-0", nullptr},
    {"1/3=", "0.333333", nullptr},
    {"1/3*3=", "1", nullptr},
    {"pow10(20)=", "1e+020", nullptr},
    {"pow10(ngtv(7))=", "1e-007", nullptr},
    {"999999=", "999999", nullptr},
    {"1000000=", "1e+006", nullptr},
    {"1234565=", "1.23456e+006", nullptr},
    {"1234575=", "1.23458e+006", nullptr},
    {"0.0001=", "0.0001", nullptr},
    {"0.00001=", "1e-005", nullptr},
};

const char* const kIllegalTexts[] = {
    "", "=", "5", "1+2", "(1+2)",
    "((1)=", "(1+2=", "2*(3+4=",                                // unclosed "("
    "2(3)=", "(1)(2)=", "(1)2=", "sqrt(4)sqrt(4)=",             // no implicit product
    "-1=", "2*-3=", "1++2=", "1+=", "1+)2=", "+1=",             // no unary operators
    "2^3=", "1,2=",                                     // no such operator
    ".5=", "1.5+.5=", "1..2=", "1.2.3=", "1e5=",                // number syntax
    "1 + 2=", " 1=", "1 =", "1\t=",                            // no white space
    "sinx=", "sin=", "sin()=", "SIN(0)=", "sin(1,2)=", "sin(1)(2)=", "nosuch(1)=",
    ")1=", "()=", "1+2)3=", "(=", "(1)a=", "1(=",
};

TEST(Evaluate, LegalTextsGiveValueAndTrace) {
    SEngineWithBuiltins calc;
    for (const SCase& c : kLegal) {
        EXPECT_EQ(calc.Shown(c.szText), c.szShown) << "text: " << c.szText;
        if (c.szTrace) {
            EXPECT_EQ(GetTrace(calc.engine), c.szTrace) << "text: " << c.szText;
        }
    }
}

TEST(Evaluate, IllegalTextsSetTheErrorFlagOnly) {
    SEngineWithBuiltins calc;
    for (const char* szText : kIllegalTexts) {
        Evaluate(calc.engine, "2+3=");  // state left by a legal text must not leak
        Evaluate(calc.engine, szText);
        EXPECT_TRUE(HasError(calc.engine)) << "text: " << szText;
        EXPECT_EQ(GetResult(calc.engine), 0.0) << "text: " << szText;
        EXPECT_EQ(GetTrace(calc.engine), "") << "text: " << szText;
        EXPECT_TRUE(calc.engine.lstTokens.empty()) << "text: " << szText;
    }
}

TEST(Evaluate, BytesOfNoClassAreIllegalBeforeTheTerminator) {
    SEngineWithBuiltins calc;
    for (std::string strText : {std::string("1\0", 2) + "=", std::string("1+\x80" "2="),
                                std::string("\xd6\xd0="), std::string("(1\x7f)=")}) {
        Evaluate(calc.engine, strText);
        EXPECT_TRUE(HasError(calc.engine)) << "byte text of size " << strText.size();
    }
}

TEST(Evaluate, NumbersBeyondRangeReadAsAtofDoes) {
    SEngineWithBuiltins calc;
    EXPECT_EQ(calc.Shown("1" + std::string(400, '0') + "="), "inf");
    EXPECT_EQ(calc.Shown("0." + std::string(400, '0') + "1="), "0");
    // Rounds up to the smallest subnormal rather than to zero.
    EXPECT_EQ(calc.Shown("0." + std::string(323, '0') + "3="), "4.94066e-324");
    EXPECT_EQ(calc.Shown("1" + std::string(400, '0') + "-1" + std::string(400, '0') + "="), "nan");
}

TEST(Evaluate, ExpressionIsKeptAsGiven) {
    SEngineWithBuiltins calc;
    Evaluate(calc.engine, "1+2=3=");
    EXPECT_EQ(GetExpression(calc.engine), "1+2=3=");
}

TEST(Evaluate, SuccessLeavesOneNumberToken) {
    SEngineWithBuiltins calc;
    Evaluate(calc.engine, "2*(3+4)*5=");
    ASSERT_EQ(calc.engine.lstTokens.size(), 1u);
    EXPECT_EQ(calc.engine.lstTokens.front().strType, TAG_NUMBER);
    EXPECT_EQ(NumberOf(calc.engine.lstTokens.front()), 70.0);
}

TEST(Evaluate, WithEmptyTablesOnlyPlainNumbersAreLegal) {
    SExprEngine engine;
    Evaluate(engine, "5=");
    EXPECT_FALSE(HasError(engine));
    EXPECT_EQ(GetResult(engine), 5.0);
    Evaluate(engine, "(5)=");
    EXPECT_EQ(GetResult(engine), 5.0);
    for (const char* szText : {"1+2=", "sin(0)="}) {
        Evaluate(engine, szText);
        EXPECT_TRUE(HasError(engine)) << szText;
    }
}

// Levels are kept on the heap: depth is limited by memory alone.
TEST(Evaluate, MillionfoldNestingEvaluates) {
    const size_t nDepth = 1000000;
    SEngineWithBuiltins calc;
    EXPECT_EQ(calc.Shown(std::string(nDepth, '(') + "1+2" + std::string(nDepth, ')') + "="), "3");

    std::string strCalls;
    for (size_t i = 0; i < nDepth; ++i) strCalls += "ngtv(";
    strCalls += "1" + std::string(nDepth, ')') + "=";
    EXPECT_EQ(calc.Shown(strCalls), "1");

    // Alternating priorities deepen the levels too: 1*(0+1*(0+...1)).
    std::string strChain;
    for (size_t i = 0; i < nDepth / 10; ++i) strChain += "1*(0+";
    strChain += "1" + std::string(nDepth / 10, ')') + "=";
    EXPECT_EQ(calc.Shown(strChain), "1");

    EXPECT_EQ(calc.Shown(std::string(nDepth, '(') + "1="), kIllegal);
}

TEST(Evaluate, LongFlatChainsEvaluate) {
    SEngineWithBuiltins calc;
    std::string strText = "0";
    for (int i = 0; i < 200000; ++i) strText += "+1-0.5*2";
    EXPECT_EQ(calc.Shown(strText + "="), "0");
}

}  // namespace

namespace {

// Short numbers are read by a fast path, long ones by the general
// conversion; both must give the correctly rounded double.
TEST(ReadNumber, FastAndGeneralPathsRoundCorrectly) {
    struct { const char* szText; double dValue; } kCases[] = {
        {"0", 0.0}, {"007", 7.0}, {"1.", 1.0}, {"0.1", 0.1}, {"3.141592", 3.141592},
        {"9007199254740993", 9007199254740993.0},  // 2^53 + 1: rounds to even
        {"9007199254740992.5", 9007199254740992.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"0.30000000000000004", 0.30000000000000004},
        {"0.000000000000000000000001", 1e-24},
        {"2.2250738585072014", 2.2250738585072014},
    };
    for (const auto& c : kCases) EXPECT_EQ(ReadNumber(c.szText), c.dValue) << c.szText;
}

}  // namespace
