#include <iostream>

#include "platform_io.h"

void PrepareStandardStreams() { std::ios::sync_with_stdio(false); }

// POSIX arguments are bytes already; they go to the engine as they are.
std::vector<std::optional<std::string>> CommandLineArguments(int argc, char** argv) {
    std::vector<std::optional<std::string>> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}
