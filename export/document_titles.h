#pragma once
// The titles a pattern and a calibration sheet carry as documents (a PDF's or SVG's title, a
// print job's name in the print queue), in the language of the program's texts.

#include <QString>

namespace tavrel::exporting {

QString patternTitle();
// What an SVG pattern is, for its description.
QString patternDescription();
QString calibrationSheetTitle();

}  // namespace tavrel::exporting
