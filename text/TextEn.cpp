#include "text/Text.h"

namespace text {

const bool kGerman = false;

const char* const kErrorHead = "error\n-----\n";
const char* const kErrorResourceHead = "could not load resource file:\n";
const char* const kErrorResourceAdvice = "\n\ntry:\nreinstalling\n";
const char* const kErrorAudio = "could not init:\naudio\n\ntry:\nfixing/changing audio setup\n";
const char* const kErrorAspectRatio =
    "invalid aspect ratio\n\ntry:\nusing a conventional resolution\n";
const char* const kErrorGeneralAdvice = "\n\ntry:\n";
const char* const kErrorTail =
    "meeting system requirements\nnew program version\ncontacting www.qvoss.example\n\n"
    "press esc key";

const char* const kErrorSaveCorrupted = "save file corrupted";
const char* const kErrorFileRead = "file read error";

const char* const kErrorMissingMeshObject = "could not find resource object:\nmesh";
const char* const kErrorMissingTextureObject = "could not find resource object:\ntexture";
const char* const kErrorMissingSoundObject = "could not find resource object:\nsound";

const char* const kActionNames[kActionNameCount] = {
    "knock on",          "ask",          "trick",        "take",
    "use rock on",       "use key on",   "use bristles on", "use broomstick on",
    "use flower on",     "use hat on",   "use knife on", "use rope on",
    "use coin on",       "use candle on", "use lit candle on", "use broom on",
    "use bone on",       "use special trick on", "use treat on"};
const char* const kActionUnknown = "use unknown item on";
const char* const kActionNone = "do nothing to";
const char* const kTargetSelf = "yourself";
const char* const kTargetNothing = "nothing";
const char* const kTargetUnknown = "unknown object";
const char* const kPlayException1 = "exception:\n1";
const char* const kPlayException2 = "exception:\n2";
const char* const kPlayException3 = "exception:\n3";
const char* const kPlayException4 = "exception:\n4";
const char* const kPlayException5 = "exception:\n5";

}  // namespace text
