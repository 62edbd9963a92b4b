#pragma once
// What every subcommand of gitterwerk-batch works with: where its results and
// messages go, where standard input comes from, and the exit statuses.

#include <iosfwd>
#include <span>
#include <string>

#include "definition/definition_file.h"
#include "fileio/output_file.h"

namespace batch {

// 0: done; 1: bad arguments, bad input values or a refused question;
// 2: a file that cannot be read or written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInput = 1;
inline constexpr int kExitFile = 2;

struct Console {
    std::ostream& out;
    std::ostream& err;
    int inputFd = 0;        // standard input ("-" as a source, the point pairs)
    bool progress = false;  // draw a progress bar on standard error
};

// A message and the exit status that goes with it.
struct Outcome {
    int status = kExitOk;
    std::string message;
};

// "-" as a path: standard input or standard output.
inline bool isStandardStream(const std::string& path) {
    return path == fileio::kStandardOutputPath;
}

// Reads a definition file ("-": the console's input) through the dialog's
// path; kExitFile with the "Dateizugriff" text when it cannot be read,
// kExitInput with the reader's message when it is refused.
Outcome readDefinition(const std::string& path, const Console& console,
                       definition::DefinitionFile& out);

// The subcommands; args without the subcommand's name.
int runGraticule(std::span<const std::string> args, Console& console);
int runTransform(std::span<const std::string> args, Console& console);
int runPoint(std::span<const std::string> args, Console& console);
int runDistance(std::span<const std::string> args, Console& console);

// The whole command line without the program name.
int runBatch(std::span<const std::string> args, Console& console);

}  // namespace batch
