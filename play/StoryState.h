#ifndef QUENDRALVOSS_PLAY_STORYSTATE_H
#define QUENDRALVOSS_PLAY_STORYSTATE_H

#include <cstdint>
#include <vector>

class SceneObject;

// How far the story has come: the costume, what has been taken, placed and
// opened, the counters and values of the scenes, and the objects some scenes
// keep track of. The play-state table (play/PlayStateTable.h) saves, loads and
// resets the plain fields (personGlow and endingProgress it only resets);
// processionWalking and the three object lists are not in it. The lists point
// into the world list, which owns their objects and empties them on a clear.
struct StoryState {
    bool costumeGhost = false;
    bool costumeWerewolf = false;
    bool costumeDeath = false;
    bool processionWalking = false;
    float storyValue04 = 0.0f;
    bool flowerTaken = false;
    bool lockOpened = false;
    bool storyFlag07 = false;
    bool candleTaken = false;
    bool keyTaken = false;
    bool bristlesTaken = false;
    bool broomstickTaken = false;
    bool broomstickInCrack = false;
    bool moniqueHasFlower = false;
    float storyValue14 = 0.0f;
    bool hatTaken = false;
    bool hatOnBroomstick = false;
    bool knifeTaken = false;
    bool ropeTaken = false;
    bool rockTaken = false;
    bool storyFlag20 = false;
    bool storyFlag21 = false;
    bool storyFlag22 = false;
    bool storyFlag23 = false;
    bool storyFlag24 = false;
    bool coinHeld = false;
    bool coinInserted = false;
    bool coinInWell = false;
    bool ropeOnPole = false;
    bool broomTaken = false;
    bool bonePlaced = false;
    bool boneTaken = false;
    bool dogGotBone = false;
    int32_t storyCount33 = 0;
    bool doorKnocked = false;
    bool storyCount35 = false;
    bool storyFlag36 = false;
    bool storyFlag37 = false;
    int32_t chairKnocks = 0;
    float chairAngle = 0.0f;
    int32_t storyCount40 = 0;
    bool storyFlag41 = false;
    bool storyFlag42 = false;
    bool storyFlag43 = false;
    bool specialTrickLearned = false;
    bool nightAlmostOver = false;
    float personGlow = 0.0f;
    bool treatTaken = false;
    bool letterTaken = false;
    bool storyFlag48 = false;
    float storyValue49 = 0.0f;
    float storyValue50 = 0.0f;
    std::vector<SceneObject*> tunnelFloorList;  // not owned
    std::vector<SceneObject*> tunnelRowList;    // not owned
    bool storyFlag51 = false;
    float storyValue52 = 0.0f;
    float endingProgress = 0.0f;
    std::vector<SceneObject*> reactionList;  // not owned
};

#endif
