// gitterwerk-batch: the graticule export, the file and point transformations
// and the distance calculation from the command line, on the same cores as
// the dialogs.

#include <unistd.h>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "batch/console.h"

int main(int argc, char** argv) {
    // Numbers are read and written in the classic notation whatever the locale.
    std::setlocale(LC_ALL, "C");
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    batch::Console console{std::cout, std::cerr, STDIN_FILENO, ::isatty(STDERR_FILENO) == 1};
    const int status = batch::runBatch(args, console);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "Fehler beim Schreiben der Standardausgabe\n";
        return status == batch::kExitOk ? batch::kExitFile : status;
    }
    return status;
}
