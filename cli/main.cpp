// miravox-calc: evaluates expressions the way the calculator's "=" does,
// one output line per expression, for scripts and for checking the engine
// without a window.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "builtins.h"
#include "format_number.h"
#include "platform_io.h"

namespace {

const char kUsage[] =
    "Usage: miravox-calc [--trace] [--] [EXPRESSION ...]\n"
    "Evaluates each EXPRESSION as the Miravox calculator does and prints one line\n"
    "for each: the value with six significant digits, or 表达式非法！ when the\n"
    "expression is illegal. Without EXPRESSION, reads one expression per line\n"
    "from standard input.\n"
    "\n"
    "  --trace    after each result, a TAB and the postfix form of the expression\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when every expression was legal or empty, 1 when any was\n"
    "illegal, 2 for a usage error.\n";

const char kIllegal[] = "表达式非法！";

struct SOptions {
    bool bTrace = false;
    std::vector<std::optional<std::string>> lstExpressions;
};

// One expression as the calculation command handles it: an empty text is
// not evaluated; any other gets the terminator appended. A text that could
// not be converted to the engine's encoding is illegal.
std::string CalculateLine(SExprEngine& engine, const std::optional<std::string>& text,
                          bool bTrace, bool& bAnyIllegal) {
    std::string strResult;
    std::string strTrace;
    if (!text) {
        strResult = kIllegal;
        bAnyIllegal = true;
    } else if (!text->empty()) {
        Evaluate(engine, *text + "=");
        if (HasError(engine)) {
            strResult = kIllegal;
            bAnyIllegal = true;
        } else {
            strResult = FormatNumber(GetResult(engine));
            strTrace = GetTrace(engine);
        }
    }
    if (bTrace) strResult += "\t" + strTrace;
    return strResult + "\n";
}

// Calls fnLine for every line of a stream: LF ends a line, a CR before it
// is dropped, and a last line without LF counts. Bytes pass unchanged.
void ForEachLine(FILE* pStream, const std::function<void(const std::string&)>& fnLine) {
    std::string strLine;
    bool bOpenLine = false;
    auto fnEndLine = [&] {
        if (!strLine.empty() && strLine.back() == '\r') strLine.pop_back();
        fnLine(strLine);
        strLine.clear();
        bOpenLine = false;
    };
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pStream)) > 0) {
        for (size_t i = 0; i < n; ++i) {
            if (buf[i] == '\n') {
                fnEndLine();
            } else {
                strLine += buf[i];
                bOpenLine = true;
            }
        }
    }
    if (bOpenLine) fnEndLine();
}

int UsageError(const std::string& strMessage) {
    std::fprintf(stderr, "miravox-calc: %s (try 'miravox-calc --help')\n", strMessage.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    PrepareStandardStreams();
    std::vector<std::optional<std::string>> args = CommandLineArguments(argc, argv);

    SOptions options;
    bool bOptionsEnded = false;
    for (const std::optional<std::string>& arg : args) {
        if (!bOptionsEnded && arg && arg->size() > 1 && (*arg)[0] == '-') {
            if (*arg == "--") {
                bOptionsEnded = true;
            } else if (*arg == "--trace") {
                options.bTrace = true;
            } else if (*arg == "--help") {
                std::fputs(kUsage, stdout);
                return 0;
            } else if (*arg == "--version") {
                std::fputs("miravox-calc 1.6\n", stdout);
                return 0;
            } else {
                return UsageError("unknown option '" + *arg +
                                  "'; put expressions that begin with '-' after '--'");
            }
            continue;
        }
        options.lstExpressions.push_back(arg);
    }

    SExprEngine engine;
    RegisterBuiltins(engine);
    bool bAnyIllegal = false;
    auto fnPrintLine = [&](const std::optional<std::string>& text) {
        const std::string strOut = CalculateLine(engine, text, options.bTrace, bAnyIllegal);
        std::fwrite(strOut.data(), 1, strOut.size(), stdout);
    };
    if (options.lstExpressions.empty())
        ForEachLine(stdin, fnPrintLine);
    else
        for (const std::optional<std::string>& text : options.lstExpressions) fnPrintLine(text);
    return bAnyIllegal ? 1 : 0;
}
