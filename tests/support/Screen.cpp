#include "tests/support/Screen.h"

#include "framework/ui/Dialogs.h"
#include "framework/ui/Native.h"
#include "framework/ui/Picture.h"

namespace screen {

QWidget* Window(const fw::Window& window) {
    return fw::native::WindowWidget(window);
}

QWidget* Control(const fw::Window& window, std::string_view name) {
    auto control = std::dynamic_pointer_cast<fw::RectControl>(window._ControlByName(name));
    return control ? fw::native::Widget(*control) : nullptr;
}

QMenuBar* MenuBar(const fw::Window& window) {
    return fw::native::MenuBarWidget(window);
}

QAction* MenuItem(const fw::Window& window, std::string_view name) {
    return fw::native::MenuAction(window, name);
}

uint64_t Beeps() {
    return fw::BeepCount();
}

void PictureFolder(const std::string& folder) {
    fw::Picture::SetResourceFolder(folder);
}

}  // namespace screen
