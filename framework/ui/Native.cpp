#include "framework/ui/Native.h"

#include <QLayout>

#include "framework/ui/MenuView.h"

namespace fw::native {

QWidget* Widget(const RectControl& control) {
    return control._Widget();
}

QWidget* WindowWidget(const Window& window) {
    return window._Widget();
}

QWidget* ContentWidget(const Window& window) {
    return window._Content();
}

QMenuBar* MenuBarWidget(const Window& window) {
    QWidget* top = window._Widget();
    if (top == nullptr || top->layout() == nullptr) {
        return nullptr;
    }
    return qobject_cast<QMenuBar*>(top->layout()->menuBar());
}

QAction* MenuAction(const Window& window, std::string_view itemName) {
    QMenuBar* bar = MenuBarWidget(window);
    return bar != nullptr ? menuview::ActionFor(bar, itemName) : nullptr;
}

}  // namespace fw::native
