// Shared helpers of the engine tests.
#pragma once

#include <string>

#include "builtins.h"
#include "format_number.h"

// What the result box would show for a text (the terminator already in it).
inline const char kIllegal[] = "表达式非法！";

struct SEngineWithBuiltins {
    SExprEngine engine;
    SEngineWithBuiltins() { RegisterBuiltins(engine); }

    std::string Shown(const std::string& strText) {
        Evaluate(engine, strText);
        return HasError(engine) ? kIllegal : FormatNumber(GetResult(engine));
    }
};
