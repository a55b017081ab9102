#include "differential.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "builtins.h"
#include "format_number.h"
#include "reference_parser.h"

namespace {

bool SameValue(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    uint64_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

}  // namespace

std::string CompareWithReference(SExprEngine& engine, const std::string& strText) {
    SReferenceOutcome want = ReferenceEvaluate(engine, strText);
    Evaluate(engine, strText);
    std::ostringstream why;
    if (HasError(engine) == want.bLegal) {
        why << "legal: engine " << !HasError(engine) << ", reference " << want.bLegal;
    } else if (GetTrace(engine) != want.strTrace) {
        why << "trace: engine \"" << GetTrace(engine) << "\", reference \"" << want.strTrace << "\"";
    } else if (!SameValue(GetResult(engine), want.dValue)) {
        why << "value: engine " << FormatNumber(GetResult(engine)) << ", reference "
            << FormatNumber(want.dValue);
    }
    return why.str();
}

// SplitMix64: fixed output for a seed, unlike the standard distributions.
uint64_t STextGenerator::Random() {
    uint64_t z = (nState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void STextGenerator::Operand(std::string& out, int nDepth) {
    const size_t nKind = nDepth <= 0 ? 0 : Below(10);
    if (nKind < 5) {  // a number
        out += static_cast<char>('0' + Below(10));
        for (size_t n = Below(Chance(5) ? 40 : 4); n > 0; --n) out += static_cast<char>('0' + Below(10));
        if (Chance(40)) {
            out += '.';
            for (size_t n = Below(5); n > 0; --n) out += static_cast<char>('0' + Below(10));
        }
    } else if (nKind < 7) {  // a group, sometimes deep
        size_t nWraps = Chance(5) ? 1 + Below(300) : 1;
        out.append(nWraps, '(');
        Expression(out, nDepth - 1);
        out.append(nWraps, ')');
    } else {  // a call, of a known name mostly
        static const char* const kOdd[] = {"SIN", "sinx", "foo", "a1", "log"};
        auto fns = BuiltinFunctions();
        out += Chance(90) ? fns[Below(fns.size())].szName : kOdd[Below(std::size(kOdd))];
        out += '(';
        Expression(out, nDepth - 1);
        out += ')';
    }
}

void STextGenerator::Expression(std::string& out, int nDepth) {
    static const char* const kOperators[] = {"+", "-", "*", "/", "+", "-", "*", "/", "^", "**", "+-", ","};
    Operand(out, nDepth);
    for (size_t n = Below(Chance(5) ? 60 : 5); n > 0; --n) {
        out += kOperators[Below(Chance(95) ? 8 : std::size(kOperators))];
        Operand(out, nDepth);
    }
}

void STextGenerator::Mutate(std::string& out) {
    static const char kAlphabet[] = "()()==+-*/.,^ \t0123456789sinSIN\x80\xff\x7f";
    for (size_t n = 1 + Below(3); n > 0; --n) {
        const size_t nAt = Below(out.size() + 1);
        char c = Chance(5) ? '\0' : kAlphabet[Below(sizeof kAlphabet - 1)];
        switch (Below(3)) {
        case 0: out.insert(out.begin() + nAt, c); break;
        case 1: if (nAt < out.size()) out.erase(nAt, 1); break;
        default: if (nAt < out.size()) out[nAt] = c; break;
        }
    }
}

std::string STextGenerator::Next() {
    std::string out;
    Expression(out, static_cast<int>(Below(6)));
    if (Chance(90)) out += '=';
    if (Chance(10)) out += Chance(50) ? "=" : "1+2=";
    if (Chance(35)) Mutate(out);
    return out;
}
