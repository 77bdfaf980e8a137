#pragma once
// What an AutoCAD 2000 drawing holds around its header and entities, as the desktop's DXF has
// it: the tables, the blocks of model and paper space, and the objects with the end of the
// file. Strict CAD programs refuse the dialect without them.

#include <string>

namespace tavrel::web {

// The entities of the drawing take the handles from this one on.
constexpr unsigned kFirstEntityHandle = 0x34;

std::string dxfTablesAndBlocks();
// The objects section and the end of the file; its own objects take the handles from
// `firstHandle` on, the first one after the entities'.
std::string dxfObjects(unsigned firstHandle);
// A handle as the file writes it, in upper-case hexadecimal.
std::string dxfHandle(unsigned handle);

}  // namespace tavrel::web
