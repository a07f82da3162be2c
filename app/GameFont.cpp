#include "app/GameFont.h"

#include "app/FatalError.h"
#include "engine/FontRegistry.h"
#include "engine/TextLabel.h"

const char* const kGameFontName = "res/0";

void useGameFont(TextLabel& label) {
    if (label.setFont(kGameFontName) == 0) {
        raiseFatalError(kFatalResourceFile, kGameFontName);
    }
    setFontLinear(kGameFontName);
}
