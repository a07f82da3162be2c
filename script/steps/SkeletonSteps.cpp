// The homeless skeleton: its greetings, its memories, the burning smell and the lit candle.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSkeletonRows[] = {
    {11, kStepSilent, 0, 0.0f, kStpNoIdea, kKeepDelay, -1},
    {13, kStepCue, sound::kSkeletonVoice, 1.0f, kStpSkeletonRemembers, kKeepDelay, 40},
    {40, kStepCue, sound::kSkeletonVoice, 1.0f, kStpSkeletonBeneath, kKeepDelay, -1},
    {15, kStepSilent, 0, 0.0f, kNoStepLine, 1.0f, 16},
    {16, kStepSilent, 0, 0.0f, kStpBurningSmell, kKeepDelay, -1},
};

// The greeting depends on the costume; only death is asked how, which the
// player cannot tell (step 11).
void skeletonGreets(PlayScreen& play) {
    playCueOnAnyChannel(sound::kSkeletonVoice, 1.0f);
    const StepText line = sayForCostume(play, kStpSkeletonGreetsGhost, kStpSkeletonGreetsWerewolf, kStpSkeletonAsksHow);
    play.script.scriptStep = line == kStpSkeletonAsksHow ? 11 : -1;
}

// The skeleton lights the candle: the lit candle joins the actions at the
// end, and the choice is left to the player.
void candleLit(PlayScreen& play) {
    play.player.removeActionById(13);
    appendActionEntry(play, 14);
    playCueOnAnyChannel(sound::kMatchStrike, 0.2f);
    play.script.scriptStep = -1;
}

const StepRecord kSkeletonRecords[] = {{7, skeletonGreets}, {42, candleLit}};

}  // namespace

const SceneSteps kSkeletonSteps = {kSkeletonRows, entryCount(kSkeletonRows), kSkeletonRecords,
                                   entryCount(kSkeletonRecords)};
