#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Inspector.h"

// Command-line entry: vinspect COMMAND [ARGS]... [COMMAND [ARGS]...]...
int main(int argc, char** argv) {
    // Plain line feeds, so that the shell compares lines as written.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    CInspector inspector;
    return inspector.Run(args);
}
