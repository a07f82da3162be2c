#include "engine/AppLog.h"

uint8_t gAppLogOpen = 0;
FileStream gAppLogStream;

void writeLogLine(const std::string& message) {
    if (!gAppLogOpen) {
        gAppLogStream.openWrite("app.log");
        gAppLogOpen = 1;
    }
    gAppLogStream.writeText(message + "\n");
    gAppLogStream.flush();
}
