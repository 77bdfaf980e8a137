#pragma once
// The words on the pages, laid out in boxes as the desktop's painter lays them out with its
// page font: a line's height and baseline follow that font's ascent and descent, so that the
// lines sit where the desktop's do, while Helvetica sets the letters.

#include "pages/geometry.h"
#include "web/pdf/pdf_document.h"

#include <string>
#include <string_view>

namespace tavrel::web {

enum class Align { Left, Centre };

// One line in the box, centred on it vertically.
void wordsInBox(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
                Align align, std::string_view utf8);
// One line from the box's top.
void wordsAtTop(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
                std::string_view utf8);
// One line, at a smaller size where the box is too narrow for it, so that no word is cut off.
void lineInBox(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
               std::string_view utf8);
// Lines broken between words to the box's width, from its top.
void paragraphInBox(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
                    std::string_view utf8);

// The height of a line of words at `size`.
double lineHeight(double size);

// `text` with %1, %2 ... replaced by the numbers in turn.
std::string filledIn(std::string text, std::initializer_list<int> numbers);

}  // namespace tavrel::web
