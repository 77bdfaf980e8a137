#include "web/pdf/pdf_document.h"

#include "web/pdf/helvetica_widths.h"
#include "web/pdf/win_ansi.h"

#include <cmath>
#include <cstdint>

namespace tavrel::web {
namespace {

// Numbers with at most four decimals and a point, whatever the C locale says.
std::string number(double value)
{
    const auto tenThousandths = std::llround(value * 10000);
    const auto whole = std::llabs(tenThousandths) / 10000;
    auto fraction = std::llabs(tenThousandths) % 10000;
    std::string text = tenThousandths < 0 ? "-" : "";
    text += std::to_string(whole);
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

// A literal string of bytes, with the brackets and backslash escaped and everything outside
// printable ASCII in octal, so that no line end inside it is read differently.
std::string literal(std::string_view bytes)
{
    std::string text = "(";
    for (const char c : bytes) {
        const auto byte = std::uint8_t(c);
        if (c == '(' || c == ')' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            const char octal[] = {'\\', char('0' + (byte >> 6)), char('0' + ((byte >> 3) & 7)),
                                  char('0' + (byte & 7)), 0};
            text += octal;
        } else {
            text += c;
        }
    }
    return text + ")";
}

// A text string for the document's information: UTF-16BE behind its byte order mark, so
// that a title in any language reads right.
std::string unicodeString(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "<FEFF";
    const auto unit = [&](unsigned value) {
        for (int shift = 12; shift >= 0; shift -= 4) text += kHex[(value >> shift) & 0xF];
    };
    for (const char32_t c : charactersOf(utf8)) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(unsigned(c));
        }
    }
    return text + ">";
}

const char* resourceName(PdfFont font)
{
    return font == PdfFont::HelveticaBold ? "/F2" : "/F1";
}

}  // namespace

double textWidth(PdfFont font, double size, std::string_view utf8)
{
    double thousandths = 0;
    for (const char c : winAnsiOf(utf8))
        thousandths += helveticaWidth(std::uint8_t(c), font == PdfFont::HelveticaBold);
    return thousandths * size / 1000;
}

void PdfContent::numbers(std::initializer_list<double> values, std::string_view op)
{
    for (const double v : values) operators_ += number(v) + ' ';
    operators_ += op;
    operators_ += '\n';
}

void PdfContent::save() { operators_ += "q\n"; }
void PdfContent::restore() { operators_ += "Q\n"; }

void PdfContent::transform(double a, double b, double c, double d, double e, double f)
{
    numbers({a, b, c, d, e, f}, "cm");
}

void PdfContent::lineWidth(double width) { numbers({width}, "w"); }
void PdfContent::lineCap(LineCap cap) { numbers({double(int(cap))}, "J"); }

void PdfContent::dash(const std::vector<double>& pattern)
{
    operators_ += "[";
    for (const double length : pattern) operators_ += number(length) + ' ';
    operators_ += "] 0 d\n";
}

void PdfContent::strokeColour(Rgb colour) { numbers({colour.red, colour.green, colour.blue}, "RG"); }
void PdfContent::fillColour(Rgb colour) { numbers({colour.red, colour.green, colour.blue}, "rg"); }

void PdfContent::moveTo(double x, double y) { numbers({x, y}, "m"); }
void PdfContent::lineTo(double x, double y) { numbers({x, y}, "l"); }

void PdfContent::curveTo(double x1, double y1, double x2, double y2, double x3, double y3)
{
    numbers({x1, y1, x2, y2, x3, y3}, "c");
}

void PdfContent::rectangle(double x, double y, double width, double height)
{
    numbers({x, y, width, height}, "re");
}

void PdfContent::closePath() { operators_ += "h\n"; }
void PdfContent::stroke() { operators_ += "S\n"; }
void PdfContent::fill() { operators_ += "f\n"; }
void PdfContent::clip() { operators_ += "W n\n"; }

void PdfContent::text(PdfFont font, double size, double x, double y, std::string_view utf8)
{
    // The page's space is upside down: the text matrix turns the letters upright again.
    operators_ += "BT ";
    operators_ += resourceName(font);
    operators_ += ' ';
    numbers({size}, "Tf");
    numbers({1, 0, 0, -1, x, y}, "Tm");
    operators_ += literal(winAnsiOf(utf8)) + " Tj ET\n";
}

PdfDocument::PdfDocument(std::string_view title, std::string_view creator)
    : title_(title), creator_(creator)
{
}

PdfContent& PdfDocument::addPage(double width, double height)
{
    pages_.push_back({width, height, {}});
    PdfContent& content = pages_.back().content;
    content.transform(1, 0, 0, -1, 0, height);  // y down from the top-left corner
    return content;
}

std::string PdfDocument::bytes() const
{
    // Objects: 1 catalog, 2 page tree, 3 and 4 the fonts, 5 information, then each page and
    // its content.
    std::string file = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    const auto object = [&](const std::string& body) {
        offsets.push_back(file.size());
        file += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    const auto pageObject = [](std::size_t index) { return 6 + 2 * index; };

    object("<< /Type /Catalog /Pages 2 0 R /ViewerPreferences << /PrintScaling /None >> >>");
    std::string kids;
    for (std::size_t i = 0; i < pages_.size(); ++i)
        kids += std::to_string(pageObject(i)) + " 0 R ";
    object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>");
    for (const char* name : {"Helvetica", "Helvetica-Bold"})
        object(std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + name +
               " /Encoding /WinAnsiEncoding >>");
    object("<< /Title " + unicodeString(title_) + " /Creator " + unicodeString(creator_) + " >>");
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const Page& page = pages_[i];
        object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(page.width) + ' ' +
               number(page.height) + "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> " +
               "/Contents " + std::to_string(pageObject(i) + 1) + " 0 R >>");
        const std::string& operators = page.content.operators();
        object("<< /Length " + std::to_string(operators.size()) + " >>\nstream\n" + operators +
               "\nendstream");
    }

    const std::size_t xref = file.size();
    file += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        std::string digits = std::to_string(offset);
        file += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    file += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) +
            " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return file;
}

}  // namespace tavrel::web
