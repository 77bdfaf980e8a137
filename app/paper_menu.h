#pragma once
// The papers a PDF can be saved for, as exclusive choices in a menu.

#include "export/paper.h"

#include <functional>

class QMenu;

namespace tavrel::app {

// Adds one checkable item per paper to `menu`, with `checked` ticked; `chosen` hears of each
// choice. The items are named "mnuPatternPaper(a4)" and so on, after the command line's words.
void addPaperChoices(QMenu& menu, exporting::Paper checked,
                     std::function<void(exporting::Paper)> chosen);

}  // namespace tavrel::app
