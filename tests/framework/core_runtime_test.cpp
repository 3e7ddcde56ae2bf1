// The start-up list of initialisers.
#include <gtest/gtest.h>

#include <array>

#include "framework/core/Object.h"
#include "framework/core/Runtime.h"

namespace {

std::vector<std::string> calls;

void First() {
    // The framework's records are there before any of the program's.
    EXPECT_NE(fw::RuntimeLookupClass("Object"), nullptr);
    EXPECT_NE(fw::RuntimeLookupClass("WeakRef"), nullptr);
    EXPECT_NE(fw::RuntimeLookupClass("Delegate"), nullptr);
    EXPECT_NE(fw::RuntimeLookupClass("FileType"), nullptr);
    calls.push_back("First");
}
void Second() {
    calls.push_back("Second");
}
void Third() {
    calls.push_back("Third");
}

// Runs alone in this program, so nothing has built a record before.
TEST(RuntimePerformInitializers, FrameworkFirstThenProgramInOrder) {
    EXPECT_EQ(fw::RuntimeLookupClass("Delegate"), nullptr);
    const std::array<fw::Initializer, 3> program = {First, Second, Third};
    fw::RuntimePerformInitializers(program);
    EXPECT_EQ(calls, (std::vector<std::string>{"First", "Second", "Third"}));
    const fw::ClassRecord* object = fw::RuntimeLookupClass("Object");
    fw::RuntimePerformInitializers(std::span<const fw::Initializer>{});
    EXPECT_EQ(fw::RuntimeLookupClass("Object"), object);

    const std::array<fw::Initializer, 2> broken = {Second, nullptr};
    EXPECT_THROW(fw::RuntimePerformInitializers(broken), fw::NilObjectException);
}

}  // namespace
