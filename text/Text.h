#ifndef QUENDRALVOSS_TEXT_TEXT_H
#define QUENDRALVOSS_TEXT_TEXT_H

// The game's texts. TextEn.cpp and TextDe.cpp define the same symbols; each
// program links exactly one of them, so the languages differ in data only.
namespace text {

// The pictures that carry words in this table's language: the invitation
// card, the backs of the ghost, death and werewolf cards, and the letter.
extern const int kInvitationPicture;
extern const int kGhostCardPicture;
extern const int kDeathCardPicture;
extern const int kWerewolfCardPicture;
extern const int kLetterTextPicture;

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
// The one line a program started where no video mode opens writes to standard
// error before it exits.
extern const char* const kErrorNoVideoMode;

// Menus: each entry's plain text; the selected entry is drawn as "[ " + text
// + " ]". The pause menu shares continue and exit with the main menu.
extern const char* const kMenuNewGame;
extern const char* const kMenuContinue;
extern const char* const kMenuExit;
extern const char* const kMenuSave;
extern const char* const kMenuSetUpController;
extern const char* const kSaveFailedNotice;
extern const char* const kSavedNotice;

// Controller set-up: the eight prompts in step order, then the three hint
// lines, each starting with the line breaks that place it under the prompt.
extern const char* const kSetupPrompts[8];
extern const char* const kSetupHintController;
extern const char* const kSetupHintEscape;
extern const char* const kSetupHintKeyboard;

// Intro pages (1, 3, 4, 5, 7; page 6's narration line is exactly as long as
// the costume line under it) and the costume entries, selected and not, in
// costume order death, ghost, werewolf, with the gaps between them.
extern const char* const kIntroPage1;
extern const char* const kIntroPage3;
extern const char* const kIntroPage4;
extern const char* const kIntroPage5;
extern const char* const kIntroPage6;
extern const char* const kIntroPage7;
extern const char* const kCostumeSelected[3];
extern const char* const kCostumeUnselected[3];
extern const char* const kCostumeGapAfterDeath;
extern const char* const kCostumeGapAfterGhost;

// Ending: the first page, the two narration lines of pages 15 and 16, the
// closing words and the credits (the "by" line and the maker's name are
// equally long, so that they stand centred over each other).
extern const char* const kEndingTheEnd;
extern const char* const kEndingPage15;
extern const char* const kEndingPage16;
extern const char* const kEndingThanks;
extern const char* const kEndingNoAlternative;
extern const char* const kEndingCredits;
extern const char* const kEndingBy;
extern const char* const kEndingMakerName;
// Details of the general error when a resource object is not found again.
extern const char* const kErrorMissingMeshObject;
extern const char* const kErrorMissingTextureObject;
extern const char* const kErrorMissingSoundObject;

// Play world: caption names of the actions by ActionId (0..18), the name of
// any other id, and the text shown for an empty action list. The captions follow
// app/ActionId.h by number; text/ includes nothing of app/.
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

// Tutorial hints by stage (look, walk, action, target, execute) and form
// (0 mouse and keys, 1 gamepad). Each mark line lays "!" under the hint's key
// words; a "#" stands for one direction mark, filled in by the tutorial in
// the order of its stage's directions.
const int kTutorialStageCount = 5;
const int kTutorialFormCount = 2;
extern const char* const kTutorialHints[kTutorialStageCount][kTutorialFormCount];
extern const char* const kTutorialMarks[kTutorialStageCount][kTutorialFormCount];

}  // namespace text

#endif
