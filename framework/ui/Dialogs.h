#pragma once
#include <cstdint>
#include <string_view>

namespace fw {

// Shows text in a modal message box with an OK button; returns when the user
// dismisses it. The text can be selected and copied.
void MsgBox(std::string_view text);

// The system alert sound.
void Beep();
// How many times Beep was called in this run (the offscreen platform makes no sound).
uint64_t BeepCount();

}  // namespace fw
