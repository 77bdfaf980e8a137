#pragma once
// What the user chose for saving, kept for the next time: the folder last saved into and the
// paper for PDFs.

#include "export/paper.h"

#include <QString>

namespace tavrel::app {

// The folder of the last save; the documents folder (or home) before the first.
QString lastSaveFolder();
// False when the settings file could not be written: the folder is then kept for this run.
bool rememberSaveFolder(const QString& folder);

// The paper last chosen; the locale's until one is.
exporting::Paper pdfPaper();
// False when the settings file could not be written: the paper is then kept for this run.
bool rememberPdfPaper(exporting::Paper paper);

}  // namespace tavrel::app
