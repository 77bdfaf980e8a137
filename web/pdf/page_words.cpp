#include "web/pdf/page_words.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavrel::web {
namespace {

// DejaVu Sans, the desktop's page font: its ascent and descent in ems.
constexpr double kAscent = 0.928;
constexpr double kDescent = 0.236;

}  // namespace

double lineHeight(double size)
{
    return size * (kAscent + kDescent);
}

void wordsInBox(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
                Align align, std::string_view utf8)
{
    const double width = textWidth(font, size, utf8);
    const double x = align == Align::Left ? box.left() : box.center().x - width / 2;
    const double baseline = box.center().y - lineHeight(size) / 2 + kAscent * size;
    content.text(font, size, x, baseline, utf8);
}

void wordsAtTop(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
                std::string_view utf8)
{
    content.text(font, size, box.left(), box.top() + kAscent * size, utf8);
}

void lineInBox(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
               std::string_view utf8)
{
    const double wide = textWidth(font, size, utf8);
    // Whole sizes, as the desktop's font takes them.
    if (wide > box.width) size = std::max(1.0, std::floor(size * box.width / wide));
    wordsInBox(content, font, size, box, Align::Left, utf8);
}

void paragraphInBox(PdfContent& content, PdfFont font, double size, const pages::Rect& box,
                    std::string_view utf8)
{
    std::vector<std::string> lines(1);
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t space = std::min(utf8.find(' ', at), utf8.size());
        const std::string_view word = utf8.substr(at, space - at);
        std::string& line = lines.back();
        const std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (line.empty() || textWidth(font, size, longer) <= box.width)
            line = longer;
        else
            lines.emplace_back(word);
        at = space + 1;
    }
    double top = box.top();
    for (const std::string& line : lines) {
        if (top + lineHeight(size) > box.bottom()) break;  // the box clips what is below it
        wordsAtTop(content, font, size, pages::Rect(box.left(), top, box.width, lineHeight(size)),
                   line);
        top += lineHeight(size);
    }
}

std::string filledIn(std::string text, std::initializer_list<int> numbers)
{
    int marker = 1;
    for (const int number : numbers) {
        std::string name(1, '%');
        name += std::to_string(marker++);
        std::string filled;
        std::size_t from = 0;
        for (auto at = text.find(name); at != std::string::npos; at = text.find(name, from)) {
            filled.append(text, from, at - from).append(std::to_string(number));
            from = at + name.size();
        }
        text = filled.append(text, from);
    }
    return text;
}

}  // namespace tavrel::web
