#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "platform_io.h"
#include "text_convert.h"

void PrepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_CHAR) SetConsoleOutputCP(CP_UTF8);
}

// The wide command line, converted as the calculator converts its
// expression box, rather than the ANSI argv, which silently turns
// characters it cannot hold into "?".
std::vector<std::optional<std::string>> CommandLineArguments(int, char**) {
    std::vector<std::optional<std::string>> args;
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    if (ppArgs == nullptr) return args;
    for (int i = 1; i < nArgs; ++i) args.push_back(WideToNarrow(ppArgs[i]));
    LocalFree(ppArgs);
    return args;
}
