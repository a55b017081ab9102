// The parser: a byte-at-a-time state machine that turns an infix text ending
// in "=" into a postfix token list.
//
// The grammar is read by levels: a level reads one operand chain; a group, a
// function argument and every operator's right operand is a level of its own.
// Levels live on an explicit stack on the heap, so that no depth of nesting
// can exhaust the machine stack; the results are those of a level calling the
// next level recursively.
//
// A level's tokens always follow everything that the levels below it have
// emitted, and it hands them to its caller only to have them appended at the
// end. So all levels write into one output list, in order, and a level only
// remembers how long that list was when it began.
#include <charconv>
#include <cmath>
#include <vector>

#include "expr_engine.h"
#include "parser.h"

namespace {

enum class EAction : uint8_t { Stay, Descend, Return, Fail };

SParseLevel NewLevel(const TokenList& lstOut, const SOperator42* pEnclosing, bool bNested) {
    return SParseLevel{lstOut.size(), pEnclosing, nullptr, nullptr, nullptr, 0,
                       EState::Start, EResume::None, bNested, false};
}

// Character classes of the "C" locale, by unsigned byte value.
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsPunct(unsigned char c) {
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) ||
           (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
}

bool IsAlnum(unsigned char c) { return IsLetter(c) || IsDigit(c); }

// Stays over a run of bytes of one class at once: the cursor moves to the
// last byte of the run, and the loop's advance moves past it.
EAction SkipWhile(std::string_view text, size_t& nCursor, bool (*pfnClass)(unsigned char)) {
    while (nCursor + 1 < text.size() && pfnClass(static_cast<unsigned char>(text[nCursor + 1])))
        ++nCursor;
    return EAction::Stay;
}

void PushNumber(TokenList& lstOut, const SParseLevel& level, std::string_view text, size_t nEnd) {
    const double dValue = ReadNumber(text.substr(level.nStart, nEnd - level.nStart));
    lstOut.push_back(MakeNumberToken(lstOut, dValue));
}

// Starts a deeper level for a group or a call argument: the cursor moves
// past the "(" and the new level ends at its ")".
EAction OpenGroup(SParseLevel& level, size_t& nCursor, EResume eResume) {
    level.eResume = eResume;
    ++nCursor;
    return EAction::Descend;
}

// The cursor is on the first byte after an operator symbol.
EAction ResolveOperator(const SExprEngine& engine, std::string_view text, size_t& nCursor,
                        SParseLevel& level) {
    auto it = engine.mapOperators.find(text.substr(level.nStart, nCursor - level.nStart));
    if (it == engine.mapOperators.end()) return EAction::Fail;
    const SOperator42* pOp = &it->second;
    // An operator that binds no tighter than the enclosing one belongs to an
    // outer level: this is what makes equal priorities associate to the left.
    if (level.pEnclosing != nullptr && level.pEnclosing->nPriority >= pOp->nPriority) {
        --nCursor;
        level.pHandBack = pOp;
        return EAction::Return;
    }
    level.pOperator = pOp;
    level.eResume = EResume::Operand;
    return EAction::Descend;
}

// One byte in the level's current state.
EAction Step(const SExprEngine& engine, TokenList& lstOut, std::string_view text, size_t& nCursor,
             SParseLevel& level) {
    const unsigned char c = static_cast<unsigned char>(text[nCursor]);
    switch (level.eState) {
    case EState::Start:
        if (c == '(') return OpenGroup(level, nCursor, EResume::Group);
        if (IsDigit(c)) {
            level.nStart = nCursor;
            level.bPoint = false;
            level.eState = EState::Number;
            return EAction::Stay;
        }
        if (IsLetter(c)) {
            level.nStart = nCursor;
            level.eState = EState::Name;
            return EAction::Stay;
        }
        return EAction::Fail;

    case EState::Number:
        if (c == '=') {
            PushNumber(lstOut, level, text, nCursor);
            return EAction::Return;
        }
        if (c == ')') {
            PushNumber(lstOut, level, text, nCursor);
            if (level.bNested) return EAction::Return;
            level.eState = EState::AfterClose;  // a surplus ")" is skipped
            return EAction::Stay;
        }
        if (c == '.') {
            if (level.bPoint) return EAction::Fail;
            level.bPoint = true;
            return EAction::Stay;
        }
        if (IsDigit(c)) return SkipWhile(text, nCursor, IsDigit);
        if (IsPunct(c) && c != '(') {
            PushNumber(lstOut, level, text, nCursor);
            level.nStart = nCursor;
            level.eState = EState::Operator;
            return EAction::Stay;
        }
        return EAction::Fail;

    case EState::Name:
        if (c == '(') {
            auto it = engine.mapFunctions.find(text.substr(level.nStart, nCursor - level.nStart));
            // An unknown name fails once its argument has been read.
            level.pFunction = it == engine.mapFunctions.end() ? nullptr : &it->second;
            return OpenGroup(level, nCursor, EResume::Call);
        }
        if (IsLetter(c) || IsDigit(c)) return SkipWhile(text, nCursor, IsAlnum);
        return EAction::Fail;

    case EState::Operator:
        if (c == '=') return EAction::Fail;
        if (IsPunct(c) && c != '(') return EAction::Stay;  // the symbol is the whole run
        return ResolveOperator(engine, text, nCursor, level);

    case EState::AfterClose:
        if (c == '=') return EAction::Return;
        if (c == ')') return level.bNested ? EAction::Return : EAction::Stay;
        if (IsPunct(c) && c != '(') {
            level.nStart = nCursor;
            level.eState = EState::Operator;
            return EAction::Stay;
        }
        return EAction::Fail;
    }
    return EAction::Fail;
}

// A deeper level has returned what it read; the level that called it takes
// the returned operator, if any, and carries on.
EAction Resume(TokenList& lstOut, size_t nCursor, SParseLevel& level, const SOperator42* pNext) {
    switch (level.eResume) {
    case EResume::Group:
        level.eState = EState::AfterClose;
        return EAction::Stay;

    case EResume::Call:
        if (level.pFunction == nullptr) return EAction::Fail;
        lstOut.push_back(SToken{TAG_FUNCTION, const_cast<SOperator41*>(level.pFunction)});
        level.eState = EState::AfterClose;
        return EAction::Stay;

    case EResume::Operand:
        lstOut.push_back(SToken{TAG_OPERATOR, const_cast<SOperator42*>(level.pOperator)});
        if (level.pEnclosing != nullptr) {
            if (pNext == nullptr || level.pEnclosing->nPriority >= pNext->nPriority) {
                level.pHandBack = pNext;
                return EAction::Return;
            }
        } else if (pNext == nullptr) {
            level.pHandBack = nullptr;
            return EAction::Return;
        }
        // The handed-back operator binds tighter: this level resolves it at
        // the byte after its symbol, on which the cursor now rests.
        level.nStart = nCursor + 1 - pNext->strName.size();
        level.eState = EState::Operator;
        return EAction::Stay;

    case EResume::None:
        break;
    }
    return EAction::Fail;
}

}  // namespace

double ReadNumber(std::string_view strDigits) {
    // Most numbers have few digits: when the digits form an integer m below
    // 2^53 and the point stands k <= 22 places from the end, m and 10^k are
    // exact doubles and one division rounds m / 10^k correctly.
    static constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (strDigits.size() <= 16) {
        uint64_t nMantissa = 0;
        size_t nFraction = 0;
        bool bPoint = false;
        for (char c : strDigits) {
            if (c == '.') {
                bPoint = true;
                continue;
            }
            nMantissa = nMantissa * 10 + static_cast<uint64_t>(c - '0');
            if (bPoint) ++nFraction;
        }
        if (nMantissa <= (1ull << 53))
            return static_cast<double>(nMantissa) / kExactPow10[nFraction];
    }

    double dValue = 0.0;
    auto [ptr, ec] = std::from_chars(strDigits.data(), strDigits.data() + strDigits.size(),
                                     dValue, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Beyond the range of a double: atof's answer is +inf for a text of
        // one or more, 0 for one that underflows.
        size_t nLead = strDigits.find_first_not_of('0');
        bool bAtLeastOne = nLead != std::string_view::npos && strDigits[nLead] != '.';
        return bAtLeastOne ? HUGE_VAL : 0.0;
    }
    return dValue;
}

SParseResult ParseSegment(SExprEngine& engine, std::string_view text, size_t& nCursor,
                          const SOperator42* pEnclosing, bool bNested) {
    SParseResult result{NewTokenList(engine.lstTokens), nullptr};
    TokenList& lstOut = result.lstSegment;
    // The stack keeps its capacity from one parse to the next: fresh memory
    // for a deep text costs more than reading it.
    std::vector<SParseLevel>& levels = engine.lstParseLevels;
    levels.clear();
    levels.push_back(NewLevel(lstOut, pEnclosing, bNested));
    for (;;) {
        EAction eAction = EAction::Fail;
        if (nCursor < text.size())  // else the text ended without a terminator
            eAction = Step(engine, lstOut, text, nCursor, levels.back());

        if (eAction == EAction::Descend) {
            const SParseLevel& level = levels.back();
            if (level.eResume == EResume::Operand)
                levels.push_back(NewLevel(lstOut, level.pOperator, level.bNested));
            else
                levels.push_back(NewLevel(lstOut, nullptr, true));
            continue;
        }
        // A returning level hands its operator to the level below, which may
        // return in turn. A level that read nothing would be illegal.
        while (eAction == EAction::Return) {
            const SParseLevel finished = levels.back();
            levels.pop_back();
            if (lstOut.size() == finished.nFirstToken) {
                eAction = EAction::Fail;
            } else if (levels.empty()) {
                result.pPending = finished.pHandBack;
                return result;
            } else {
                eAction = Resume(lstOut, nCursor, levels.back(), finished.pHandBack);
            }
        }
        if (eAction == EAction::Fail) {
            ClearTokens(lstOut);
            levels.clear();
            return result;
        }
        ++nCursor;
    }
}

void Parse(SExprEngine& engine) {
    ClearTokens(engine.lstTokens);
    size_t nCursor = 0;
    SParseResult result = ParseSegment(engine, engine.strExpression, nCursor, nullptr, false);
    engine.lstTokens.splice(engine.lstTokens.end(), result.lstSegment);
}
