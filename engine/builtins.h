#pragma once

#include <span>

#include "expr_engine.h"

// A named function as the calculator ships it.
struct SBuiltinFunction {
    const char* szName;
    const char16_t* wszHint;
    double (*pfnCompute)(double);
};

// The 36 named functions in registration order.
std::span<const SBuiltinFunction> BuiltinFunctions();

// Looks a built-in function up by name; null when there is none.
const SBuiltinFunction* FindBuiltin(std::string_view strName);

// Enters the 36 functions, then "+", "-", "*" and "/", into the engine.
void RegisterBuiltins(SExprEngine& engine);
