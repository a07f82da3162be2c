#ifndef QUENDRALVOSS_ENGINE_ENGINETEXTS_H
#define QUENDRALVOSS_ENGINE_ENGINETEXTS_H

// The few texts of engine errors that differ by language. The engine cannot
// reach the text tables, so it reads them here; the application points these
// at its own table when it installs the fatal-error handler. Until then each
// is the empty text, never null.
struct EngineTexts {
    // Details of the general fatal error raised by a failed checked reacquire.
    const char* missingMeshObject;
    const char* missingTextureObject;
    const char* missingSoundObject;
};

extern EngineTexts gEngineTexts;

#endif
