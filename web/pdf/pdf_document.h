#pragma once
// A small PDF writer for the browser, where Qt's is not at hand: pages of given sizes whose
// content is lines, cubic curves, rectangles and words in the standard Helvetica fonts, written
// uncompressed. Each page's user space is in points from its top-left corner, y growing down,
// as the pages are laid out.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::web {

struct Rgb {
    double red = 0, green = 0, blue = 0;  // 0 to 1
};

enum class PdfFont { Helvetica, HelveticaBold };
enum class LineCap { Butt, Round, Square };

// The width of `utf8` set in `font` at `size`, as its WinAnsiEncoding characters advance.
double textWidth(PdfFont font, double size, std::string_view utf8);

// The operators of one page.
class PdfContent {
public:
    void save();
    void restore();
    // Maps (x, y) to (a x + c y + e, b x + d y + f) in the space before.
    void transform(double a, double b, double c, double d, double e, double f);

    void lineWidth(double width);
    void lineCap(LineCap cap);
    // Dashes and gaps along the line, in the user space's units; none for a solid line.
    void dash(const std::vector<double>& pattern);
    void strokeColour(Rgb colour);
    void fillColour(Rgb colour);

    void moveTo(double x, double y);
    void lineTo(double x, double y);
    void curveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    void rectangle(double x, double y, double width, double height);
    void closePath();
    void stroke();
    void fill();
    // Later drawing stays inside the current path, which is then dropped.
    void clip();

    // One line of `utf8` in the fill colour, its baseline starting at (x, y), upright.
    void text(PdfFont font, double size, double x, double y, std::string_view utf8);

    const std::string& operators() const { return operators_; }

private:
    void numbers(std::initializer_list<double> values, std::string_view op);

    std::string operators_;
};

class PdfDocument {
public:
    PdfDocument(std::string_view title, std::string_view creator);

    // A new page of `width` x `height` points, to be drawn on until the document is written.
    PdfContent& addPage(double width, double height);
    std::size_t pageCount() const { return pages_.size(); }

    // The whole file. It asks viewers to print it at actual size.
    std::string bytes() const;

private:
    struct Page {
        double width, height;
        PdfContent content;
    };
    std::string title_, creator_;
    std::deque<Page> pages_;  // a page stays where it is while later ones are added
};

}  // namespace tavrel::web
