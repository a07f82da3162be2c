// Room rows against the record chains they stand for: a row sets exactly the
// fields it gives (the same cache entries, the same numbers), leaves the
// defaults where it gives none, named rows land in table order, and story
// rows only while their condition holds.
#include "play/RoomRow.h"

#include "play/RoomRecord.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/StoryState.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class RoomRowTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        writeMesh(10, makeStillQuadMesh(1.5f, 0.5f, -0.5f, 0.5f));
        ASSERT_TRUE(writeScrambledFile(resourcePath(20), makePlainPicture(2, 2, kRed)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(21), makePlainPicture(2, 2, kWhite)));
    }
};

void expectSameVec(const Vec3& a, const Vec3& b) {
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.z, b.z);
}

void expectSameObject(const SceneObject& a, const SceneObject& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.sceneObjectMesh(), b.sceneObjectMesh());
    EXPECT_EQ(a.sceneObjectTexture(), b.sceneObjectTexture());
    EXPECT_EQ(a.sceneObjectSecondTexture(), b.sceneObjectSecondTexture());
    expectSameVec(a.position, b.position);
    expectSameVec(a.rotation, b.rotation);
    expectSameVec(a.halfSize, b.halfSize);
    EXPECT_EQ(a.drawDistance, b.drawDistance);
    EXPECT_EQ(a.sphereMapped, b.sphereMapped);
}

TEST_F(RoomRowTest, AFullRowIsTheChainOfEverySetter) {
    const RoomRow row = {10, 20, 21, 1.5f, -2.0f, 0.25f, 90.0f, 0.5f, 0.6f, 0.7f, 50.0f};
    RoomRecord fromRow(row);
    RoomRecord chained;
    chained.mesh(10).texture(20).secondTexture(21).at(1.5f, -2.0f, 0.25f).turnDegrees(0.0f, 0.0f, 90.0f);
    chained.size(0.5f, 0.6f, 0.7f).drawDistance(50.0f);
    expectSameObject(*chained.object, *fromRow.object);
}

TEST_F(RoomRowTest, AnEmptyRowKeepsEveryDefaultButThePosition) {
    const RoomRow row = {-1, -1, -1, 3.0f, 4.0f, 5.0f, 0.0f, kNoCollision, kNoCollision, kNoCollision, 0.0f};
    RoomRecord fromRow(row);
    RoomRecord chained;
    chained.at(3.0f, 4.0f, 5.0f);
    expectSameObject(*chained.object, *fromRow.object);
}

TEST_F(RoomRowTest, NamedRowsAreAppendedInTableOrderUnderTheirNames) {
    const NamedRoomRow rows[] = {
        {kObjLock, {10, -1, -1, 1.0f, 0.0f, 0.0f, 0.0f, 0.2f, 0.2f, 0.2f, 0.0f}},
        {kObjFlower, {-1, 20, -1, 2.0f, 0.0f, 0.0f, 0.0f, kNoCollision, kNoCollision, kNoCollision, 0.0f}},
    };
    SceneObjectList list;
    appendNamedRows(list, rows, 2);
    const SceneObject* last = appendNamedRow(list, rows[0]);
    ASSERT_EQ(3u, list.objects().size());
    EXPECT_EQ(last, list.objects()[2]);
    const float xs[3] = {1.0f, 2.0f, 1.0f};
    const ObjectName names[3] = {kObjLock, kObjFlower, kObjLock};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(objectName(names[k]), list.objects()[k]->name);
        EXPECT_EQ(xs[k], list.objects()[k]->position.x);
    }
    RoomRecord flower(rows[1].row);
    flower.name(kObjFlower);
    expectSameObject(*flower.object, *list.objects()[1]);
}


bool lockShut(const StoryState& story) { return !story.lockOpened; }
bool lockOpen(const StoryState& story) { return story.lockOpened; }

TEST_F(RoomRowTest, StoryRowsAppearOnlyWhileTheirConditionHolds) {
    const StoryRoomRow rows[] = {
        {nullptr, kUnnamedRow, {10, -1, -1, 1.0f, 0.0f, 0.0f, 0.0f, kNoCollision, kNoCollision, kNoCollision, 0.0f}},
        {lockShut, kObjLock, {10, -1, -1, 2.0f, 0.0f, 0.0f, 0.0f, 0.2f, 0.2f, 0.2f, 0.0f}},
        {lockOpen, kUnnamedRow, {-1, 20, -1, 3.0f, 0.0f, 0.0f, 0.0f, kNoCollision, kNoCollision, kNoCollision, 0.0f}},
    };
    StoryState story;
    for (bool opened : {false, true}) {
        story.lockOpened = opened;
        SceneObjectList list;
        appendStoryRows(list, story, rows, 3);
        ASSERT_EQ(2u, list.objects().size()) << "opened " << opened;
        const SceneObject& unconditional = *list.objects()[0];
        EXPECT_EQ(1.0f, unconditional.position.x);
        EXPECT_EQ(RoomRecord().object->name, unconditional.name) << "an unnamed row keeps the default name";
        const SceneObject& second = *list.objects()[1];
        RoomRecord expected(rows[opened ? 2 : 1].row);
        if (!opened) {
            expected.name(kObjLock);
        }
        expectSameObject(*expected.object, second);
    }
}

}  // namespace
