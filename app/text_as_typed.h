#pragma once
// Text that reaches the measurement box by any route besides a typed key enters it as if typed:
// character by character through the key filter, a comma as its key types it, at the caret and
// over the selection. An input method or a compose key types, so what the filter refuses of its
// text is left out. A paste (by key, edit menu or middle button) or a drop enters whole or not
// at all, and a notice then names the character the box refused. Dropped text is copied, never
// moved, so the program it came from keeps it; a dropped file or link is no text and is refused.
// Deleting is no typing and stays as it is.

#include "measure/unit.h"

#include <functional>
#include <optional>

class QLineEdit;
class QString;

namespace tavrel::app {

// `unit` gives the unit chosen when the text changes; `refused` shows the notice of a paste or
// drop that entered nothing. Returns the paste for the box's edit menu, whole or not at all, as
// its Paste key pastes. Connect to the box's textChanged after this, so that any change made
// while a slot runs is seen against the newest text.
std::function<void()> enterTextAsTyped(QLineEdit& box,
                                       std::function<std::optional<measure::Unit>()> unit,
                                       std::function<void(const QString& notice)> refused);

}  // namespace tavrel::app
