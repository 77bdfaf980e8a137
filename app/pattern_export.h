#pragma once
// One measurement drawn into a file, as the window would draw it, without a window.

#include "pdf_tiling.h"

#include <QString>

#include <optional>
#include <string>

namespace tavrel::app {

struct ExportRequest {
    std::string measurement;  // the text, read as the entry box reads it
    int unitIndex = 0;        // 0 decimal inches, 1 fractions of inches, 2 millimetres
    int dotsPerInch = 96;     // the screen resolution the pattern is drawn for
    QString path;             // ends in .png, .svg or .pdf
    std::optional<Paper> paper = std::nullopt;  // of a PDF; the locale's paper when not given
};

// Empty when the file is written; otherwise a one-line reason, and no file has been touched.
QString exportPattern(const ExportRequest& request);

}  // namespace tavrel::app
