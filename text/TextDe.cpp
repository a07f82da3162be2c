#include "text/Text.h"

#include "catalog/ResourceCatalog.h"
#include "text/ObjectNames.h"

namespace text {

const bool kGerman = true;

const int kInvitationPicture = picture::kInvitationDe;
const int kGhostCardPicture = picture::kGhostCardDe;
const int kDeathCardPicture = picture::kDeathCardDe;
const int kWerewolfCardPicture = picture::kWerewolfCardDe;
const int kLetterTextPicture = picture::kLetterTextDe;

const char* const kErrorHead = "fehler\n------\n";
const char* const kErrorResourceHead = "konnte ressourcendatei nicht laden:\n";
const char* const kErrorResourceAdvice = "\n\nversuche:\nneuinstallation\n";
const char* const kErrorAudio =
    "konnte nicht initiieren:\naudio\n\nversuche:\npc audio reparieren/aendern\n";
const char* const kErrorAspectRatio =
    "unzulaessiges seitenverhaeltnis\n\nversuche:\nallgemein uebliche aufloesung verwenden\n";
const char* const kErrorGeneralAdvice = "\n\nversuche:\n";
const char* const kErrorTail =
    "systemanforderungen erfuellen\nneuere programmversion\nwww.qvoss.example kontaktieren\n\n"
    "esc taste druecken";

const char* const kErrorSaveCorrupted = "spielstandsdatei beschaedigt";
const char* const kErrorNoVideoMode = "quendralvoss: kein videomodus liess sich oeffnen";
const char* const kErrorFileRead = "dateilesefehler";

const char* const kMenuNewGame = "neues spiel";
const char* const kMenuContinue = "weiter";
const char* const kMenuExit = "beenden";
const char* const kMenuSave = "speichern";
const char* const kMenuSetUpController = "controller setup";
const char* const kSaveFailedNotice = "speichern fehlgeschlagen";
const char* const kSavedNotice = "gespeichert";

const char* const kSetupPrompts[8] = {"laufe nach links", "laufe vorwArts", "sehe nach links",
                                      "sehe nach oben",   "wAhle eine aktion", "wAhle ein ziel",
                                      "wende an",         "wechsle das menU"};
const char* const kSetupHintController = "\num controller nr 1 zu benutzen";
const char* const kSetupHintEscape = "\n\n\noder drUcke escape";
const char* const kSetupHintKeyboard = "\n\n\n\num die tastatur zu benutzen";

const char* const kIntroPage1 =
    "vor ein paar nAchten schob jemand\n"
    " dieses papier unter deine tUr.";
const char* const kIntroPage3 = "eigentlich darfst du nicht hingehen.";
const char* const kIntroPage4 = "aber heute nacht ist es so weit.";
const char* const kIntroPage5 = "der nebel steigt vom fluss herauf.";
const char* const kIntroPage6 = "du holst das vorbereitete kostUm.";
const char* const kIntroPage7 =
    "ein letzter blick auf die rUckseite\n"
    "          der einladung.";
const char* const kCostumeSelected[3] = {"[ tod ] ", "[ geist ]", "[ werwolf ]"};
const char* const kCostumeUnselected[3] = {"  tod   ", "  geist  ", "  werwolf  "};
const char* const kCostumeGapAfterDeath = "   ";
const char* const kCostumeGapAfterGhost = "  ";

const char* const kEndingTheEnd = "ende";
const char* const kEndingPage15 = "doch irgendetwas stimmt hier nicht.";
const char* const kEndingPage16 = "etwas ist jetzt anders.";
const char* const kEndingThanks = "danke fUrs spielen.\n\n";
const char* const kEndingNoAlternative = "\n\nes gibt kein alternatives ende.";
const char* const kEndingCredits = "story, code, video, audio\n\n";
// "von" is a letter longer than "by": both lines take one more space, so the
// name still starts one column after the word.
const char* const kEndingBy = "\n\nvon        ";
const char* const kEndingMakerName = "\n\n    ilvaren";
const char* const kErrorMissingMeshObject = "ressourcenobjekt nicht gefunden:\nmesh";
const char* const kErrorMissingTextureObject = "ressourcenobjekt nicht gefunden:\ntexture";
const char* const kErrorMissingSoundObject = "ressourcenobjekt nicht gefunden:\nsound";

const char* const kActionNames[kActionNameCount] = {
    "klopfe an",
    "frage",
    "trickse\n\n  aus",
    "nimm",
    "benutze stein mit",
    "benutze schlUssel mit",
    "benutze borsten mit",
    "benutze besenstiel mit",
    "benutze blume mit",
    "benutze hut mit",
    "benutze messer mit",
    "benutze seil mit",
    "benutze mUnze mit",
    "benutze kerze mit",
    "benutze brennende kerze mit",
    "benutze besen mit",
    "benutze knochen mit",
    "benutze speziellen trick mit",
    "benutze sUSes mit"};
const char* const kActionUnknown = "benutze unbekannten gegenstand mit";
const char* const kActionNone = "mache nichts mit";
const char* const kTargetSelf = "dir selbst";
const char* const kTargetNothing = "nichts";
const char* const kTargetUnknown = "unbekanntes objekt";
const char* const kPlayException1 = "ausnahme:\n1";
const char* const kPlayException2 = "ausnahme:\n2";
const char* const kPlayException3 = "ausnahme:\n3";
const char* const kPlayException4 = "ausnahme:\n4";
const char* const kPlayException5 = "ausnahme:\n5";

// Scene-object names by ObjectName id.
const char* const kObjectNames[] = {
    "schloss",
    "blume",
    "stein",
    "schlUssel",
    "spalt",
    "borsten",
    "besenstiel",
    " schloss ",
    "kerze",
    "linker schieber",
    "rechter schieber",
    "mUnzschacht",
    "etwas",
    "monique",
    "hut",
    "verfolgter anfUhrer",
    "messer",
    "stationAre hexe",
    "verdAchtige katze",
    "heimatloses skelett",
    "tor",
    "gate1",
    "schlafende schlange",
    "rechte vogelstatue",
    "linke vogelstatue",
    "knochen",
    "hund",
    "groSer kUrbis",
    "tUr",
    "fischmensch",
    "groSes gemAlde",
    "ziegenmensch",
    "staub",
    "person",
    "brief",
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
    "fledermaus",
    "kiste",
    "ziegelsteine",
    "besen",
    "stuhl",
    " stuhl ",
    "mUnzen",
    "kristallkugel",
    "hundehUtte",
    " tUr ",
    "staubiges regal",
    "sofortbild",
    "medizinische gerAte",
    "sAule",
    "pfosten",
    "seil",
    "runde zeichnungen",
    "kleine gemAlde",
    "kleine bilder",
    "spinne",
    "tisch",
    "falltUr",
    "sUSes",
    "brunnen",
    "dir selbst",
    "bretter",
};
static_assert(sizeof(kObjectNames) / sizeof(kObjectNames[0]) == kObjectNameCount,
              "one name for every object id");

const char* const kTutorialHints[kTutorialStageCount][kTutorialFormCount] = {
    {"du kannst dich umsehen mit der maus\noder den pfeiltasten\n",
     "du kannst dich umsehen\nmit dem rechten analog stick\n"},
    {"du kannst herumlaufen mit den tasten w a s d\n",
     "du kannst herumlaufen mit dem linken analog stick\n"},
    {"du kannst eine aktion auswAhlen\nmit dem mausrad\noder der 1 taste\n",
     "du kannst eine aktion auswAhlen mit button 1\n"},
    {"du kannst ein ziel auswAhlen\nmit der rechten maustaste\noder der 2 taste\n",
     "du kannst ein ziel auswAhlen mit button 2\n"},
    {"du kannst die auswahl anwenden\nmit der linken maustaste\noder der 3 taste\n",
     "du kannst die auswahl anwenden mit button 3\n"},
};
const char* const kTutorialMarks[kTutorialStageCount][kTutorialFormCount] = {
    {"               ####                \n",
     "               ####         \n"},
    {"                                     # # # #",
     "          ####                                   "},
    {"               !!!!!!          \n\n",
     "               !!!!!!                       "},
    {"              !!!!          \n\n",
     "              !!!!                       "},
    {"                      !!!!!!!!\n\n",
     "                      !!!!!!!!             "},
};

}  // namespace text
