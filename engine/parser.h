// Inner operations of the parser, open to tests; Parse is the entry point.
#pragma once

#include <string_view>

#include "expr_engine.h"

// What one level hands to the level that called it: its postfix tokens
// (empty means the text is illegal) and, when it stopped at an operator that
// binds no tighter than its enclosing one, that operator.
struct SParseResult {
    TokenList lstSegment;
    const SOperator42* pPending = nullptr;
};

// Reads one level, and every level it opens, from the cursor on. On success
// the cursor rests on the "=" or ")" that ended the level, or on the last
// byte of the pending operator's symbol.
SParseResult ParseSegment(const SExprEngine& engine, std::string_view text, size_t& nCursor,
                          const SOperator42* pEnclosing, bool bNested);

// The value of a number text (digits with at most one "."), correctly
// rounded and locale-free. Texts beyond a double's range give +inf when the
// value is one or more and 0 when it underflows.
double ReadNumber(std::string_view strDigits);
