// The scenes' step lists together: each step of the story lives in exactly
// one scene, so no list shadows another and none is left without a handler.
#include <gtest/gtest.h>

#include "script/StepRow.h"

namespace {

int32_t entriesOf(int32_t step) {
    int32_t count = 0;
    for (int32_t s = 0; s < kStepSceneCount; ++s) {
        const SceneSteps& scene = *kStepScenes[s];
        for (int32_t k = 0; k < scene.rowCount; ++k) {
            count += scene.rows[k].step == step ? 1 : 0;
        }
        for (int32_t k = 0; k < scene.recordCount; ++k) {
            count += scene.records[k].step == step ? 1 : 0;
        }
    }
    return count;
}

TEST(StepScenesTest, EveryStepLivesInExactlyOneScene) {
    // 142 hands over to the ending screen and 143 follows it; the world
    // script runs both itself.
    for (int32_t step = 1; step <= 144; ++step) {
        EXPECT_EQ(step == 142 || step == 143 ? 0 : 1, entriesOf(step)) << "step " << step;
    }
}

}  // namespace
