#include "app/MenuEntry.h"

std::string menuEntryText(const char* text, bool selected) {
    return selected ? std::string("[ ") + text + " ]" : std::string(text);
}
