#pragma once
// How wide the standard PDF fonts Helvetica and Helvetica-Bold set each character.

#include <cstdint>

namespace tavrel::web {

// The advance of a WinAnsiEncoding code in thousandths of the font size.
int helveticaWidth(unsigned char code, bool bold);

}  // namespace tavrel::web
