// The homeless skeleton: its greetings, its memories, the burning smell and the lit candle.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSkeletonRows[] = {
    {step::kNoIdeaHow, kStepSilent, 0, 0.0f, kStpNoIdea, kKeepDelay, step::kNone},
    {step::kSkeletonRemembers, kStepCue, sound::kSkeletonVoice, 1.0f, kStpSkeletonRemembers, kKeepDelay,
     step::kSkeletonBeneath},
    {step::kSkeletonBeneath, kStepCue, sound::kSkeletonVoice, 1.0f, kStpSkeletonBeneath, kKeepDelay, step::kNone},
    {step::kSmellRises, kStepSilent, 0, 0.0f, kNoStepLine, 1.0f, step::kBurningSmell},
    {step::kBurningSmell, kStepSilent, 0, 0.0f, kStpBurningSmell, kKeepDelay, step::kNone},
};

// The greeting depends on the costume; only death is asked how, which the
// player cannot tell (step 11).
void skeletonGreets(PlayScreen& play) {
    playCueOnAnyChannel(sound::kSkeletonVoice, 1.0f);
    const StepText line = sayForCostume(play, kStpSkeletonGreetsGhost, kStpSkeletonGreetsWerewolf, kStpSkeletonAsksHow);
    play.script.scriptStep = line == kStpSkeletonAsksHow ? step::kNoIdeaHow : step::kNone;
}

// The skeleton lights the candle: the lit candle joins the actions at the
// end, and the choice is left to the player.
void candleLit(PlayScreen& play) {
    play.player.removeActionById(action::kUseCandle);
    appendActionEntry(play, action::kUseLitCandle);
    playCueOnAnyChannel(sound::kMatchStrike, 0.2f);
    play.script.scriptStep = step::kNone;
}

const StepRecord kSkeletonRecords[] = {{step::kSkeletonGreets, skeletonGreets}, {step::kCandleLit, candleLit}};

}  // namespace

const SceneSteps kSkeletonSteps = {kSkeletonRows, entryCount(kSkeletonRows), kSkeletonRecords,
                                   entryCount(kSkeletonRecords)};
