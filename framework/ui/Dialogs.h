#pragma once
#include <string_view>

namespace fw {

// Shows text in a modal message box with an OK button; returns when the user
// dismisses it. The text can be selected and copied.
void MsgBox(std::string_view text);

// The system alert sound.
void Beep();

}  // namespace fw
