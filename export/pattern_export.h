#pragma once
// One measurement drawn into a file, as the window would draw it, without a window.

#include "export/pdf_tiling.h"
#include "export/print_correction.h"
#include "measure/unit.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>

namespace tavrel::exporting {

struct ExportRequest {
    std::string measurement;  // the text, read as the entry box reads it
    measure::Unit unit = measure::Unit::InchesDecimal;
    int dotsPerInch = 96;     // the screen resolution the pattern is drawn for
    std::filesystem::path path;  // ends in .png, .svg, .pdf or .dxf
    std::optional<Paper> paper = std::nullopt;  // of a PDF; the locale's paper when not given
    PrintCorrection correction = {};            // of a PDF
};

// Empty when the file is written; otherwise a one-line reason, and no file has been touched.
QString exportPattern(const ExportRequest& request);

}  // namespace tavrel::exporting
