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

}  // namespace text
