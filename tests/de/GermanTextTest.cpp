// The German build's texts that the code composes: the error screen spells
// umlauts out for the stroke font, and the advice lines we wrote fit its 32
// columns (longer given lines wrap on the screen).
#include <gtest/gtest.h>

#include "app/FatalError.h"
#include "app/SaveCodec.h"
#include "engine/EngineTexts.h"
#include "support/ErrorScreenLines.h"

TEST(GermanText, ErrorMessagesUseTheGermanPieces) {
    raiseFatalError(kFatalResourceFile, "res/0");
    EXPECT_EQ(0u, gFatalErrorText.find("fehler\n------\nkonnte ressourcendatei nicht laden:\nres/0\n"));
    EXPECT_NE(std::string::npos, gFatalErrorText.find("www.qvoss.example kontaktieren\n\nesc taste druecken"));
    decodeSaveBool(0);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("spielstandsdatei beschaedigt\n\nversuche:\n"));
}

TEST(GermanText, AdviceTailFits) {
    raiseFatalError(kFatalAudio, "");
    gFatalErrorText = gFatalErrorText.substr(gFatalErrorText.find("systemanforderungen"));
    expectLinesFitTheErrorScreen(gFatalErrorText);
}

TEST(GermanText, EngineErrorTextsComeFromTheGermanTable) {
    installFatalErrorHandler();
    EXPECT_STREQ("ressourcenobjekt nicht gefunden:\nmesh", gEngineTexts.missingMeshObject);
    EXPECT_STREQ("ressourcenobjekt nicht gefunden:\ntexture", gEngineTexts.missingTextureObject);
    EXPECT_STREQ("ressourcenobjekt nicht gefunden:\nsound", gEngineTexts.missingSoundObject);
}
