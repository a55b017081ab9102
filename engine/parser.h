// Inner operations of the parser, open to tests; Parse is the entry point.
#pragma once

#include <cstdint>
#include <string_view>

#include "expr_engine.h"

enum class EState : uint8_t { Start, Number, Name, Operator, AfterClose };

// What a level waits for while a deeper level runs.
enum class EResume : uint8_t { None, Group, Call, Operand };

// One level of the parse: it reads one operand chain.
struct SParseLevel {
    size_t nFirstToken;             // the output's length when the level began
    const SOperator42* pEnclosing;  // the operator whose right operand this is
    const SOperator42* pOperator;   // the operator being resolved (Operand)
    const SOperator41* pFunction;   // the function being called (Call)
    const SOperator42* pHandBack;   // the operator this level returns (Return)
    size_t nStart;                  // first byte of the pending text
    EState eState;
    EResume eResume;
    bool bNested;  // a ")" ends the level instead of being skipped
    bool bPoint;   // the pending number already holds a "."
};

// What one level hands to the level that called it: its postfix tokens
// (empty means the text is illegal) and, when it stopped at an operator that
// binds no tighter than its enclosing one, that operator.
struct SParseResult {
    TokenList lstSegment;
    const SOperator42* pPending;
};

// Reads one level, and every level it opens, from the cursor on. On success
// the cursor rests on the "=" or ")" that ended the level, or on the last
// byte of the pending operator's symbol.
SParseResult ParseSegment(SExprEngine& engine, std::string_view text, size_t& nCursor,
                          const SOperator42* pEnclosing, bool bNested);

// The value of a number text (digits with at most one "."), correctly
// rounded and locale-free. Texts beyond a double's range give +inf when the
// value is one or more and 0 when it underflows.
double ReadNumber(std::string_view strDigits);
