#ifndef QUENDRALVOSS_ENGINE_FATALERRORHOOK_H
#define QUENDRALVOSS_ENGINE_FATALERRORHOOK_H

#include <cstdint>
#include <string>

// The engine reports failures that the player must see (a missing resource
// file, a font without glyphs) through this hook, which the application points
// at its fatal-error reporting when it starts; the engine itself knows nothing
// of screens. Codes: 0 general, 1 resource file, 2 audio, 3 aspect ratio.
typedef void (*FatalErrorHandler)(int32_t code, const std::string& detail);
extern FatalErrorHandler gFatalErrorHandler;

// Passes code and detail to the installed handler; without one it does nothing.
void reportFatalError(int32_t code, const std::string& detail);

#endif
