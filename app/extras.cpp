#include "app/extras.h"

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

void setExtras(const Extras& extras)
{
    table = &extras;
}

}  // namespace tavrel::app
