#include "workloads.h"

#include <cctype>
#include <iterator>

namespace {

// Functions that muparser and Miravox both know, under the same names.
const char* const kCalls[] = {"sin", "cos", "sqrt", "exp", "abs", "tanh", "ln"};

}  // namespace

std::string MakeWorkload(EWorkload eKind, size_t nTokens) {
    std::string strText;
    switch (eKind) {
    case EWorkload::Flat: {
        // 1.5+2.25*3-4/5+6.125*7-...: two tokens per step.
        static const char* const kNumbers[] = {"1.5", "2.25", "3", "4", "5", "6.125", "7", "80"};
        static const char kOps[] = {'+', '*', '-', '/'};
        strText = kNumbers[0];
        for (size_t i = 1; 2 * i < nTokens; ++i) {
            strText += kOps[i % 4];
            strText += kNumbers[i % 8];
        }
        break;
    }
    case EWorkload::NestedParens: {
        // ((((...(1+2)...)))): two tokens per level.
        const size_t nDepth = nTokens / 2;
        strText.assign(nDepth, '(');
        strText += "1+2";
        strText.append(nDepth, ')');
        break;
    }
    case EWorkload::NestedCalls: {
        // sin(cos(sqrt(...(0.5)...))): three tokens per level.
        const size_t nDepth = nTokens / 3;
        for (size_t i = 0; i < nDepth; ++i) {
            strText += kCalls[i % std::size(kCalls)];
            strText += '(';
        }
        strText += "0.5";
        strText.append(nDepth, ')');
        break;
    }
    }
    return strText;
}

const std::vector<std::string>& TypicalLines() {
    static const std::vector<std::string> lines = {
        "sin(1+2)*cos(0)",  "(1+2)*3",          "sqrt(2)/2+ln(10)", "1/3",
        "2*3.141592*6.5",   "exp(1)-2.718281",  "100*1.05*1.05",    "(12.5+7.5)/4",
        "tanh(0.5)+sin(1)", "abs(3-7)*2",        "1234567*89",       "sqrt(3*3+4*4)",
        "ln(2)/ln(10)",     "cos(3.141592/3)",  "0.1+0.2",          "((2+3)*(4-1))/5",
        "exp(ln(5))",       "9.81*2.5*2.5/2",   "sin(0.5)/cos(0.5)", "1000/7-142",
    };
    return lines;
}

const char* WorkloadName(EWorkload eKind) {
    switch (eKind) {
    case EWorkload::Flat: return "flat";
    case EWorkload::NestedParens: return "nested parentheses";
    case EWorkload::NestedCalls: return "nested calls";
    }
    return "";
}

size_t CountTokens(const std::string& strText) {
    size_t nTokens = 0;
    for (size_t i = 0; i < strText.size();) {
        const unsigned char c = static_cast<unsigned char>(strText[i]);
        size_t j = i + 1;
        if (std::isalnum(c) || c == '.')
            while (j < strText.size() && (std::isalnum(static_cast<unsigned char>(strText[j])) || strText[j] == '.')) ++j;
        ++nTokens;
        i = j;
    }
    return nTokens;
}
