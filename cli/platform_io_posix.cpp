#include "platform_io.h"

// POSIX streams carry bytes unchanged already.
void PrepareStandardStreams() {}

// POSIX arguments are bytes already; they go to the engine as they are.
std::vector<std::optional<std::string>> CommandLineArguments(int argc, char** argv) {
    std::vector<std::optional<std::string>> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}
