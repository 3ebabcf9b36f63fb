// Entry points of libhygrovex.so for tests only: what the output window shows.
#pragma once

#include "hygrovex/clsHygrovex.h"

extern "C" {
// The output window's rows as "caption<TAB>value" lines, top to bottom, or an
// empty text when the window does not exist. Valid until the next call.
HYGROVEX_EXPORT const char* HygrovexOutputWindowRows();
// The output window itself (a QWidget*), or null when it does not exist.
HYGROVEX_EXPORT void* HygrovexOutputWindowWidget();
}
