#pragma once
// The papers of pages/paper.h as the desktop names them, with the locale's paper and the Qt
// page size a printer and a PDF writer take.

#include "measure/unit.h"
#include "pages/paper.h"

#include <QLocale>
#include <QPageSize>

namespace tavrel::exporting {

using pages::allPapers;
using pages::groupOf;
using pages::isRoll;
using pages::Paper;
using pages::PaperGroup;
using pages::paperName;
using pages::paperNamed;

// Letter where `locale` measures in US inches, A4 elsewhere; by default the system's locale,
// whichever language the program speaks.
Paper defaultPaper(const QLocale& locale = QLocale::system());
// Inches where the default paper is Letter, metric beside A4.
measure::UnitSystem defaultUnitSystem(const QLocale& locale = QLocale::system());

// A sheet's size, with Qt's id of the standard sheets, which printers know them by. For a roll:
// its width, and the longest page cut from it.
QPageSize pageSizeOf(Paper paper);
// A page of `points`, whole ones: a standard sheet's id where they are its size.
QPageSize pageSizeOfPoints(pages::Size points);

}  // namespace tavrel::exporting
