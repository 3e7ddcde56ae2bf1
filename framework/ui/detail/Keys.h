#pragma once
// The text that KeyDown receives for a key press, for text fields and windows alike.
#include <QKeyEvent>
#include <optional>
#include <string>

namespace fw::keys {

// The key's text for KeyDown: a control code for the editing and movement keys
// (backspace 8, tab 9, return 13, enter 3, escape 27, forward delete 127,
// left 28, right 29, up 30, down 31, home 1, end 4), else the typed text in
// UTF-8, empty for other keys that type nothing. nullopt for a press that is
// no KeyDown: a key held with Ctrl, which is a command for the menu shortcuts
// and a field's standard editing (copy, paste, ...), the platform's other keys
// for the clipboard (Shift+Insert, Shift+Delete), or a modifier key alone.
std::optional<std::string> KeyDownText(const QKeyEvent& event);

}  // namespace fw::keys
