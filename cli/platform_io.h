// What differs between the POSIX and the Windows build of the command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Byte-exact standard streams: no newline translation, UTF-8 on a console.
void PrepareStandardStreams();

// The arguments after the program name, as the engine's narrow text. An
// argument that the engine's encoding cannot hold is std::nullopt.
std::vector<std::optional<std::string>> CommandLineArguments(int argc, char** argv);
