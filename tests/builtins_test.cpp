// The named functions: their table, and the value of each on the arguments
// where a wrong formula, branch or domain would show.
#include <gtest/gtest.h>

#include <cmath>
#include <bit>
#include <set>

#include "engine_fixture.h"

namespace {

TEST(Builtins, TableHoldsThirtySixDistinctFunctionsInOrder) {
    auto fns = BuiltinFunctions();
    ASSERT_EQ(fns.size(), 36u);
    EXPECT_STREQ(fns.front().szName, "ngtv");
    EXPECT_STREQ(fns[26].szName, "acosh2");
    EXPECT_STREQ(fns.back().szName, "acsch");
    std::set<std::string> names;
    std::set<void*> impls;
    for (const SBuiltinFunction& fn : fns) {
        names.insert(fn.szName);
        impls.insert(reinterpret_cast<void*>(fn.pfnCompute));
    }
    EXPECT_EQ(names.size(), 36u);
    EXPECT_EQ(impls.size(), 36u) << "each name has an implementation of its own";
}

TEST(Builtins, RegistrationFillsBothTables) {
    SEngineWithBuiltins calc;
    ASSERT_EQ(calc.engine.mapFunctions.size(), 36u);
    ASSERT_EQ(calc.engine.mapOperators.size(), 4u);
    const SOperator41& sin = calc.engine.mapFunctions.at("sin");
    EXPECT_EQ(sin.nOperands, 1);
    EXPECT_EQ(sin.nPriority, 100);
    EXPECT_EQ(sin.strCall, "sin()");
    EXPECT_EQ(sin.strName, "sin");
    EXPECT_EQ(sin.wstrHint, u"正弦函数");
    EXPECT_EQ(calc.engine.mapFunctions.at("exp").wstrHint,
              u"自然指数函数\uFF1A以纳皮尔常数 E 为底的幂次方");

    struct { const char* szSymbol; const char16_t* wszHint; int nPriority; } kOps[] = {
        {"+", u"加上", 10}, {"-", u"减去", 10}, {"*", u"乘以", 20}, {"/", u"除以", 20}};
    for (const auto& op : kOps) {
        const SOperator42& rec = calc.engine.mapOperators.at(op.szSymbol);
        EXPECT_EQ(rec.nOperands, 2) << op.szSymbol;
        EXPECT_EQ(rec.nPriority, op.nPriority) << op.szSymbol;
        EXPECT_EQ(rec.strCall, op.szSymbol);
        EXPECT_EQ(rec.wstrHint, op.wszHint) << op.szSymbol;
    }
}

struct SValueCase {
    const char* szText;
    const char* szShown;
};

const SValueCase kValues[] = {
    {"ngtv(2)=", "-2"},
    {"abs(ngtv(2.5))=", "2.5"},
    {"abs(ngtv(0))=", "-0"},  // -0 >= 0 holds: returned unchanged
    {"abs(0/0)=", "nan"},
    {"sqr(3)=", "9"},
    {"sqrt(2)=", "1.41421"},
    {"sqrt(ngtv(1))=", "nan"},
    {"cb(ngtv(2))=", "-8"},
    {"cbt(8)=", "2"},
    {"cbt(ngtv(8))=", "nan"},  // a power, not a sign-aware root
    {"exp(1)=", "2.71828"},
    {"exp(1000)=", "inf"},
    {"ln(10)=", "2.30259"},
    {"ln(0)=", "-inf"},
    {"ln(ngtv(1))=", "nan"},
    {"log10(1000)=", "3"},
    {"pow10(ngtv(1))=", "0.1"},
    {"pow10(400)=", "inf"},
    {"sin(90)=", "0.893997"},  // radians
    {"asin(1)=", "1.5708"},
    {"asin(2)=", "nan"},
    {"cos(0)=", "1"},
    {"acos(0)=", "1.5708"},
    {"tan(1)=", "1.55741"},
    {"atan(1)=", "0.785398"},
    {"cot(0)=", "inf"},
    {"cot(1)=", "0.642093"},
    {"acot(0)=", "1.5708"},
    {"acot(ngtv(1))=", "-0.785398"},
    {"sec(0)=", "1"},
    {"asec(2)=", "1.0472"},
    {"asec(0.5)=", "nan"},
    {"csc(0)=", "inf"},
    {"acsc(2)=", "0.523599"},
    {"sinh(1)=", "1.1752"},
    {"asinh(1)=", "0.881374"},
    {"asinh(ngtv(1))=", "-0.881374"},
    {"cosh(1)=", "1.54308"},
    {"acosh(2)=", "1.31696"},
    {"acosh2(2)=", "-1.31696"},
    {"acosh(1)=", "0"},
    {"acosh2(1)=", "0"},
    {"acosh(0.5)=", "nan"},
    {"acosh(ngtv(2))=", "nan"},
    {"tanh(1)=", "0.761594"},
    {"atanh(0.5)=", "0.549306"},
    {"atanh(1)=", "inf"},
    {"atanh(ngtv(1))=", "-inf"},
    {"atanh(2)=", "nan"},
    {"coth(1)=", "1.31304"},
    {"acoth(2)=", "0.549306"},
    {"acoth(1)=", "inf"},
    {"acoth(0.5)=", "nan"},
    {"sech(1)=", "0.648054"},
    {"asech(0.5)=", "1.31696"},
    {"asech2(0.5)=", "-1.31696"},
    {"asech(0)=", "inf"},
    {"asech(2)=", "nan"},
    {"asech2(1)=", "-0"},  // the sign changes after the logarithm
    {"csch(1)=", "0.850918"},
    {"acsch(2)=", "0.481212"},
    {"acsch(ngtv(2))=", "-0.481212"},
    {"acsch(0)=", "inf"},
    {"acsch(ngtv(0))=", "nan"},  // -0 takes the second branch too: log(2 / -0)
};

TEST(Builtins, ValuesFollowTheFormulas) {
    SEngineWithBuiltins calc;
    for (const SValueCase& c : kValues) {
        EXPECT_EQ(calc.Shown(c.szText), c.szShown) << "text: " << c.szText;
        EXPECT_FALSE(HasError(calc.engine)) << "a NaN or infinity is a value: " << c.szText;
    }
}

TEST(Builtins, EveryFunctionIsCallableByName) {
    SEngineWithBuiltins calc;
    for (const SBuiltinFunction& fn : BuiltinFunctions()) {
        Evaluate(calc.engine, std::string(fn.szName) + "(0.5)=");
        EXPECT_FALSE(HasError(calc.engine)) << fn.szName;
        EXPECT_EQ(std::bit_cast<uint64_t>(GetResult(calc.engine)),
                  std::bit_cast<uint64_t>(fn.pfnCompute(0.5)))
            << fn.szName;
    }
}

TEST(Builtins, FindBuiltinMatchesExactly) {
    ASSERT_NE(FindBuiltin("asech2"), nullptr);
    EXPECT_STREQ(FindBuiltin("asech2")->szName, "asech2");
    EXPECT_EQ(FindBuiltin("SIN"), nullptr);
    EXPECT_EQ(FindBuiltin("+"), nullptr);
}

}  // namespace
