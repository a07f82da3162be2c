// The letter: taken up, it is read, and its sheets lift and blow away.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void letterRead(PlayScreen& play) {
    fadeScene(play, 1.0f, 1.0f);
    placeCamera(Vec3(11.19f, 40.28f, 8.83f), Vec3(0.0f, 28.0f, 90.0f));
    play.startCameraFlight(Vec3(11.19f, 40.76f, 9.04f), Vec3(0.0f, 1.55334f, 1.5708f), 13.0f, true);
    nextAfter(play, 10.0f, step::kLetterUnfolds);
}

void letterUnfolds(PlayScreen& play) {
    deleteRowObject(play, kObjLetter);
    for (ObjectName name : {kObjLetter1, kObjLetter2}) {
        SceneObject* letter = sceneObject(play, name);
        letter->setSceneObjectMesh(mesh::kLetterUnfolding);
        animate(letter, 0.0f, 3.0f);
    }
    nextAfter(play, 3.0f, step::kLetterBlowsAway);
}

void letterBlowsAway(PlayScreen& play) {
    deleteRowObject(play, kObjLetter1);
    deleteRowObject(play, kObjLetter2);
    fadeOutToStep(play, step::kLetterSceneEnds);
}

void letterSceneEnds(PlayScreen& play) { fadeScene(play, 1.0f, 1.0f); play.script.scriptStep = step::kNone; }

const StepRecord kLetterRecords[] = {{step::kLetterRead, letterRead}, {step::kLetterUnfolds, letterUnfolds},
                                     {step::kLetterBlowsAway, letterBlowsAway},
                                     {step::kLetterSceneEnds, letterSceneEnds}};

}  // namespace

const SceneSteps kLetterSteps = {nullptr, 0, kLetterRecords, entryCount(kLetterRecords)};
