// Reduction of a postfix list to its value, and the trace text of the list.
#include <iterator>

#include "expr_engine.h"
#include "format_number.h"

namespace {

// True when the n tokens in front of it are numbers.
bool NumbersBefore(const TokenList& lst, TokenList::iterator it, int n) {
    for (; n > 0; --n) {
        if (it == lst.begin()) return false;
        --it;
        if (it->strType != TAG_NUMBER) return false;
    }
    return true;
}

// A list the parser could not have made is an illegal expression.
void RejectList(SExprEngine& engine) {
    ClearTokens(engine.lstTokens);
    engine.dResult = 0.0;
    engine.bError = 1;
}

}  // namespace

// The list is reduced in place: every token in front of the cursor is a
// number, and each function or operator replaces itself and its operands by
// one number. The operand's own node and double are reused for the result.
void EvaluatePostfix(SExprEngine& engine) {
    TokenList& lst = engine.lstTokens;
    for (auto it = lst.begin(); it != lst.end();) {
        if (it->strType == TAG_FUNCTION) {
            if (!NumbersBefore(lst, it, 1)) return RejectList(engine);
            auto arg = std::prev(it);
            const auto* pFunction = static_cast<const SOperator41*>(it->pData);
            *static_cast<double*>(arg->pData) = pFunction->pfnCompute(NumberOf(*arg));
            it = lst.erase(it);
        } else if (it->strType == TAG_OPERATOR) {
            if (!NumbersBefore(lst, it, 2)) return RejectList(engine);
            auto right = std::prev(it);
            auto left = std::prev(right);
            const auto* pOperator = static_cast<const SOperator42*>(it->pData);
            *static_cast<double*>(left->pData) =
                pOperator->pfnCompute(NumberOf(*left), NumberOf(*right));
            ReleaseNumber(lst, *right);
            lst.erase(right);
            it = lst.erase(it);
        } else {
            ++it;
        }
    }
    if (lst.size() != 1 || lst.front().strType != TAG_NUMBER) return RejectList(engine);
    engine.dResult = NumberOf(lst.front());
}

void BuildTrace(SExprEngine& engine) {
    for (const SToken& token : engine.lstTokens) {
        if (token.strType == TAG_NUMBER)
            AppendNumber(engine.strTrace, NumberOf(token));
        else if (token.strType == TAG_FUNCTION)
            engine.strTrace += static_cast<const SOperator41*>(token.pData)->strCall;
        else if (token.strType == TAG_OPERATOR)
            engine.strTrace += static_cast<const SOperator42*>(token.pData)->strCall;
        else
            continue;  // an unknown token adds nothing, not even the separator
        engine.strTrace += ", ";
    }
}
