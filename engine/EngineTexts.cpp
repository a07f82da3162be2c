#include "engine/EngineTexts.h"

EngineTexts gEngineTexts = {"", "", ""};
