// The dust: it blows away frame by frame, and the broom is put down.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/HouseLooks.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// The dust blows away over four frames of its texture, 0.08 s each.
void dustBlows(PlayScreen& play) {
    play.script.scriptStepDelay = 0.08f;
    if (play.story.dustStage() == 0) {
        playCueOnAnyChannel(sound::kSweeping, 0.15f);
        play.story.storyCount40 = 4;
    } else {
        play.story.storyCount40 += 1;
    }
    if (play.story.dustStage() >= 8) {
        deleteRowObject(play, kObjDust);
        play.script.scriptStep = step::kBroomPutDown;
        return;
    }
    showDustStage(*sceneObject(play, kObjDust), play.story.dustStage());
}

void broomPutDown(PlayScreen& play) {
    play.player.removeActionById(action::kUseBroom);
    appendPutDownBroom(play.world.worldList);
    play.script.scriptStep = step::kNone;
}

const StepRecord kDustRecords[] = {{step::kDustBlows, dustBlows}, {step::kBroomPutDown, broomPutDown}};

}  // namespace

const SceneSteps kDustSteps = {nullptr, 0, kDustRecords, entryCount(kDustRecords)};
