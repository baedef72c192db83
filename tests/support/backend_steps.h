#pragma once

#include <functional>

class CDialog;

// What each backend's part of the dialog driver gives the shared part.

// Runs `steps` from the loop that runs now (a dialog's, a message box's or a menu's) as soon
// as `ready` holds.
void RunWhen(const std::function<bool()>& ready, const std::function<void()>& steps);

// Whether the dialog's window is up, in front and taking input.
bool IsInFront(const CDialog& dialog);
