#include "extras/extras.h"

#include <QtGlobal>

namespace tavrel::extras {
namespace {

const Extras* filledTable = nullptr;

}  // namespace

const Extras& table()
{
    Q_ASSERT(filledTable);
    return *filledTable;
}

void setTable(const Extras& filled)
{
    filledTable = &filled;
}

}  // namespace tavrel::extras
