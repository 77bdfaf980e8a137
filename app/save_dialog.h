#pragma once
// Asks where to save the pattern, in the standard file dialog.

#include <QString>

class QWidget;

namespace tavrel::app {

enum class SaveFormat { Pdf, Svg, Png, Dxf };

// The file the user chose, or empty when cancelled. The dialog starts in the last folder used,
// offers every format with `format`'s chosen, and gives a name without an extension the chosen
// format's; an extension the user types wins. The folder is remembered.
QString askWhereToSave(QWidget* parent, SaveFormat format);

}  // namespace tavrel::app
