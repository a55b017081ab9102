// The production engine against the reference transcription.
#pragma once

#include <cstdint>
#include <string>

#include "expr_engine.h"

// Evaluates a text with both and returns how they disagree, or an empty
// text when they agree on legality, trace and value (bit for bit; any NaN
// matches any NaN).
std::string CompareWithReference(SExprEngine& engine, const std::string& strText);

// Random texts for the comparison, the same for a seed on every platform:
// well-formed expressions, deep nesting, and mutations of both.
class STextGenerator {
public:
    explicit STextGenerator(uint64_t nSeed) : nState(nSeed) {}
    std::string Next();

private:
    uint64_t nState;
    uint64_t Random();
    size_t Below(size_t n) { return static_cast<size_t>(Random() % n); }
    bool Chance(int nPercent) { return Below(100) < static_cast<size_t>(nPercent); }
    void Expression(std::string& out, int nDepth);
    void Operand(std::string& out, int nDepth);
    void Mutate(std::string& out);
};
