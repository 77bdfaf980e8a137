#pragma once
// The old toolkit's small default font fitted every text in its stored box; today's larger
// fonts shrink until the text shows whole.

#include <functional>

class QFont;
class QLabel;

namespace tavrel::app {

// Lowers the label's font half a point at a time, to 6 points at the least, until `fits`
// accepts it.
void shrinkFontToFit(QLabel& label, const std::function<bool(const QFont&)>& fits);

}  // namespace tavrel::app
