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

}  // namespace text

#endif
