#ifndef QUENDRALVOSS_PLAY_STORYSTATE_H
#define QUENDRALVOSS_PLAY_STORYSTATE_H

#include <cstdint>
#include <vector>

#include "app/Costume.h"

class SceneObject;

// How far the story has come: the costume, what has been taken, placed and
// opened, the counters and values of the scenes, and the objects some scenes
// keep track of. The play-state table (play/PlayStateTable.h) saves, loads and
// resets the plain fields (personGlow and endingProgress it only resets);
// processionWalking and the three object lists are not in it. The lists point
// into the world list, which owns their objects and empties them on a clear.
struct StoryState {
    // What the numbered fields hold. The save table and the scenes write the
    // fields by their numbers; whatever tests them reads these names.
    float processionShift() const { return storyValue04; }  // how far the procession has walked (0, then below)
    bool candleDispensed() const { return storyFlag07; }    // the coin machine (or the lit pumpkin) gave the candle
    float hatDropX() const { return storyValue14; }         // where Monique stood when she took the flower
    bool birdStatuesAwake() const { return storyFlag20; }
    bool birdStatuesLeft() const { return storyFlag21; }    // they left their plinths and free the way
    bool shadyCatGiggled() const { return storyFlag22; }    // the last question showed the giggling close-up
    bool rightStatueAsked() const { return storyFlag23; }   // the next question to it gets the rhyme
    bool leftStatueAsked() const { return storyFlag24; }    // the next question to it gets the riddle
    int32_t pumpkinStage() const { return storyCount33; }   // 0 whole, 1..4 cuts, 5 lit, 6 gone
    bool spiderSweptAway() const { return storyCount35; }
    bool fishGaveInterestTalk() const { return storyFlag36; }  // which of its two talks the fish person gave last
    bool paintingOpened() const { return storyFlag37; }
    int32_t dustStage() const { return storyCount40; }      // 0 lying, -1 swept, 4..8 blowing away frame by frame
    bool dustOnTable() const { return storyFlag41; }
    bool personSawCostume() const { return storyFlag42; }   // the person upstairs was shown the costume trick
    bool goatGreeted() const { return storyFlag43; }
    bool gateOpened() const { return storyFlag48; }
    // How far the tunnel has opened: rising from 0 as the player walks in; at
    // 1 it is fully open and its closing begins.
    float tunnelOpening() const { return storyValue49; }
    float tunnelClosing() const { return storyValue50; }    // 0 open, rising to 1 as the tunnel closes behind
    bool hallReached() const { return storyFlag51; }        // the player has stepped into the hall at the end
    float eyesOpening() const { return storyValue52; }      // 0 shut, rising to 1 as the eyes open
    // The three costume flags, for costumeWorn.
    CostumeFlags costumeFlags() const { return {costumeGhost, costumeWerewolf, costumeDeath}; }

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
    bool storyCount35 = false;  // yes/no (the spider swept away), saved as a whole word
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
