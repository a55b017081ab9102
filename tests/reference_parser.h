// The parse algorithm transcribed literally, for tests only: one call per
// level, recursing on the machine stack, the state tables as written. It is
// the oracle against which the production parser, which keeps its levels on
// the heap, is compared. Callers keep the nesting within the stack's reach.
#pragma once

#include <optional>
#include <string>

#include "expr_engine.h"

struct SReferenceOutcome {
    bool bLegal = false;
    std::string strTrace;
    double dValue = 0.0;
};

// Parses and evaluates a text with the engine's tables.
SReferenceOutcome ReferenceEvaluate(const SExprEngine& engine, const std::string& strText);
