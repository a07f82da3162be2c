// The letter: taken up, it is read, and its sheets lift and blow away.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void step119(PlayScreen& play) {
    fadeScene(play, 1.0f, 1.0f);
    placeCamera(Vec3(11.19f, 40.28f, 8.83f), Vec3(0.0f, 28.0f, 90.0f));
    play.startCameraFlight(Vec3(11.19f, 40.76f, 9.04f), Vec3(0.0f, 1.55334f, 1.5708f), 13.0f, true);
    nextAfter(play, 10.0f, 120);
}

void step120(PlayScreen& play) {
    deleteRowObject(play, kObjLetter);
    for (ObjectName name : {kObjLetter1, kObjLetter2}) {
        SceneObject* letter = sceneObject(play, name);
        letter->setSceneObjectMesh(mesh::kLetterUnfolding);
        animate(letter, 0.0f, 3.0f);
    }
    nextAfter(play, 3.0f, 121);
}

void step121(PlayScreen& play) {
    deleteRowObject(play, kObjLetter1);
    deleteRowObject(play, kObjLetter2);
    fadeOutToStep(play, 122);
}

void step122(PlayScreen& play) { fadeScene(play, 1.0f, 1.0f); play.script.scriptStep = -1; }

const StepRecord kLetterRecords[] = {{119, step119}, {120, step120}, {121, step121}, {122, step122}};

}  // namespace

const SceneSteps kLetterSteps = {nullptr, 0, kLetterRecords, entryCount(kLetterRecords)};
