// Plain timing of the engine, built natively and for Windows, so that the
// two builds can be compared on the same machine (the Windows one under
// Wine). Prints one line per workload: name, tokens, bytes, ns per byte.
#include <chrono>
#include <cstdio>
#include <string>

#include "builtins.h"
#include "workloads.h"

namespace {

double NanosecondsPerCall(SExprEngine& engine, const std::string& strText) {
    using Clock = std::chrono::steady_clock;
    Evaluate(engine, strText);  // warm: the engine keeps its memory for the next text
    size_t nCalls = 0;
    const auto tStart = Clock::now();
    auto tNow = tStart;
    do {
        Evaluate(engine, strText);
        ++nCalls;
        tNow = Clock::now();
    } while (tNow - tStart < std::chrono::milliseconds(300));
    return std::chrono::duration<double, std::nano>(tNow - tStart).count() / nCalls;
}

}  // namespace

int main(int argc, char** argv) {
    // "--print-flat N": the flat workload of N tokens, for measuring memory
    // through the command line.
    if (argc == 3 && std::string(argv[1]) == "--print-flat") {
        std::printf("%s\n", MakeWorkload(EWorkload::Flat, std::stoul(argv[2])).c_str());
        return 0;
    }
    SExprEngine engine;
    RegisterBuiltins(engine);
    for (EWorkload eKind : {EWorkload::Flat, EWorkload::NestedParens, EWorkload::NestedCalls}) {
        for (size_t nTokens : {1000u, 10000u, 100000u, 1000000u}) {
            const std::string strText = MakeWorkload(eKind, nTokens) + "=";
            const double dNs = NanosecondsPerCall(engine, strText);
            std::printf("%s\t%zu\t%zu\t%.2f\n", WorkloadName(eKind), CountTokens(strText) - 1,
                        strText.size(), dNs / strText.size());
        }
    }
    double dTotal = 0;
    for (const std::string& strLine : TypicalLines())
        dTotal += NanosecondsPerCall(engine, strLine + "=");
    std::printf("typical lines\t20\t0\t%.1f\n", dTotal / TypicalLines().size());
    return 0;
}
