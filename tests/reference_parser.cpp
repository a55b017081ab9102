#include "reference_parser.h"

#include <cstdlib>
#include <vector>

#include "format_number.h"

namespace {

// A token of the reference: a number, or a record of one of the tables.
struct SRefToken {
    double dNumber;
    const SOperator41* pFunction;
    const SOperator42* pOperator;
};
using RefList = std::vector<SRefToken>;

struct SRefResult {
    RefList lst;  // empty: illegal
    const SOperator42* pPending = nullptr;
};

enum class EState { Start, Number, Name, Operator, AfterClose };

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsPunct(unsigned char c) {
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

struct SReference {
    const SExprEngine& engine;
    const std::string& text;
    size_t cursor = 0;

    bool AtEnd() const { return cursor >= text.size(); }

    SRefResult Segment(const SOperator42* pEnclosing, bool bNested) {
        RefList lst;
        std::string pending;
        EState state = EState::Start;
        const SRefResult failed;
        if (AtEnd()) return failed;
        for (;;) {
            const unsigned char c = static_cast<unsigned char>(text[cursor]);
            switch (state) {
            case EState::Start:
                if (c == '(') {
                    ++cursor;
                    SRefResult inner = Segment(nullptr, true);
                    if (inner.lst.empty()) return failed;
                    lst = inner.lst;
                    state = EState::AfterClose;
                } else if (IsDigit(c)) {
                    pending = std::string(1, c);
                    state = EState::Number;
                } else if (IsLetter(c)) {
                    pending = std::string(1, c);
                    state = EState::Name;
                } else {
                    return failed;
                }
                break;
            case EState::Number:
                if (c == '=') {
                    lst.push_back({std::strtod(pending.c_str(), nullptr), nullptr, nullptr});
                    return {lst, nullptr};
                } else if (c == ')') {
                    lst.push_back({std::strtod(pending.c_str(), nullptr), nullptr, nullptr});
                    if (bNested) return {lst, nullptr};
                    state = EState::AfterClose;
                } else if (c == '.') {
                    if (pending.find('.') != std::string::npos) return failed;
                    pending += '.';
                } else if (IsDigit(c)) {
                    pending += static_cast<char>(c);
                } else if (IsPunct(c) && c != '(') {
                    lst.push_back({std::strtod(pending.c_str(), nullptr), nullptr, nullptr});
                    pending = std::string(1, c);
                    state = EState::Operator;
                } else {
                    return failed;
                }
                break;
            case EState::Name:
                if (c == '(') {
                    ++cursor;
                    SRefResult inner = Segment(nullptr, true);
                    if (inner.lst.empty()) return failed;
                    lst = inner.lst;
                    auto it = engine.mapFunctions.find(pending);
                    if (it == engine.mapFunctions.end()) return failed;
                    lst.push_back({0.0, &it->second, nullptr});
                    state = EState::AfterClose;
                } else if (IsLetter(c) || IsDigit(c)) {
                    pending += static_cast<char>(c);
                } else {
                    return failed;
                }
                break;
            case EState::Operator:
                if (c == '=') return failed;
                if (IsPunct(c) && c != '(') {
                    pending += static_cast<char>(c);
                    break;
                }
                {  // resolve the operator
                    auto it = engine.mapOperators.find(pending);
                    if (it == engine.mapOperators.end()) return failed;
                    const SOperator42* p = &it->second;
                    if (pEnclosing && pEnclosing->nPriority >= p->nPriority) {
                        --cursor;
                        return {lst, p};
                    }
                    SRefResult right = Segment(p, bNested);
                    if (right.lst.empty()) return failed;
                    lst.insert(lst.end(), right.lst.begin(), right.lst.end());
                    lst.push_back({0.0, nullptr, p});
                    const SOperator42* q = right.pPending;
                    if (pEnclosing) {
                        if (q == nullptr || pEnclosing->nPriority >= q->nPriority) return {lst, q};
                    } else if (q == nullptr) {
                        return {lst, nullptr};
                    }
                    pending = q->strName;  // stays in Operator; resolved at the next byte
                }
                break;
            case EState::AfterClose:
                if (c == '=') return {lst, nullptr};
                if (c == ')') {
                    if (bNested) return {lst, nullptr};
                } else if (IsPunct(c) && c != '(') {
                    pending = std::string(1, c);
                    state = EState::Operator;
                } else {
                    return failed;
                }
                break;
            }
            ++cursor;
            if (AtEnd()) return failed;
        }
    }
};

}  // namespace

SReferenceOutcome ReferenceEvaluate(const SExprEngine& engine, const std::string& strText) {
    SReference ref{engine, strText};
    SRefResult result = ref.Segment(nullptr, false);
    SReferenceOutcome outcome;
    if (result.lst.empty()) return outcome;
    outcome.bLegal = true;
    // An operand stack: a different reduction from the engine's in-place one.
    std::vector<double> stack;
    for (const SRefToken& t : result.lst) {
        if (t.pFunction) {
            outcome.strTrace += t.pFunction->strCall;
            stack.back() = t.pFunction->pfnCompute(stack.back());
        } else if (t.pOperator) {
            outcome.strTrace += t.pOperator->strCall;
            double r = stack.back();
            stack.pop_back();
            stack.back() = t.pOperator->pfnCompute(stack.back(), r);
        } else {
            outcome.strTrace += FormatNumber(t.dNumber);
            stack.push_back(t.dNumber);
        }
        outcome.strTrace += ", ";
    }
    outcome.dValue = stack.back();
    return outcome;
}
