#ifndef QUENDRALVOSS_APP_MENUENTRY_H
#define QUENDRALVOSS_APP_MENUENTRY_H

#include <string>

// A menu entry as shown: "[ text ]" when selected, the text alone otherwise.
std::string menuEntryText(const char* text, bool selected);

#endif
