#pragma once
// The message loop as the program's handlers see it.

class QWidget;

namespace tavrel::platform {

// Handles every window message waiting at this moment, then returns. Other handlers may run
// inside, nested. Objects whose deletion is asked for meanwhile are deleted only once control
// is back in the event loop, since code further up the stack may still run in them.
void processPendingMessages();

// Queues one press and release of the key to the active window (or `fallback` when none is
// active); it arrives after the running handler returns.
void queueKeyPress(int qtKey, QWidget* fallback);

}  // namespace tavrel::platform
