#pragma once
// What GUI tests need to drive the program as a person would.
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Runs action. Every message box that opens while it runs is read and then
// dismissed with a click on its OK button, as a person would. Returns the
// texts in the order they appeared. A box that does not go away fails the
// test (after a few seconds) instead of hanging it.
std::vector<std::string> DismissMessageBoxes(const std::function<void()>& action);

// Lets the event loop run for about ms milliseconds (timers fire, windows show).
void Wait(int ms);

}  // namespace testsupport
