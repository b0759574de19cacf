#include "app/drawapp.h"

int main(int argc, char** argv) {
    TDrawApp app(argc, argv);
    return app.Run();
}
