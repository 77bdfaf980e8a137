#pragma once
// A drawn pattern into a PNG, SVG, PDF or DXF file, the format following the file's extension,
// written so that the file is either complete or not there. The window saves what it shows
// this way, and the command line what it draws.

#include "export/paper.h"
#include "export/pdf_export.h"
#include "pattern/pattern_plan.h"

#include <QString>

#include <filesystem>

namespace tavrel::exporting {

struct PictureFile {
    std::filesystem::path path;  // ends in .png, .svg, .pdf or .dxf, in any case
    float twipsPerPixel = 15;  // of the screen the picture is drawn for
    measure::UnitSystem ruler = measure::UnitSystem::Inch;
    Paper paper = Paper::Letter;  // of a PDF
    PrintCorrection correction = {};  // of a PDF, for the printer it goes to
};

// Empty when `path` ends in .png, .svg, .pdf or .dxf; otherwise the reason it cannot be
// written.
QString unsupportedFormatProblem(const std::filesystem::path& path);

// The picture the window draws for `plan`, saved. Empty when the file is written; otherwise a
// one-line reason, and no file has been touched. A measurement so small that its picture has no
// height or no ink is refused, in every format alike.
QString savePicture(const pattern::PatternPlan& plan, const PictureFile& file);

}  // namespace tavrel::exporting
