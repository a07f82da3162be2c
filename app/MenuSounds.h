#ifndef QUENDRALVOSS_APP_MENUSOUNDS_H
#define QUENDRALVOSS_APP_MENUSOUNDS_H

// The interface sounds of the menus and of the intro and ending pages, each at
// its one volume, and the level their music rises to.

// A cursor step (also the main menu's jump to "exit").
const float kMenuMoveVolume = 0.6f;
// A confirmed entry or a turned page.
const float kMenuConfirmVolume = 0.8f;
// Entering and leaving the pause menu.
const float kMenuPauseVolume = 0.8f;
// The music of the main menu, the intro and the ending, once faded in.
const float kMenuMusicVolume = 0.7f;

// The move sound on channel 1, so that quick steps cut each other off.
void playMenuMoveSound();
// The confirm sound on any free channel.
void playMenuConfirmSound();
// The pause sound on any free channel.
void playMenuPauseSound();

#endif
