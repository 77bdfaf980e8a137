#include "extras/extras.h"

#include <QtGlobal>

namespace tavrel::app {
namespace {

const Extras* table = nullptr;

}  // namespace

const Extras& extras()
{
    Q_ASSERT(table);
    return *table;
}

void setExtras(const Extras& filled) { table = &filled; }

}  // namespace tavrel::app
