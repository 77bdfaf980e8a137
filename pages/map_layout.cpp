#include "pages/map_layout.h"

#include <algorithm>

namespace tavrel::pages {
namespace {

constexpr double kMapTopTwips = 2400;  // below the title and the words

}  // namespace

Rect MapLayout::cell(int column, int row) const
{
    return Rect(origin + Point{column * step.width, row * step.height}, cellSize);
}

Rect MapLayout::labelRoom(int column, int row) const
{
    const Size overlap = cellSize - step;
    const Size room = step - overlap;
    const Rect whole = cell(column, row);
    return Rect(whole.center() - Point{room.width, room.height} / 2, room);
}

MapLayout mapLayoutOf(const Tiling& tiling)
{
    const Rect area = tiling.map.content.adjusted(0, kMapTopTwips, 0, 0);
    const Size step{tiling.stepX, tiling.stepY};
    const Size covered =
        Size{(tiling.columns - 1) * step.width, (tiling.rows - 1) * step.height} +
        tiling.content.size();
    MapLayout layout;
    layout.scale = std::min(area.width / covered.width, area.height / covered.height);
    layout.origin = {area.left() + (area.width - covered.width * layout.scale) / 2, area.top()};
    layout.cellSize = tiling.content.size() * layout.scale;
    layout.step = step * layout.scale;
    return layout;
}

}  // namespace tavrel::pages
