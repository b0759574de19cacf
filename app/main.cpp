#include "app/commandline.h"
#include "app/drawapp.h"

#include <iostream>

int main(int argc, char** argv) {
    // Read before the application object: --help and --version need no
    // display, and Qt is shown only the program's name, so no file name
    // is ever taken for one of Qt's own options.
    const TCommandLine commandLine = ParseCommandLine(argc, argv);
    if (const std::optional<int> status = AnswerWithoutWindow(commandLine, std::cout, std::cerr))
        return *status;
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    TDrawApp app(qtArgc, qtArgv);
    return app.Run();
}
