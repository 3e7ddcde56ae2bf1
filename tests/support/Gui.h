#pragma once
// What GUI tests need to drive the program as a person would.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QRect;
class QMenuBar;
class QWidget;

namespace fw {
class RectControl;
class Window;
}  // namespace fw

namespace testsupport {

// Runs action. Every message box that opens while it runs is read and then
// dismissed with a click on its OK button, as a person would. Returns the
// texts in the order they appeared. A box that does not go away fails the
// test (after a few seconds) instead of hanging it.
std::vector<std::string> DismissMessageBoxes(const std::function<void()>& action);

// The Qt widgets behind the framework's objects, as a person sees them.
// The control's widget; nullptr before construction or once its window is gone.
QWidget* Widget(const fw::RectControl& control);
// The widget of the window's control of that name; nullptr when there is none.
QWidget* Control(const fw::Window& window, std::string_view name);
// The window's top-level widget and its content area.
QWidget* WindowWidget(const fw::Window& window);
QWidget* ContentWidget(const fw::Window& window);
// Where the control's widget stands on its window's content area.
QRect Place(const fw::RectControl& control);
// The menu bar drawn on the window, or nullptr when it draws none.
QMenuBar* MenuBarWidget(const fw::Window& window);
// The action of the menu item of that name in the bar drawn on the window, or nullptr.
QAction* MenuAction(const fw::Window& window, std::string_view itemName);

// How many times the program has beeped in this test process (the offscreen
// platform makes no sound; the suites link a counting Beep in its place).
uint64_t BeepCount();

// Lets the event loop run for about ms milliseconds (timers fire, windows show).
void Wait(int ms);

}  // namespace testsupport
