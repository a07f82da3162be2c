#include "play/PlayScreen.h"

// The answers to the actions come with the story; until then executing an
// action only sounds its click (played by the play screen).
void PlayScreen::performAction() {}
