#ifndef QUENDRALVOSS_ENGINE_COUNTOF_H
#define QUENDRALVOSS_ENGINE_COUNTOF_H

#include <cstdint>

// The number of elements of the array a (a true array, not a pointer), as an
// int32_t, usable in constant expressions.
#define COUNT_OF(a) static_cast<int32_t>(sizeof(a) / sizeof((a)[0]))

#endif
