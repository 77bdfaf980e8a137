#pragma once
// Text that reaches the measurement box by any route besides a typed key (an input method or
// compose key, a paste by key, menu or middle button, a drop) enters it as if typed: character
// by character through the key filter, a comma as its key types it, at the caret and over the
// selection. Deleting is no typing and stays as it is.

#include "measure/unit.h"

#include <functional>
#include <optional>

class QLineEdit;

namespace tavrel::app {

// `unit` gives the unit chosen when the text changes. Connect to the box's textChanged after
// this, so that any change made while a slot runs is seen against the newest text.
void enterTextAsTyped(QLineEdit& box, std::function<std::optional<measure::Unit>()> unit);

}  // namespace tavrel::app
