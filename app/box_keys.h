#pragma once
// The keys typed into the entry box on their way to its KeyPress handler, which sees each as
// the character code it types; the editing commands' keys (copy, cut, paste, select all, undo,
// redo), which act as in any text box; Tab and Shift+Tab moving on from the box; and the box's
// own edit menu, with those commands' keys.

#include <functional>

class QLineEdit;

namespace tavrel::app {

struct BoxKeyHandlers {
    std::function<void(int& KeyAscii)> keyPress;  // sets KeyAscii to 0 to discard the key
    std::function<void()> characterTyped;         // taken or not
    std::function<bool(bool forward)> moveFocus;  // along the tab order; false if nothing takes it
    std::function<void()> paste;                  // the edit menu's Paste
};

// Watches `box` for as long as it lives.
void routeBoxKeys(QLineEdit& box, BoxKeyHandlers handlers);

}  // namespace tavrel::app
