#include "app/commandline.h"
#include "app/constants.h"
#include "app/drawapp.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    // For the real-window scripts, not for users: the logical space.
    if (argc == 2 && std::strcmp(argv[1], "--print-constants") == 0) {
        PrintConstants(std::cout);
        return 0;
    }
    // Read before the application object: --help and --version need no
    // display, and Qt is shown only the program's name, so no file name
    // is ever taken for one of Qt's own options.
    const TCommandLine commandLine = ParseCommandLine(argc, argv);
    if (const std::optional<int> status = AnswerWithoutWindow(commandLine, std::cout, std::cerr))
        return *status;
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    TDrawApp app(qtArgc, qtArgv, commandLine.Files);
    return app.Run();
}
