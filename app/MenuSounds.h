#ifndef QUENDRALVOSS_APP_MENUSOUNDS_H
#define QUENDRALVOSS_APP_MENUSOUNDS_H

// The interface sounds of the menus and of the intro and ending pages, each at
// its one volume (MenuSounds.cpp), and the level their music rises to.

// The music of the main menu, the intro and the ending, once faded in.
const float kMenuMusicVolume = 0.7f;

// A cursor step: the move sound at 0.6 on channel 1, so that quick steps cut
// each other off.
void playMenuMoveSound();
// The main menu's jump to "exit": the move sound at 0.6 on any free channel.
void playMenuJumpSound();
// A confirmed entry or a turned page: the confirm sound at 0.8 on any free
// channel.
void playMenuConfirmSound();
// Entering or leaving the pause menu: the pause sound at 0.8 on any free
// channel.
void playMenuPauseSound();

#endif
