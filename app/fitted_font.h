#pragma once
// The windows' boxes are sized in twips for a small font; a larger desktop font shrinks until
// the text shows whole in its box.

#include <functional>

class QFont;
class QLabel;

namespace tavrel::app {

// Lowers the label's font half a point at a time, to 6 points at the least, until `fits`
// accepts it.
void shrinkFontToFit(QLabel& label, const std::function<bool(const QFont&)>& fits);

}  // namespace tavrel::app
