#ifndef QUENDRALVOSS_TEXT_TEXT_H
#define QUENDRALVOSS_TEXT_TEXT_H

// The game's texts. TextEn.cpp and TextDe.cpp define the same symbols; each
// program links exactly one of them, so the languages differ in data only.
namespace text {

// True in the German table (for the few rules that are grammar, not wording).
extern const bool kGerman;

// Error screen: head, bodies by code, advice tail. The stroke font has no
// umlauts, so the German texts spell them "ae", "oe", "ue".
extern const char* const kErrorHead;
extern const char* const kErrorResourceHead;
extern const char* const kErrorResourceAdvice;
extern const char* const kErrorAudio;
extern const char* const kErrorAspectRatio;
extern const char* const kErrorGeneralAdvice;
extern const char* const kErrorTail;

// Details that callers pass with code 0.
extern const char* const kErrorSaveCorrupted;
extern const char* const kErrorFileRead;

// Details of the general error when a resource object is not found again.
extern const char* const kErrorMissingMeshObject;
extern const char* const kErrorMissingTextureObject;
extern const char* const kErrorMissingSoundObject;

// Play world: caption names of the actions by ActionId (0..18), the name of
// any other id, and the text shown for an empty action list.
const int kActionNameCount = 19;
extern const char* const kActionNames[kActionNameCount];
extern const char* const kActionUnknown;
extern const char* const kActionNone;
// Target texts: the player's own default target, the empty list, the
// placeholder target.
extern const char* const kTargetSelf;
extern const char* const kTargetNothing;
extern const char* const kTargetUnknown;
// Internal-consistency failures of the play world, "exception:\n1" to "\n5".
extern const char* const kPlayException1;
extern const char* const kPlayException2;
extern const char* const kPlayException3;
extern const char* const kPlayException4;
extern const char* const kPlayException5;

}  // namespace text

#endif
