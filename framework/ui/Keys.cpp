#include "framework/ui/detail/Keys.h"

namespace fw::keys {

std::optional<std::string> KeyDownText(const QKeyEvent& event) {
    // The clipboard's keys are commands too where they come without Ctrl:
    // Shift+Insert pastes, Shift+Delete cuts.
    if (event.modifiers().testFlag(Qt::ControlModifier) || event.matches(QKeySequence::Paste) ||
        event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy)) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_Mode_switch:
            return std::nullopt;
        case Qt::Key_Backspace:
            return std::string("\x08");
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::string("\x09");
        case Qt::Key_Return:
            return std::string("\x0d");
        case Qt::Key_Enter:
            return std::string("\x03");
        case Qt::Key_Escape:
            return std::string("\x1b");
        case Qt::Key_Delete:
            return std::string("\x7f");
        case Qt::Key_Left:
            return std::string("\x1c");
        case Qt::Key_Right:
            return std::string("\x1d");
        case Qt::Key_Up:
            return std::string("\x1e");
        case Qt::Key_Down:
            return std::string("\x1f");
        case Qt::Key_Home:
            return std::string("\x01");
        case Qt::Key_End:
            return std::string("\x04");
        default:
            return event.text().toStdString();
    }
}

}  // namespace fw::keys
