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

// The file the user chose. The dialog starts in the last folder saved into, offers every format
// with `format`'s chosen, and gives a name that does not end in one of the formats' extensions
// (as "skirt v1.2") the chosen format's; an extension of a format the user types wins. Once
// printers are calibrated, it offers a PDF the correction of one of them.
SaveTarget askWhereToSave(QWidget* parent, SaveFormat format);

// Called once `path` is written: the next dialog starts in its folder.
void rememberSavedFolder(QWidget* parent, SaveFormat format, const QString& path);

}  // namespace tavrel::app
