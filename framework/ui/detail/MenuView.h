#pragma once
// The real menu bar that shows a MenuBar's items for one window.
#include <QMenuBar>

#include "framework/ui/Menu.h"
#include "framework/ui/Window.h"

namespace fw::menuview {

// Makes the menu bar widget that shows bar for window, as a child of the
// window's top-level widget top. Its actions take the items' captions and
// shortcuts; before a menu opens, and before a key tries one of its shortcuts,
// the items are brought up to date (Update); a chosen item runs the window's
// handler for its name, and a QuitMenuItem quits with 0. drawn: the window
// lays the bar out above its content area; otherwise the bar stays hidden and
// its shortcuts work through top.
QMenuBar* Build(Window& window, const Ref<MenuBar>& bar, QWidget* top, bool drawn);

// Disables every item that is not auto-enabled, raises the window's
// EnableMenuItems event and copies the items' states to the actions.
void Update(Window& window, QMenuBar* menuBar);

}  // namespace fw::menuview
