// The engine object: registration rules, per-evaluation state, and the
// reduction of token lists the parser would never make.
#include <gtest/gtest.h>

#include <cmath>

#include "engine_fixture.h"

namespace {

double Twice(double x) { return 2 * x; }
double First(double l, double) { return l; }

TEST(Registration, FirstRegistrationOfANameWins) {
    SEngineWithBuiltins calc;
    EXPECT_FALSE(RegisterFunction(calc.engine, "sin", u"other", Twice));
    EXPECT_EQ(calc.engine.mapFunctions.at("sin").wstrHint, u"正弦函数");
    EXPECT_EQ(calc.Shown("sin(0)="), "0");

    EXPECT_FALSE(RegisterOperator(calc.engine, "+", u"other", First, 30));
    EXPECT_EQ(calc.engine.mapOperators.at("+").nPriority, 10);
    EXPECT_EQ(calc.Shown("2*3+4="), "10");
}

TEST(Registration, NamesAreNotCheckedButOnlyReadableOnesMatch) {
    SEngineWithBuiltins calc;
    EXPECT_TRUE(RegisterFunction(calc.engine, "2x", u"", Twice));
    EXPECT_EQ(calc.Shown("2x(1)="), kIllegal);
    EXPECT_TRUE(RegisterFunction(calc.engine, "dbl", u"", Twice));
    EXPECT_EQ(calc.Shown("dbl(4)="), "8");
}

TEST(Registration, OperatorSymbolsAreWholeRunsOfPunctuation) {
    SEngineWithBuiltins calc;
    EXPECT_TRUE(RegisterOperator(calc.engine, "<<", u"", First, 5));
    EXPECT_EQ(calc.Shown("1+2<<3="), "3");
    EXPECT_EQ(calc.Shown("1<3="), kIllegal);
}

TEST(Registration, PriorityDecidesBinding) {
    SExprEngine engine;
    RegisterOperator(engine, "+", u"", [](double l, double r) { return l + r; }, 30);
    RegisterOperator(engine, "*", u"", [](double l, double r) { return l * r; }, 20);
    Evaluate(engine, "2*3+4=");
    EXPECT_EQ(GetResult(engine), 14.0);
    EXPECT_EQ(GetTrace(engine), "2, 3, 4, +, *, ");
}

TEST(EvaluateState, AFailureClearsWhatASuccessLeft) {
    SEngineWithBuiltins calc;
    Evaluate(calc.engine, "2+3=");
    EXPECT_EQ(GetResult(calc.engine), 5.0);
    EXPECT_EQ(GetTrace(calc.engine), "2, 3, +, ");
    Evaluate(calc.engine, "2+=");
    EXPECT_TRUE(HasError(calc.engine));
    EXPECT_EQ(GetResult(calc.engine), 0.0);
    EXPECT_EQ(GetTrace(calc.engine), "");
    EXPECT_EQ(GetExpression(calc.engine), "2+=");
    Evaluate(calc.engine, "4=");
    EXPECT_FALSE(HasError(calc.engine));
}

TEST(EvaluateState, AccessorsReturnCopies) {
    SEngineWithBuiltins calc;
    FunctionTable fns = GetFunctions(calc.engine);
    fns.clear();
    OperatorTable ops = GetOperators(calc.engine);
    ops.clear();
    EXPECT_EQ(calc.engine.mapFunctions.size(), 36u);
    EXPECT_EQ(calc.engine.mapOperators.size(), 4u);
}

// Lists the parser cannot produce, built by hand, are illegal expressions.
class MalformedList : public ::testing::Test {
protected:
    SEngineWithBuiltins calc;
    SToken Fn(const char* szName) {
        return SToken{TAG_FUNCTION, &calc.engine.mapFunctions.at(szName)};
    }
    SToken Num(double dValue) { return MakeNumberToken(calc.engine.lstTokens, dValue); }
    SToken Op(const char* szSymbol) {
        return SToken{TAG_OPERATOR, &calc.engine.mapOperators.at(szSymbol)};
    }
    void Reduce(std::initializer_list<SToken> tokens) {
        ClearTokens(calc.engine.lstTokens);
        calc.engine.lstTokens.assign(tokens);
        calc.engine.bError = 0;
        calc.engine.dResult = 0.0;
        EvaluatePostfix(calc.engine);
    }
    void ExpectIllegal(const char* szWhat) {
        EXPECT_TRUE(HasError(calc.engine)) << szWhat;
        EXPECT_EQ(GetResult(calc.engine), 0.0) << szWhat;
        EXPECT_TRUE(calc.engine.lstTokens.empty()) << szWhat;
    }
};

TEST_F(MalformedList, MissingOperandsOrLeftoversAreRejected) {
    Reduce({Fn("sin")});
    ExpectIllegal("function first");
    Reduce({Num(1), Op("+")});
    ExpectIllegal("operator with one operand");
    Reduce({Num(1), Num(2)});
    ExpectIllegal("two numbers left");
    Reduce({});
    ExpectIllegal("empty list");
    Reduce({Num(1), SToken{"unknown", nullptr}, Op("+")});
    ExpectIllegal("operand of unknown kind");
}

TEST_F(MalformedList, WellFormedListsReduceInPlace) {
    Reduce({Num(2), Num(3), Num(4), Op("+"), Op("*"),
            Num(5), Op("*")});
    EXPECT_FALSE(HasError(calc.engine));
    EXPECT_EQ(GetResult(calc.engine), 70.0);
    EXPECT_EQ(calc.engine.lstTokens.size(), 1u);
}

TEST(BuildTrace, UnknownTokensAddNothing) {
    SEngineWithBuiltins calc;
    calc.engine.lstTokens.push_back(MakeNumberToken(calc.engine.lstTokens, 1.5));
    calc.engine.lstTokens.push_back(SToken{"unknown", nullptr});
    calc.engine.lstTokens.push_back(SToken{TAG_FUNCTION, &calc.engine.mapFunctions.at("sin")});
    BuildTrace(calc.engine);
    EXPECT_EQ(GetTrace(calc.engine), "1.5, sin(), ");
}

}  // namespace
