#pragma once
// The real menu bar that shows a MenuBar's items on one window.
#include <QAction>
#include <QMenuBar>
#include <string_view>

#include "framework/ui/Menu.h"
#include "framework/ui/Window.h"

namespace fw::menuview {

// Makes the menu bar widget that shows bar on window (window.MenuBar() already
// returns bar): its actions follow the items' captions, shortcuts and enabled
// states; before a menu opens the items are brought up to date (Update); a
// chosen item runs the window's handler for its name, and a QuitMenuItem quits
// with 0. The bar also brings itself up to date when the window it sits on is
// shown or activated and before a key tries one of its shortcuts. nullptr when
// bar is nil.
QMenuBar* Build(Window& window, const Ref<MenuBar>& bar, QWidget* parent);

// Disables every item that is not auto-enabled, raises the window's
// EnableMenuItems event and copies the items' states to the actions.
void Update(Window& window, QMenuBar* menuBar);

// The action of the item of that name in a bar made by Build, or nullptr.
QAction* ActionFor(QMenuBar* menuBar, std::string_view itemName);

}  // namespace fw::menuview
