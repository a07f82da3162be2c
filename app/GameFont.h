#ifndef QUENDRALVOSS_APP_GAMEFONT_H
#define QUENDRALVOSS_APP_GAMEFONT_H

class TextLabel;

// The game's one font directory.
extern const char* const kGameFontName;

// Puts label on the game's font with linear filtering. A font without any
// glyph picture raises fatal error 1 naming the font; the label then still
// draws, as plain squares, so the caller's frame can finish.
void useGameFont(TextLabel& label);

#endif
