#pragma once
// Where the map of the tiles lies on its page, in twips: the picture shrunk to fit below the
// map's title and words, and on it a cell for each tile at the tile's place, overlapping its
// neighbours as the tiles do.

#include "pages/geometry.h"
#include "pages/tiling.h"

namespace tavrel::pages {

struct MapLayout {
    Point origin;  // of the picture's corner
    double scale = 1;
    Size cellSize, step;

    Rect cell(int column, int row) const;
    // The middle of the cell, which no neighbouring cell covers: the room for its label.
    Rect labelRoom(int column, int row) const;
};

MapLayout mapLayoutOf(const Tiling& tiling);

}  // namespace tavrel::pages
