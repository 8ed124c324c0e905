// corvane: a command-line host for the Stats plug-in. It loads the library the way the logging
// program does and drives it through its exported functions.
#include <iostream>
#include <string>
#include <vector>

#include "tools/corvane_cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return corvane::host::RunCorvane(args, std::cout, std::cerr);
}
