#include "app/constants.h"
#include "app/drawapp.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--print-constants") == 0) {
        PrintConstants(std::cout);
        return 0;
    }
    TDrawApp app(argc, argv);
    return app.Run();
}
