#pragma once
// What shows a MenuBar's items for one window.
#include <QMenuBar>

#include "framework/ui/Menu.h"
#include "framework/ui/Window.h"

namespace fw::menuview {

// Shows bar's items for window. With drawOn, a menu bar widget on the window's
// top-level widget top, the items fill its menus; without, they are only
// actions of top, whose shortcuts work while the window is active. The actions
// take the items' captions and shortcuts; before a menu opens, and before a
// key tries one of the shortcuts, every item that is not auto-enabled is
// disabled, the window's EnableMenuItems event runs and the actions follow the
// items' states. A chosen item runs the window's handler for its name; a
// QuitMenuItem quits with 0. Returns the view, a child of drawOn or of top.
QObject* Build(Window& window, const Ref<MenuBar>& bar, QWidget* top, QMenuBar* drawOn);

}  // namespace fw::menuview
