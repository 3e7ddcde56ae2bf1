#include "framework/ui/Application.h"
#include "startup/Startup.h"

int main(int argc, char** argv) {
    const int status = QuenvaleMain(argc, argv);
    fw::RuntimeShutDown();
    return status;
}
