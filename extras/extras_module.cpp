// The module of lazily loaded parts: its entry point hands the program the table of the real
// functions.
#include "extras/module_extras.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const tavrel::extras::Extras* tavrel_extras()
{
    return &tavrel::extras::moduleTable();
}
