// The bat: it guesses at the player's way while the night is young, and sleeps late.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SoundCue.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void batGuesses(PlayScreen& play) {
    if (play.story.nightAlmostOver) {
        say(play, kStpBatSleeps);
    } else {
        playCueOnAnyChannel(sound::kBatSqueak, 0.4f);
        say(play, kStpBatGuess);
    }
    play.script.scriptStep = step::kNone;
}

void batStaysIn(PlayScreen& play) {
    play.startCameraFlight(Vec3(3.47f, 38.87f, 11.02f), Vec3(3.12414f, 5.91667f, 6.14356f), 20.0f, true);
    cueLine(play, sound::kBatSqueak, 0.4f, kStpBatStaysIn, step::kBatDone);
}

void batDone(PlayScreen& play) { returnToPlayer(play, step::kNone); }

const StepRecord kBatRecords[] = {{step::kBatGuesses, batGuesses}, {step::kBatStaysIn, batStaysIn},
                                  {step::kBatDone, batDone}};

}  // namespace

const SceneSteps kBatSteps = {nullptr, 0, kBatRecords, entryCount(kBatRecords)};
