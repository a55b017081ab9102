// The named functions and the four operators. Every formula is evaluated
// exactly as written, innermost first: no identity or symmetry is applied,
// so the values outside a function's usual domain are what these very
// expressions give in double arithmetic.
#include "builtins.h"

#include <cmath>

namespace {

double Ngtv(double x) { return -x; }
double Abs(double x) { return x >= 0 ? x : -x; }  // keeps -0; negates NaN
double Sqr(double x) { return x * x; }
double Sqrt(double x) { return std::sqrt(x); }
double Cb(double x) { return x * (x * x); }
double Cbt(double x) { return std::pow(x, 1.0 / 3.0); }  // NaN below zero
double Exp(double x) { return std::exp(x); }
double Ln(double x) { return std::log(x); }
double Log10(double x) { return std::log10(x); }
double Pow10(double x) { return std::pow(10.0, x); }
double Sin(double x) { return std::sin(x); }
double Asin(double x) { return std::asin(x); }
double Cos(double x) { return std::cos(x); }
double Acos(double x) { return std::acos(x); }
double Tan(double x) { return std::tan(x); }
double Atan(double x) { return std::atan(x); }
double Cot(double x) { return 1 / std::tan(x); }
double Acot(double x) { return std::atan(1 / x); }
double Sec(double x) { return 1 / std::cos(x); }
double Asec(double x) { return std::acos(1 / x); }
double Csc(double x) { return 1 / std::sin(x); }
double Acsc(double x) { return std::asin(1 / x); }
double Sinh(double x) { return std::sinh(x); }
double Asinh(double x) { return std::log(x + std::sqrt(x * x + 1)); }
double Cosh(double x) { return std::cosh(x); }
double Acosh(double x) { return std::log(x + std::sqrt(x * x - 1)); }
double Acosh2(double x) { return std::log(x - std::sqrt(x * x - 1)); }
double Tanh(double x) { return std::tanh(x); }
double Atanh(double x) { return 0.5 * std::log((x + 1) / (1 - x)); }
double Coth(double x) { return 1 / std::tanh(x); }
double Acoth(double x) { return 0.5 * std::log((x + 1) / (x - 1)); }
double Sech(double x) { return 1 / std::cosh(x); }
double Asech(double x) { return std::log((std::sqrt(1 - x * x) + 1) / x); }
double Asech2(double x) { return -std::log((std::sqrt(1 - x * x) + 1) / x); }
double Csch(double x) { return 1 / std::sinh(x); }
double Acsch(double x) {
    // A zero of either sign takes the second branch.
    return x < 0 ? std::log((1 - std::sqrt(x * x + 1)) / x)
                 : std::log((1 + std::sqrt(x * x + 1)) / x);
}

double Add(double l, double r) { return l + r; }
double Subtract(double l, double r) { return l - r; }
double Multiply(double l, double r) { return l * r; }
double Divide(double l, double r) { return l / r; }

// In registration order.
const SBuiltinFunction kFunctions[] = {
    {"ngtv", u"负值函数", Ngtv},
    {"abs", u"绝对值函数", Abs},
    {"sqr", u"平方函数", Sqr},
    {"sqrt", u"算术平方根函数", Sqrt},
    {"cb", u"立方函数", Cb},
    {"cbt", u"立方根函数", Cbt},
    {"exp", u"自然指数函数：以纳皮尔常数 E 为底的幂次方", Exp},
    {"ln", u"自然对数函数：以纳皮尔常数 E 为底的对数", Ln},
    {"log10", u"以 10 为底的对数函数", Log10},
    {"pow10", u"以 10 为底的幂次方函数", Pow10},
    {"sin", u"正弦函数", Sin},
    {"asin", u"正弦函数的反函数", Asin},
    {"cos", u"余弦函数", Cos},
    {"acos", u"余弦函数的反函数", Acos},
    {"tan", u"正切函数", Tan},
    {"atan", u"正切函数的反函数", Atan},
    {"cot", u"余切函数", Cot},
    {"acot", u"余切函数的反函数", Acot},
    {"sec", u"正割函数", Sec},
    {"asec", u"正割函数的反函数", Asec},
    {"csc", u"余割函数", Csc},
    {"acsc", u"余割函数的反函数", Acsc},
    {"sinh", u"双曲正弦函数", Sinh},
    {"asinh", u"双曲正弦函数的反函数", Asinh},
    {"cosh", u"双曲余弦函数", Cosh},
    {"acosh", u"双曲余弦函数的反函数的第一个结果", Acosh},
    {"acosh2", u"双曲余弦函数的反函数的第二个结果", Acosh2},
    {"tanh", u"双曲正切函数", Tanh},
    {"atanh", u"双曲正切函数的反函数", Atanh},
    {"coth", u"双曲余切函数", Coth},
    {"acoth", u"双曲余切函数的反函数", Acoth},
    {"sech", u"双曲正割函数", Sech},
    {"asech", u"双曲正割函数的反函数的第一个结果", Asech},
    {"asech2", u"双曲正割函数的反函数的第二个结果", Asech2},
    {"csch", u"双曲余割函数", Csch},
    {"acsch", u"双曲余割函数的反函数", Acsch},
};

struct SBuiltinOperator {
    const char* szSymbol;
    const char16_t* wszHint;
    double (*pfnCompute)(double, double);
    int32_t nPriority;
};

// A higher priority binds tighter.
const SBuiltinOperator kOperators[] = {
    {"+", u"加上", Add, 10},
    {"-", u"减去", Subtract, 10},
    {"*", u"乘以", Multiply, 20},
    {"/", u"除以", Divide, 20},
};

}  // namespace

std::span<const SBuiltinFunction> BuiltinFunctions() { return kFunctions; }

const SBuiltinFunction* FindBuiltin(std::string_view strName) {
    for (const SBuiltinFunction& fn : kFunctions)
        if (strName == fn.szName) return &fn;
    return nullptr;
}

void RegisterBuiltins(SExprEngine& engine) {
    for (const SBuiltinFunction& fn : kFunctions)
        RegisterFunction(engine, fn.szName, fn.wszHint, fn.pfnCompute);
    for (const SBuiltinOperator& op : kOperators)
        RegisterOperator(engine, op.szSymbol, op.wszHint, op.pfnCompute, op.nPriority);
}
