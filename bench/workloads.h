// Texts the benchmarks evaluate, by kind and size in tokens.
#pragma once

#include <string>
#include <vector>

enum class EWorkload { Flat, NestedParens, NestedCalls };

// A text of about nTokens tokens (numbers, names, operators, parentheses),
// without the terminator, in the syntax that muparser reads as well.
std::string MakeWorkload(EWorkload eKind, size_t nTokens);

// Twenty lines a calculator user types.
const std::vector<std::string>& TypicalLines();

const char* WorkloadName(EWorkload eKind);
size_t CountTokens(const std::string& strText);
