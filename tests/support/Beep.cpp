// Linked into every GUI suite ahead of the framework's library, so the
// program's beeps are counted here instead of sounding.
#include <cstdint>

#include "framework/ui/Dialogs.h"
#include "tests/support/Gui.h"

static uint64_t beeps = 0;

void fw::Beep() {
    ++beeps;
}

uint64_t testsupport::BeepCount() {
    return beeps;
}
