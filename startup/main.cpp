#include "framework/ui/Application.h"
#include "startup/Startup.h"

int main(int argc, char** argv) {
    const int status = QuenvaleMain(argc, argv);
    // The GUI goes last, once the program is done with it; only then does a
    // clipboard manager receive what was copied.
    fw::RuntimeShutDown();
    return status;
}
