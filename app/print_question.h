#pragma once
// The question before a pattern larger than the page goes to the printer in tiles.

#include "platform/printer.h"

class QWidget;

namespace tavrel::app {

// Says how many pages of which paper the print takes, and whether the user wants it: Print
// (the default button) or Cancel. Modal over `parent`.
bool confirmTiledPrint(QWidget* parent, const platform::TiledPrint& print);

}  // namespace tavrel::app
