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

}  // namespace text
