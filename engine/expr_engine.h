// The expression engine: tables of named functions and operators, and the
// state of one evaluation. Portable C++: no platform header may appear here.
#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "token_pool.h"

// Kind tags of a token. A token's kind is told by comparing its tag text.
inline constexpr std::string_view TAG_NUMBER = "Pd";
inline constexpr std::string_view TAG_FUNCTION = "P11SOperator41";
inline constexpr std::string_view TAG_OPERATOR = "P11SOperator42";

// One element of a postfix list. A number token owns the double that pData
// points to; function and operator tokens point into the engine's tables.
struct SToken {
    std::string_view strType;
    void* pData;
};

// Every list of one engine draws from the engine's pool.
using TokenList = std::list<SToken, SPoolAllocator<SToken>>;

// A named one-argument function.
struct SOperator41 {
    int32_t nOperands;
    int32_t nPriority;
    std::string strCall;
    std::string strName;
    std::u16string wstrHint;
    double (*pfnCompute)(double);
};

// A two-argument operator; pfnCompute takes (left, right).
struct SOperator42 {
    int32_t nOperands;
    int32_t nPriority;
    std::string strCall;
    std::string strName;
    std::u16string wstrHint;
    double (*pfnCompute)(double, double);
};

// Keys order byte by byte as unsigned values, a key before any longer key
// it begins. Transparent, so that a lookup needs no key string; inline,
// because the keys are a few bytes long.
struct SByteOrder {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        const size_t n = a.size() < b.size() ? a.size() : b.size();
        for (size_t i = 0; i < n; ++i) {
            const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
            if (ca != cb) return ca < cb;
        }
        return a.size() < b.size();
    }
};

// Node-based maps keep every record at a fixed address, which tokens rely on.
using FunctionTable = std::map<std::string, SOperator41, SByteOrder>;
using OperatorTable = std::map<std::string, SOperator42, SByteOrder>;

struct SParseLevel;  // the parser's own

struct SExprEngine {
    // Declared first, so that it is destroyed after every list that uses it.
    STokenPool poolTokens;

    TokenList lstTokens{SPoolAllocator<SToken>(&poolTokens)};
    FunctionTable mapFunctions;
    OperatorTable mapOperators;
    std::string strExpression;
    std::string strTrace;
    double dResult = 0.0;
    uint8_t bError = 0;

    // The parser's stack of levels, kept between evaluations.
    std::vector<SParseLevel> lstParseLevels;

    SExprEngine();
    SExprEngine(const SExprEngine&) = delete;
    SExprEngine& operator=(const SExprEngine&) = delete;
    ~SExprEngine();
};

bool RegisterFunction(SExprEngine& engine, const std::string& strName,
                      const std::u16string& wstrHint, double (*pfnCompute)(double));
bool RegisterOperator(SExprEngine& engine, const std::string& strSymbol,
                      const std::u16string& wstrHint,
                      double (*pfnCompute)(double, double), int32_t nPriority);

// Evaluates a text that ends with the terminator "=". Afterwards either
// bError is 1 (illegal text; dResult 0, empty trace and token list) or
// dResult holds the value, which may be an infinity or NaN.
void Evaluate(SExprEngine& engine, const std::string& strExpression);

bool HasError(const SExprEngine& engine);
double GetResult(const SExprEngine& engine);
std::string GetTrace(const SExprEngine& engine);
std::string GetExpression(const SExprEngine& engine);
FunctionTable GetFunctions(const SExprEngine& engine);
OperatorTable GetOperators(const SExprEngine& engine);

// Releases the numbers of a list and empties it.
void ClearTokens(TokenList& lst);

// An empty list that draws from the same pool as lstOwner.
TokenList NewTokenList(const TokenList& lstOwner);

// Number tokens: every double a list owns is made and released here, in
// the pool of the list that will hold it.
SToken MakeNumberToken(const TokenList& lstOwner, double dValue);
double NumberOf(const SToken& token);
void ReleaseNumber(const TokenList& lstOwner, SToken& token);

// Stages of Evaluate, exposed for tests and tools.
void Parse(SExprEngine& engine);
void BuildTrace(SExprEngine& engine);
void EvaluatePostfix(SExprEngine& engine);
