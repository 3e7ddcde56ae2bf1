#pragma once
// The Qt side of framework objects, for the framework itself and for tests
// that drive real widgets. Program code never includes this.
#include <QAction>
#include <QMenuBar>
#include <QWidget>
#include <string_view>

#include "framework/ui/Control.h"
#include "framework/ui/Window.h"

namespace fw::native {

// The control's widget; nullptr before construction or once its window is gone.
QWidget* Widget(const RectControl& control);
// The window's top-level widget and its content area.
QWidget* WindowWidget(const Window& window);
QWidget* ContentWidget(const Window& window);
// The window's menu bar widget, or nullptr when it has none.
QMenuBar* MenuBarWidget(const Window& window);
// The action that stands for the menu item of that name in the window's bar, or nullptr.
QAction* MenuAction(const Window& window, std::string_view itemName);

}  // namespace fw::native
