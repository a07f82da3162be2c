// The rooms' own rules in the running game: room 0's procession, bird statues
// and gate, room 4's painting, and room 7's tunnel, hall, eyes and the way
// home, each checked frame by frame against where the player stands.
#include <SDL_opengl.h>

#include <cmath>

#include "StoryBench.h"
#include "catalog/ResourceCatalog.h"

#include "engine/Camera.h"
#include "engine/Light.h"
#include "play/GlowSprite.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "script/StepIds.h"
#include "text/StepTexts.h"
#include "text/Text.h"

using namespace storytest;

namespace {

class RoomRulesTest : public StoryTest {
protected:
    // A new game's state, changed by flags, in room.
    void freshRoom(int32_t room, void (*flags)(PlayScreen&) = nullptr) {
        play().resetPlayState();
        if (flags) flags(play());
        play().enterRoom(room);
        cues.clear();
    }
    void standAt(float x, float y, float z = 0.0f, float yaw = 0.0f) {
        play().player.position.set(x, y, z);
        play().player.viewAngles.set(0.0f, 0.0f, yaw);
    }
    // Runs frames until the player is in control again (at most limit).
    void untilInControl(int limit = 400) {
        for (int i = 0; i < limit && !play().isPlayerInControl(); ++i) frame();
    }
};

void tunnelClosed(PlayScreen& p) {
    p.story.storyValue49 = 1.0f;
    p.story.storyValue50 = 1.0f;
}
void eyesOpen(PlayScreen& p) {
    tunnelClosed(p);
    p.story.storyFlag51 = true;
    p.story.storyValue52 = 1.0f;
}

// Room 7's light, fog and reach for the eased closing value e.
void expectAtmosphere(float e) {
    EXPECT_NEAR(10.0f + 10.0f * e, gCamera->farPlane, 1e-4f);
    EXPECT_NEAR(3.0f + 17.0f * e, gCamera->fogEnd, 1e-4f);
    EXPECT_NEAR(0.05f + 0.25f * e, gCamera->fogColour[0], 1e-5f);
    EXPECT_FLOAT_EQ(0.05f, gCamera->fogColour[2]);
    GLfloat ambient[4];
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    EXPECT_NEAR(0.9f - 0.7f * e, ambient[1], 1e-5f);
    // The light keeps the direction it comes from: (0, -e, 0.5 e - 1) reversed.
    EXPECT_NEAR(e, gMainLight->lightPosition[1], 1e-5f);
    EXPECT_NEAR(1.0f - 0.5f * e, gMainLight->lightPosition[2], 1e-5f);
    EXPECT_NEAR(1.0f - e, gMainLight->lightColour[1], 1e-5f);
    EXPECT_FLOAT_EQ(1.0f, gMainLight->lightColour[0]);
}

}  // namespace

// Standing in the procession's way, the player is pushed back (-x) and to the
// side it stands on, as far as the walkers move; while a scene runs nobody
// moves and the walkers stand.
TEST_F(RoomRulesTest, TheProcessionPushesThePlayerOnlyInControl) {
    PlayScreen& p = play();
    const float step = 0.4f * 0.045f;
    for (float side : {0.3f, -0.3f}) {
        SCOPED_TRACE(side);
        SceneObject* walker = object(kObjSomething);
        const float x = walker->position.x;
        const float y = walker->position.y + side;
        standAt(x, y);
        for (int i = 0; i < 5; ++i) frame();
        EXPECT_NEAR(x - 5 * step, p.player.position.x, 1e-4f);
        EXPECT_NEAR(y + (side > 0 ? 5 : -5) * step, p.player.position.y, 1e-4f);
        EXPECT_NEAR(x - 5 * step, walker->position.x, 1e-4f);
        EXPECT_TRUE(p.story.processionWalking);
    }

    SceneObject* walker = object(kObjSomething);
    standAt(walker->position.x, walker->position.y + 0.3f);
    const Vec3 before = p.player.position;
    const float walkerX = walker->position.x;
    p.script.scriptStep = step::kSmellRises;  // a delay, then a line
    for (int i = 0; i < 30; ++i) frame();
    ASSERT_FALSE(p.isPlayerInControl());
    EXPECT_EQ(before.x, p.player.position.x);
    EXPECT_EQ(before.y, p.player.position.y);
    EXPECT_EQ(walkerX, walker->position.x);
    EXPECT_FALSE(p.story.processionWalking);
    EXPECT_EQ(mesh::kSomethingStanding, meshNumber(walker));
}

// The first step past y 9.8 wakes the statues and starts their scene; later
// the way stays shut at 9.8 while the statues follow the player with their
// pose; once the hat-crowned broomstick stands in the crack and the player is
// out of sight, they leave and the way past 10.25 leads to room 1.
TEST_F(RoomRulesTest, TheBirdStatuesWakeHoldTheWayAndLeave) {
    PlayScreen& p = play();
    standAt(12.65f, 9.9f);
    frame();
    EXPECT_TRUE(p.story.birdStatuesAwake());
    EXPECT_EQ(1, heard(302, 0.8f));
    EXPECT_EQ(step::kCameraDrawsBack, p.script.scriptStep);
    EXPECT_FLOAT_EQ(0.5f, p.script.scriptStepDelay);
    EXPECT_FLOAT_EQ(0.5f, p.view.flight.flightDuration);
    EXPECT_FALSE(p.view.flight.flightEase);
    EXPECT_NEAR(p.player.playerEyePosition().y + 0.3f, p.view.flight.flightEndPosition.y, 1e-5f);
    EXPECT_EQ(0.0f, p.player.walkIntensity);
    const struct {
        ObjectName name;
        int32_t mesh;
        int32_t vertices[2];
    } statues[] = {{kObjLeftBirdStatue, 64, {1433, 1043}}, {kObjRightBirdStatue, 65, {363, 1063}}};
    const GlowSprite plain;
    for (const auto& st : statues) {
        SceneObject* statue = object(st.name);
        EXPECT_EQ(st.mesh, meshNumber(statue));
        EXPECT_EQ(51, textureNumber(statue->sceneObjectTexture()));
        EXPECT_EQ(1.0f, statue->animSpeed);
        ASSERT_EQ(2u, statue->attachments().size());
        for (int k = 0; k < 2; ++k) {
            const GlowSprite* glow = statue->attachments()[k].get();
            EXPECT_EQ(st.vertices[k], glow->vertexIndex);
            EXPECT_FLOAT_EQ(0.5f * plain.quadExtent.x, glow->quadExtent.x);
            EXPECT_FLOAT_EQ(0.7f * plain.quadExtent.z, glow->quadExtent.z);
            EXPECT_FLOAT_EQ(0.1254902f, glow->colour[0]);
            EXPECT_FLOAT_EQ(1.0f, glow->colour[2]);
        }
    }
    EXPECT_EQ((std::vector<int32_t>{30, 31, 32, 33, 34, 35, 36, 37, -1}), runScene());
    untilInControl();

    // Held at the line, no second scene; the pose follows the distance.
    cues.clear();
    standAt(12.65f, 10.5f);
    frame();
    EXPECT_FLOAT_EQ(9.8f, p.player.position.y);
    EXPECT_EQ(step::kNone, p.script.scriptStep);
    EXPECT_EQ(0, heard(302, 0.8f));
    const float poses[][2] = {{7.0f, 0.5f}, {8.5f, 1.75f}, {9.8f, 3.0f}, {4.0f, 0.0f}};
    for (const auto& pose : poses) {
        standAt(12.65f, pose[0]);
        frame();
        EXPECT_NEAR(pose[1], object(kObjRightBirdStatue)->animTime, 1e-4f) << pose[0];
        EXPECT_NEAR(pose[1], object(kObjLeftBirdStatue)->animTime, 1e-4f) << pose[0];
    }

    // The broomstick alone, or the player too close, keeps them.
    p.story.broomstickInCrack = true;
    standAt(1.0f, 5.0f);
    frame();
    p.story.hatOnBroomstick = true;
    standAt(12.0f, 5.0f);
    frame();
    EXPECT_FALSE(p.story.birdStatuesLeft());
    EXPECT_TRUE(has(kObjLeftBirdStatue));
    standAt(1.0f, 5.0f);
    frame();
    EXPECT_TRUE(p.story.birdStatuesLeft());
    EXPECT_FALSE(has(kObjLeftBirdStatue));
    EXPECT_FALSE(has(kObjRightBirdStatue));

    standAt(12.65f, 10.1f);
    frame();
    EXPECT_FLOAT_EQ(10.1f, p.player.position.y);
    EXPECT_EQ(room::kNone, p.world.pendingRoom);
    standAt(12.65f, 10.3f);
    frame();
    EXPECT_EQ(room::kGarden, p.world.pendingRoom);
}

// The gate's box leads into the tunnel only late at night once the gate scene
// has opened it.
TEST_F(RoomRulesTest, TheGateBoxLeadsToTheTunnelOnlyOnceTheGateIsOpen) {
    PlayScreen& p = play();
    const struct {
        bool late, opened;
    } cases[] = {{true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.late) + std::to_string(c.opened));
        p.resetPlayState();
        p.story.nightAlmostOver = c.late;
        p.story.storyFlag48 = c.opened;
        p.enterRoom(room::kStreet);
        standAt(3.5f, 5.0f);
        frame();
        EXPECT_EQ(c.late && c.opened ? 7 : -1, p.world.pendingRoom);
        if (c.late) {
            EXPECT_FLOAT_EQ(c.opened ? 4.0f : 3.5f, p.player.position.x);
        }
    }
    for (int i = 0; i < 60 && p.world.room != room::kTunnel; ++i) frame();
    EXPECT_EQ(room::kTunnel, p.world.room);
}

// The painting turns once: coin in the well, flag 42 and the spot in front of
// it; its scene gives the view back and leaves it open and passable.
TEST_F(RoomRulesTest, ThePaintingOpensOnceUnderItsConditions) {
    PlayScreen& p = play();
    const struct {
        bool coin, flag42, flag37;
        float x, y;
        bool fires;
    } cases[] = {
        {true, true, false, 14.0f, 39.0f, true},    {false, true, false, 14.0f, 39.0f, false},
        {true, false, false, 14.0f, 39.0f, false},  {true, true, true, 14.0f, 39.0f, false},
        {true, true, false, 12.9f, 39.0f, false},   {true, true, false, 14.0f, 40.9f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.coin) + std::to_string(c.flag42) + std::to_string(c.flag37) + " at " +
                     std::to_string(c.x) + ", " + std::to_string(c.y));
        freshRoom(4);
        p.story.coinInWell = c.coin;
        p.story.storyFlag42 = c.flag42;
        p.story.storyFlag37 = c.flag37;
        standAt(c.x, c.y, 0.91f);
        frame();
        EXPECT_EQ(c.fires ? 1 : 0, heard(308, 0.6f));
        EXPECT_EQ(c.fires || c.flag37, p.story.paintingOpened());
        EXPECT_EQ(c.fires ? 70 : -1, p.script.scriptStep);
        if (!c.fires) continue;
        SceneObject* painting = object(kObjBigPainting);
        EXPECT_EQ(mesh::kBigPaintingSwinging, meshNumber(painting));
        EXPECT_FLOAT_EQ(3.0f, p.script.scriptStepDelay);
        EXPECT_FLOAT_EQ(2.0f, p.view.flight.flightDuration);
        EXPECT_TRUE(p.view.flight.flightEase);
        EXPECT_EQ(0.0f, p.player.walkIntensity);
        EXPECT_EQ((std::vector<int32_t>{70, 71, -1}), runScene());
        EXPECT_EQ(6.0f, painting->animTime);
        EXPECT_EQ(0.0f, painting->animSpeed);
        EXPECT_EQ(kNoCollision, painting->halfSize.x);
        cues.clear();
        for (int i = 0; i < 60; ++i) frame();
        EXPECT_EQ(0, heard(308, 0.6f));
        EXPECT_EQ(step::kNone, p.script.scriptStep);
    }
}

// The tunnel's rows turn open with the square of the distance walked; at the
// far end the tunnel is rebuilt open and starts closing: the floor sinks, the
// light reddens, and at 1 every piece is gone.
TEST_F(RoomRulesTest, TheTunnelOpensWithTheDistanceAndCloses) {
    PlayScreen& p = play();
    freshRoom(7);
    ASSERT_FALSE(p.story.tunnelRowList.empty());
    const float openings[][2] = {{-14.5f, 54.0f}, {-27.0f, 180.0f}};
    for (const auto& o : openings) {
        standAt(o[0], 5.0f);
        frame();
        EXPECT_NEAR((o[0] / 29.0f) * (o[0] / 29.0f), p.story.tunnelOpening(), 1e-5f);
        for (const SceneObject* row : p.story.tunnelRowList) {
            EXPECT_NEAR(o[1] * 0.0174533f, row->rotation.x, 1e-4f);
        }
        EXPECT_TRUE(has(kObjTunnelStart1));
        expectAtmosphere(0.0f);
    }
    standAt(-29.5f, 5.0f);
    frame();
    EXPECT_EQ(1.0f, p.story.tunnelOpening());
    EXPECT_GT(p.story.tunnelClosing(), 0.0f);
    EXPECT_LT(p.story.tunnelClosing(), 0.01f);
    EXPECT_EQ(1, heard(343, 0.6f));
    EXPECT_FALSE(has(kObjTunnelStart1));
    EXPECT_FALSE(has(kObjTunnelStart2));
    for (const SceneObject* row : p.story.tunnelRowList) {
        EXPECT_EQ(mesh::kTunnelRingMoving, meshNumber(row));
        EXPECT_NEAR(3.14159f, row->rotation.x, 1e-4f);
        EXPECT_GT(row->animSpeed, 11.0f / 12.5f - 1e-4f);
        EXPECT_LE(row->animSpeed, 11.0f / 5.0f);
    }
    int arches = 0;
    for (const SceneObject* floor : p.story.tunnelFloorList) arches += meshNumber(floor) == 227 ? 1 : 0;
    EXPECT_EQ(2, arches);

    standAt(-15.0f, 5.0f);
    p.story.storyValue50 = 0.5f;
    frame();
    const float v = p.story.tunnelClosing();
    EXPECT_NEAR(0.5f + 0.08f * 0.045f, v, 1e-6f);
    for (const SceneObject* floor : p.story.tunnelFloorList) {
        EXPECT_NEAR(1.0f - (v - 0.15f) * 0.4f, floor->position.z, 1e-5f);
    }
    expectAtmosphere(1.0f - (1.0f - v) * (1.0f - v));

    for (int i = 0; i < 200 && p.story.tunnelClosing() < 1.0f; ++i) frame();
    EXPECT_EQ(1.0f, p.story.tunnelClosing());
    EXPECT_TRUE(p.story.tunnelRowList.empty());
    EXPECT_TRUE(p.story.tunnelFloorList.empty());
    expectAtmosphere(1.0f);
}

// Once in the hall the player may not go back out: each try is undone with a
// line. Past x -11 the eyes appear, open over five seconds and then stare.
TEST_F(RoomRulesTest, TheHallHoldsThePlayerAndTheEyesOpen) {
    PlayScreen& p = play();
    freshRoom(7, tunnelClosed);
    standAt(-12.0f, -3.0f);
    frame();
    EXPECT_TRUE(p.story.hallReached());
    EXPECT_TRUE(p.isPlayerInControl());
    EXPECT_EQ(0.0f, p.story.eyesOpening());

    standAt(-12.0f, -2.0f);
    frame();
    EXPECT_NEAR(-2.3f, p.player.position.y, 1e-5f);
    EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
    EXPECT_EQ(0.0f, p.player.walkIntensity);
    EXPECT_FLOAT_EQ(1.0f, p.view.flight.flightDuration);
    EXPECT_NEAR(-2.3f, p.view.flight.flightEndPosition.y, 1e-5f);
    EXPECT_TRUE(p.answerPanel.isAnswerShowing());
    EXPECT_EQ(text::kGerman ? "du solltest nicht." : "you're not\nsupposed to.", p.answerPanel.text);
    runScene();
    untilInControl();
    EXPECT_LT(p.player.position.y, -2.38571f);

    standAt(-10.5f, -3.0f);
    cues.clear();
    frame();
    EXPECT_EQ(1, heard(344, 0.6f));
    EXPECT_NEAR(0.0001f + 0.2f * 0.045f, p.story.eyesOpening(), 1e-6f);
    for (ObjectName eye : {kObjEye1, kObjEye2}) {
        ASSERT_TRUE(has(eye));
        EXPECT_EQ(mesh::kEyesOpening, meshNumber(object(eye)));
        EXPECT_EQ(250, textureNumber(object(eye)->sceneObjectTexture()));
        EXPECT_EQ(9999.0f, object(eye)->drawDistance);
        EXPECT_FALSE(object(eye)->reflectionShown);
    }
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_NEAR(0.0001f + 11 * 0.2f * 0.045f, p.story.eyesOpening(), 1e-5f);
    EXPECT_EQ(1, heard(344, 0.6f));
    for (int i = 0; i < 120 && p.story.eyesOpening() < 1.0f; ++i) frame();
    EXPECT_EQ(1.0f, p.story.eyesOpening());
    for (ObjectName eye : {kObjEye1, kObjEye2}) {
        EXPECT_EQ(mesh::kEyesOpen, meshNumber(object(eye)));
        EXPECT_EQ(1.0f, object(eye)->animSpeed);
    }
}

// With the eyes open, facing the door from its spot and in control, the
// player is taken home; a step off the spot, a look aside or a scene running
// leaves it be.
TEST_F(RoomRulesTest, TheWayHomeOpensOnlyFacingTheDoor) {
    PlayScreen& p = play();
    const struct {
        float yaw, x, y, eyes, delay;
        bool fires;
    } cases[] = {
        {1.5708f, -12.0f, -3.0f, 1.0f, 0.0f, true},  {1.30f, -12.0f, -3.0f, 1.0f, 0.0f, false},
        {1.84f, -12.0f, -3.0f, 1.0f, 0.0f, false},   {1.5708f, -12.5f, -3.0f, 1.0f, 0.0f, false},
        {1.5708f, -11.5f, -3.0f, 1.0f, 0.0f, false}, {1.5708f, -12.0f, -3.5f, 1.0f, 0.0f, false},
        {1.5708f, -12.0f, -3.0f, 0.5f, 0.0f, false}, {1.5708f, -12.0f, -3.0f, 1.0f, 0.5f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("yaw " + std::to_string(c.yaw) + " at " + std::to_string(c.x) + ", " + std::to_string(c.y) +
                     " eyes " + std::to_string(c.eyes) + " delay " + std::to_string(c.delay));
        freshRoom(7, eyesOpen);
        p.story.storyValue52 = c.eyes;
        p.script.scriptStepDelay = c.delay;
        standAt(c.x, c.y, 0.0f, c.yaw);
        frame();
        EXPECT_EQ(c.fires ? 136 : -1, p.script.scriptStep);
        if (!c.fires) continue;
        EXPECT_FLOAT_EQ(4.0f, p.script.scriptStepDelay);
        EXPECT_FLOAT_EQ(4.0f, p.view.flight.flightDuration);
        EXPECT_TRUE(p.view.flight.flightEase);
        EXPECT_NEAR(-3.41f, p.view.flight.flightEndPosition.y, 1e-5f);
        EXPECT_EQ(0.0f, p.player.walkIntensity);
    }
}
