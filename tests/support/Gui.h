#pragma once
// What GUI tests need to drive the program as a person would.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QRect;
class QMenuBar;
class QWidget;
namespace fw {
class RectControl;
class Window;
}  // namespace fw

namespace testsupport {

// Runs action, reading each message box that opens meanwhile and clicking its OK
// button; returns the texts in order. A box that stays fails the test, not hangs it.
std::vector<std::string> DismissMessageBoxes(const std::function<void()>& action);

// The Qt widgets behind the framework's objects (nullptr when there is none).
QWidget* Widget(const fw::RectControl& control);
QWidget* Control(const fw::Window& window, std::string_view name);
QWidget* WindowWidget(const fw::Window& window);
QWidget* ContentWidget(const fw::Window& window);
// Where the control's widget stands on its window's content area.
QRect Place(const fw::RectControl& control);
QMenuBar* MenuBarWidget(const fw::Window& window);

// The program's beeps so far (the suites link a counting Beep in place of the sound).
uint64_t BeepCount();
// Lets the event loop run for about ms milliseconds (timers fire, windows show).
void Wait(int ms);

}  // namespace testsupport
