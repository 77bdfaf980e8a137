#pragma once
// Asks where to save the pattern, in the standard file dialog.

#include "export/print_correction.h"

#include <QString>

class QWidget;

namespace tavrel::app {

enum class SaveFormat { Pdf, Svg, Png, Dxf };

struct SaveTarget {
    QString path;                           // empty when cancelled
    exporting::PrintCorrection correction;  // of a PDF, for the printer it is to be printed on
};

// The file the user chose. The dialog starts in the last folder used, offers every format with
// `format`'s chosen, and gives a name without an extension the chosen format's; an extension the
// user types wins. The folder is remembered. Once printers are calibrated, it offers a PDF the
// correction of one of them.
SaveTarget askWhereToSave(QWidget* parent, SaveFormat format);

}  // namespace tavrel::app
