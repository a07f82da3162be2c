// The bat: it guesses at the player's way while the night is young, and sleeps late.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SoundCue.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void step133(PlayScreen& play) {
    if (play.story.nightAlmostOver) {
        say(play, kStpBatSleeps);
    } else {
        playCueOnAnyChannel(sound::kBatSqueak, 0.4f);
        say(play, kStpBatGuess);
    }
    play.script.scriptStep = -1;
}

void step134(PlayScreen& play) {
    play.startCameraFlight(Vec3(3.47f, 38.87f, 11.02f), Vec3(3.12414f, 5.91667f, 6.14356f), 20.0f, true);
    cueLine(play, sound::kBatSqueak, 0.4f, kStpBatStaysIn, 135);
}

void step135(PlayScreen& play) { returnToPlayer(play, -1); }

const StepRecord kBatRecords[] = {{133, step133}, {134, step134}, {135, step135}};

}  // namespace

const SceneSteps kBatSteps = {nullptr, 0, kBatRecords, entryCount(kBatRecords)};
