#include "text/Text.h"

namespace text {

const bool kGerman = true;

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
const char* const kErrorFileRead = "dateilesefehler";

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

}  // namespace text
