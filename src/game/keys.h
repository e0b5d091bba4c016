#pragma once

namespace rollwell {

// Key codes of the main window's keys, as the window passes them to
// Engine::Form_KeyDown and Form_KeyPress.
enum KeyCode : int {
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKey1 = 49,       // the top row's 1..6 are 49..54
    kKeyNumpad1 = 97, // the keypad's 1..6 are 97..102
};

inline constexpr int kShiftMask = 1;

} // namespace rollwell
