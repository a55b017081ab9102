// libFuzzer target: any byte string, evaluated by the engine and by the
// reference transcription, must give the same outcome, and neither may
// crash, leak or step into undefined behaviour.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "builtins.h"
#include "differential.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    static SExprEngine& engine = *[] {
        static SExprEngine e;
        RegisterBuiltins(e);
        return &e;
    }();
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    const std::string strWhy = CompareWithReference(engine, strText);
    if (!strWhy.empty()) {
        std::fprintf(stderr, "engine and reference disagree: %s\n", strWhy.c_str());
        std::abort();
    }
    return 0;
}
