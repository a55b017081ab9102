// Parse and evaluate once, one call per text: Miravox beside muparser on
// the same workloads. Before the timings, each engine is probed in a child
// process for the largest text of each kind that it evaluates without an
// error or a crash; muparser is timed only up to that size.
#include <benchmark/benchmark.h>
#include <muParser.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "builtins.h"
#include "workloads.h"

namespace {

const size_t kSizes[] = {1000, 10000, 100000, 1000000};
const EWorkload kKinds[] = {EWorkload::Flat, EWorkload::NestedParens, EWorkload::NestedCalls};

SExprEngine& Miravox() {
    static SExprEngine& engine = *[] {
        static SExprEngine e;
        RegisterBuiltins(e);
        return &e;
    }();
    return engine;
}

bool MiravoxEvaluates(const std::string& strText) {
    Evaluate(Miravox(), strText + "=");
    return !HasError(Miravox());
}

bool MuparserEvaluates(const std::string& strText) {
    try {
        mu::Parser parser;
        parser.SetExpr(strText);
        parser.Eval();
        return true;
    } catch (const mu::Parser::exception_type&) {
        return false;
    }
}

// 0: evaluated; 1: refused; 2: crashed.
int ProbeInChild(bool (*pfnEvaluates)(const std::string&), const std::string& strText) {
    pid_t pid = fork();
    if (pid == 0) _exit(pfnEvaluates(strText) ? 0 : 1);
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    if (WIFEXITED(nStatus)) return WEXITSTATUS(nStatus) == 0 ? 0 : 1;
    return 2;
}

// The largest of a doubling series of sizes that the engine survives.
size_t LargestSurvived(bool (*pfnEvaluates)(const std::string&), EWorkload eKind, const char* szEngine) {
    size_t nLargest = 0;
    for (size_t nTokens = 100; nTokens <= 1000000; nTokens = nTokens * 2 > 1000000 && nTokens < 1000000 ? 1000000 : nTokens * 2) {
        int nOutcome = ProbeInChild(pfnEvaluates, MakeWorkload(eKind, nTokens));
        if (nOutcome != 0) {
            std::printf("probe\t%s\t%s\t%zu\t%s\n", szEngine, WorkloadName(eKind), nTokens,
                        nOutcome == 1 ? "refused" : "crashed");
            return nLargest;
        }
        nLargest = nTokens;
    }
    std::printf("probe\t%s\t%s\t%zu\tsurvived\n", szEngine, WorkloadName(eKind), nLargest);
    return nLargest;
}

void SetCounters(benchmark::State& state, const std::string& strText) {
    state.counters["bytes"] = static_cast<double>(strText.size());
    state.counters["tokens"] = static_cast<double>(CountTokens(strText));
}

void RegisterWorkload(EWorkload eKind, size_t nTokens, size_t nMuparserLimit) {
    const std::string strText = MakeWorkload(eKind, nTokens);
    const std::string strName = std::string(WorkloadName(eKind)) + "/" + std::to_string(nTokens);
    benchmark::RegisterBenchmark(("miravox/" + strName).c_str(), [strText](benchmark::State& state) {
        const std::string strInput = strText + "=";
        Evaluate(Miravox(), strInput);  // untimed: the engine keeps its memory for the next text
        for (auto _ : state) {
            Evaluate(Miravox(), strInput);
            benchmark::DoNotOptimize(GetResult(Miravox()));
        }
        SetCounters(state, strText);
    });
    if (nTokens > nMuparserLimit) return;
    benchmark::RegisterBenchmark(("muparser/" + strName).c_str(), [strText](benchmark::State& state) {
        mu::Parser parser;
        parser.SetExpr(strText);
        parser.Eval();
        for (auto _ : state) {
            parser.SetExpr(strText);
            benchmark::DoNotOptimize(parser.Eval());
        }
        SetCounters(state, strText);
    });
}

void RegisterTypicalLines() {
    benchmark::RegisterBenchmark("miravox/typical lines", [](benchmark::State& state) {
        for (auto _ : state)
            for (const std::string& strLine : TypicalLines()) {
                Evaluate(Miravox(), strLine + "=");
                benchmark::DoNotOptimize(GetResult(Miravox()));
            }
        state.counters["lines"] = static_cast<double>(TypicalLines().size());
    });
    benchmark::RegisterBenchmark("muparser/typical lines", [](benchmark::State& state) {
        mu::Parser parser;
        for (auto _ : state)
            for (const std::string& strLine : TypicalLines()) {
                parser.SetExpr(strLine);
                benchmark::DoNotOptimize(parser.Eval());
            }
        state.counters["lines"] = static_cast<double>(TypicalLines().size());
    });
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (EWorkload eKind : kKinds) {
        LargestSurvived(MiravoxEvaluates, eKind, "miravox");
        const size_t nLimit = LargestSurvived(MuparserEvaluates, eKind, "muparser");
        for (size_t nTokens : kSizes) RegisterWorkload(eKind, nTokens, nLimit);
    }
    RegisterTypicalLines();
    std::fflush(stdout);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
