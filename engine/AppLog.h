#ifndef QUENDRALVOSS_ENGINE_APPLOG_H
#define QUENDRALVOSS_ENGINE_APPLOG_H

#include <cstdint>
#include <string>

#include "engine/FileStream.h"

// The text log "app.log" in the working directory, plain. The first line opens
// (truncates) it; if that open fails every later line is dropped silently.
extern uint8_t gAppLogOpen;
extern FileStream gAppLogStream;

// Appends message and a newline, flushed before returning.
void writeLogLine(const std::string& message);

#endif
