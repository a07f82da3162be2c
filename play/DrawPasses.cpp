#include "play/DrawPasses.h"

#include <cstring>

uint32_t gDrawPassesOff = 0;

uint32_t drawPassByName(const char* name) {
    static const struct {
        const char* name;
        DrawPass pass;
    } kNames[] = {
        {"clear", kDrawPassClear},   {"backdrop", kDrawPassBackdrop}, {"objects", kDrawPassObjects},
        {"reflection", kDrawPassReflection}, {"grid", kDrawPassGrid}, {"cloth", kDrawPassCloth},
        {"glow", kDrawPassGlow},     {"fog", kDrawPassFog},           {"vignette", kDrawPassVignette},
        {"noise", kDrawPassNoise},   {"cull", kDrawPassCull},
    };
    for (const auto& entry : kNames) {
        if (std::strcmp(entry.name, name) == 0) {
            return entry.pass;
        }
    }
    return 0;
}
