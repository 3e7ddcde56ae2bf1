#pragma once
// What GUI tests see of the program's windows: the widgets a person looks at,
// clicks and types into, the menu bar, and the beeps, which leave no trace on
// screen. The only way from the program's objects to their Qt side.
#include <cstdint>
#include <string>
#include <string_view>

class QAction;
class QMenuBar;
class QWidget;

namespace fw {
class Window;
}

namespace screen {

// The window's top-level widget.
QWidget* Window(const fw::Window& window);
// The widget of the window's control of that name; nullptr when there is none.
QWidget* Control(const fw::Window& window, std::string_view name);
// The window's menu bar, nullptr when it has none.
QMenuBar* MenuBar(const fw::Window& window);
// The action that a person chooses for the menu item of that name, or nullptr.
QAction* MenuItem(const fw::Window& window, std::string_view name);
// How many times the program has beeped so far.
uint64_t Beeps();
// Where the pictures are opened from; "" for the folder beside the executable.
void PictureFolder(const std::string& folder);

}  // namespace screen
