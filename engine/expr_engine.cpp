#include "expr_engine.h"

#include "parser.h"

SExprEngine::SExprEngine() = default;
SExprEngine::~SExprEngine() { ClearTokens(lstTokens); }

bool RegisterFunction(SExprEngine& engine, const std::string& strName,
                      const std::u16string& wstrHint, double (*pfnCompute)(double)) {
    // The first registration of a name wins.
    if (engine.mapFunctions.find(strName) != engine.mapFunctions.end()) return false;
    engine.mapFunctions.emplace(
        strName, SOperator41{1, 100, strName + "()", strName, wstrHint, pfnCompute});
    return true;
}

bool RegisterOperator(SExprEngine& engine, const std::string& strSymbol,
                      const std::u16string& wstrHint,
                      double (*pfnCompute)(double, double), int32_t nPriority) {
    if (engine.mapOperators.find(strSymbol) != engine.mapOperators.end()) return false;
    engine.mapOperators.emplace(
        strSymbol, SOperator42{2, nPriority, strSymbol, strSymbol, wstrHint, pfnCompute});
    return true;
}

void Evaluate(SExprEngine& engine, const std::string& strExpression) {
    engine.bError = 0;
    engine.strTrace.clear();
    engine.dResult = 0.0;
    ClearTokens(engine.lstTokens);
    engine.poolTokens.RewindIfIdle();
    engine.strExpression = strExpression;
    Parse(engine);
    if (engine.lstTokens.empty()) {
        engine.bError = 1;
        return;
    }
    // The trace comes first because the evaluation consumes the list.
    BuildTrace(engine);
    EvaluatePostfix(engine);
}

bool HasError(const SExprEngine& engine) { return engine.bError != 0; }
double GetResult(const SExprEngine& engine) { return engine.dResult; }
std::string GetTrace(const SExprEngine& engine) { return engine.strTrace; }
std::string GetExpression(const SExprEngine& engine) { return engine.strExpression; }
FunctionTable GetFunctions(const SExprEngine& engine) { return engine.mapFunctions; }
OperatorTable GetOperators(const SExprEngine& engine) { return engine.mapOperators; }

TokenList NewTokenList(const TokenList& lstOwner) { return TokenList(lstOwner.get_allocator()); }

SToken MakeNumberToken(const TokenList& lstOwner, double dValue) {
    void* pCell = lstOwner.get_allocator().pPool->poolNumbers.Allocate();
    return SToken{TAG_NUMBER, ::new (pCell) double(dValue)};
}

double NumberOf(const SToken& token) { return *static_cast<const double*>(token.pData); }

void ReleaseNumber(const TokenList& lstOwner, SToken& token) {
    lstOwner.get_allocator().pPool->poolNumbers.Release(token.pData);
    token.pData = nullptr;
}

void ClearTokens(TokenList& lst) {
    for (SToken& token : lst) {
        if (token.strType == TAG_NUMBER) ReleaseNumber(lst, token);
    }
    lst.clear();
}
