#include "text/Text.h"

#include "catalog/ResourceCatalog.h"
#include "text/ObjectNames.h"

namespace text {

const bool kGerman = false;

const int kInvitationPicture = picture::kInvitationEn;
const int kGhostCardPicture = picture::kGhostCardEn;
const int kDeathCardPicture = picture::kDeathCardEn;
const int kWerewolfCardPicture = picture::kWerewolfCardEn;
const int kLetterTextPicture = picture::kLetterTextEn;

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
const char* const kErrorNoVideoMode = "quendralvoss: no video mode could be opened";
const char* const kErrorFileRead = "file read error";

const char* const kMenuNewGame = "new game";
const char* const kMenuContinue = "continue";
const char* const kMenuExit = "exit";
const char* const kMenuSave = "save";
const char* const kMenuSetUpController = "set up controller";
const char* const kSaveFailedNotice = "saving failed";
const char* const kSavedNotice = "saved";

const char* const kSetupPrompts[8] = {"walk left",     "walk ahead",    "look left", "look up",
                                      "select action", "select target", "execute",   "switch menu"};
const char* const kSetupHintController = "\nto use controller nr 1";
const char* const kSetupHintEscape = "\n\n\nor hit escape";
const char* const kSetupHintKeyboard = "\n\n\n\nto use your keyboard";

const char* const kIntroPage1 =
    "a few nights ago someone slid this\n"
    "      paper under your door.";
const char* const kIntroPage3 = "you were never meant to go.";
const char* const kIntroPage4 = "but tonight is the night.";
const char* const kIntroPage5 = "the fog has come up from the river.";
const char* const kIntroPage6 = "you grab the costume you made for this.";
const char* const kIntroPage7 =
    "one last look at the back\n"
    "   of the invitation.";
const char* const kCostumeSelected[3] = {"[ death ]", "[ ghost ]", "[ werewolf ]"};
const char* const kCostumeUnselected[3] = {"  death  ", "  ghost  ", "  werewolf  "};
const char* const kCostumeGapAfterDeath = "     ";
const char* const kCostumeGapAfterGhost = "    ";

const char* const kEndingTheEnd = "the end";
const char* const kEndingPage15 = "but something here is not right.";
const char* const kEndingPage16 = "something is different now.";
const char* const kEndingThanks = "thank you for playing.\n\n";
const char* const kEndingNoAlternative = "\n\nthere is no alternative ending.";
const char* const kEndingCredits = "story, code, video, audio\n\n";
const char* const kEndingBy = "\n\nby        ";
const char* const kEndingMakerName = "\n\n   ilvaren";
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

// Scene-object names by ObjectName id.
const char* const kObjectNames[] = {
    "lock",
    "flower",
    "rock",
    "key",
    "crack",
    "bristles",
    "broomstick",
    " lock ",
    "candle",
    "left slider",
    "right slider",
    "coin slot",
    "something",
    "monique",
    "hat",
    "followed leader",
    "knife",
    "stationary witch",
    "shady cat",
    "homeless skeleton",
    "gate",
    "gate1",
    "sleeping snake",
    "right bird statue",
    "left bird statue",
    "bone",
    "dog",
    "big pumpkin",
    "door",
    "fish person",
    "big painting",
    "goat person",
    "dust",
    "person",
    "letter",
    "letter1",
    "letter2",
    "tunnel start 1",
    "tunnel start 2",
    "tunnel wall 1",
    "tunnel wall 2",
    "eye 1",
    "eye 2",
    "tmp",
    "you",
    "rat",
    "skeleton",
    "bat",
    "box",
    "bricks",
    "broom",
    "chair",
    " chair ",
    "coins",
    "crystal ball",
    "dog house",
    " door ",
    "dusty shelf",
    "instant picture",
    "medical equipment",
    "pillar",
    "pole",
    "rope",
    "round drawings",
    "small paintings",
    "small pictures",
    "spider",
    "table",
    "trapdoor",
    "treat",
    "well",
    "yourself",
    "planks",
};
static_assert(sizeof(kObjectNames) / sizeof(kObjectNames[0]) == kObjectNameCount,
              "one name for every object id");

const char* const kTutorialHints[kTutorialStageCount][kTutorialFormCount] = {
    {"you can look around using the mouse\nor the arrow keys\n",
     "you can look around using the right analog stick\n"},
    {"you can walk around using the keys w a s d\n",
     "you can walk around using the left analog stick\n"},
    {"you can select an action\nwith the mouse wheel\nor the 1 key\n",
     "you can select an action with button 1\n"},
    {"you can select a target\nwith the right mouse button\nor the 2 key\n",
     "you can select a target with button 2\n"},
    {"you can execute your selection\nwith the left mouse button\nor the 3 key\n",
     "you can execute your selection with button 3\n"},
};
const char* const kTutorialMarks[kTutorialStageCount][kTutorialFormCount] = {
    {"        ####                       \n",
     "        ####                                    "},
    {"                                   # # # #",
     "        ####                                   "},
    {"                  !!!!!!\n\n",
     "                  !!!!!!              "},
    {"                 !!!!!!    \n\n",
     "                 !!!!!!              "},
    {"        !!!!!!!               \n\n",
     "        !!!!!!!                             "},
};

}  // namespace text
