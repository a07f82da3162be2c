#include "app/Costume.h"

int32_t gCostume = -1;
