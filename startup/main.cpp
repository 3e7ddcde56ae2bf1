#include "startup/Startup.h"

int main(int argc, char** argv) {
    return QuenvaleMain(argc, argv);
}
