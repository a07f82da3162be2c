// The crystal ball: it watches over the player until the coin is in the well.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void crystalBallSpeaks(PlayScreen& play) {
    cueLine(play, sound::kCrystalBallVoice, 0.18f, play.story.coinInWell ? kStpBallLostSight : kStpBallReassures,
            step::kNone);
}

const StepRecord kCrystalBallRecords[] = {{step::kCrystalBallSpeaks, crystalBallSpeaks}};

}  // namespace

const SceneSteps kCrystalBallSteps = {nullptr, 0, kCrystalBallRecords, entryCount(kCrystalBallRecords)};
