#ifndef QUENDRALVOSS_TESTS_STORY_STORYROUTE_H
#define QUENDRALVOSS_TESTS_STORY_STORYROUTE_H

// The story from the street to the ending, as milestones a player reaches in
// turn: where to walk, what to do there, and what must have changed. The
// checkpoints along the way save through the pause menu, restart the program,
// continue through the main menu, compare what came back with what was saved
// and play on from the loaded game.
#include <cmath>
#include <string>
#include <vector>

#include "app/ActionId.h"
#include "engine/Camera.h"
#include "play/RoomId.h"
#include "script/StepIds.h"
#include "story/StoryDriver.h"
#include "story/StorySnapshot.h"

namespace story {

class StoryRoute {
public:
    explicit StoryRoute(StoryDriver& driver) : d(driver) {}

    // The whole story; false at the first missed milestone.
    bool playToTheEnd() {
        return beginning() && street() && garden() && fishPlace() && candle() && dog() && pumpkin() && shed() &&
               houseUpstairs() && goatPerson() && nightScene() && wayBack() && tunnel() && hall() && ending();
    }

    std::vector<std::string> checkpoints;

private:
    PlayScreen& p() { return d.play(); }
    bool has(int32_t action) {
        for (const std::unique_ptr<ActionEntry>& e : p().player.actions()) {
            if (e->actionId == action) return true;
        }
        return false;
    }
    bool exists(ObjectName name) { return p().world.worldList.containsSceneObject(objectName(name)); }
    SceneObject* object(ObjectName name) {
        for (SceneObject* o : p().world.worldList.objects()) {
            if (o->name == objectName(name)) return o;
        }
        return nullptr;
    }
    bool check(bool condition, const std::string& what) { return condition || d.fail(what); }
    // The steps a scene passed, against the chain it should follow.
    bool chain(const std::vector<int32_t>& expected, const std::string& what) {
        return check(d.stepsSeen == expected, what + " took the steps " + d.stepsText());
    }

    // Saves, quits, starts the program again, continues the saved game and
    // compares it with what was saved; play goes on from the loaded game.
    bool checkpoint(const std::string& name) {
        return d.milestone("checkpoint: " + name, [&] {
            if (!d.saveThroughPauseMenu()) return false;
            const StorySnapshot saved = takeSnapshot(p());
            if (!d.restart() || !d.continueSavedGame()) return false;
            const StorySnapshot loaded = takeSnapshot(p());
            const std::string differences = compareSnapshots(saved, loaded, kDt);
            if (!differences.empty()) return d.fail("the loaded game differs: " + differences);
            checkpoints.push_back(name);
            return d.playOut();
        });
    }

    // ---- the beginning --------------------------------------------------------

    bool beginning() {
        return d.milestone("new game through the intro", [&] {
                   if (!d.boot() || !d.newGameThroughIntro()) return false;
                   const int32_t c = d.costumeChosen();
                   return check(p().world.room == room::kStreet && p().story.costumeDeath == (c == kCostumeDeath) &&
                                    p().story.costumeGhost == (c == kCostumeGhost) &&
                                    p().story.costumeWerewolf == (c == kCostumeWerewolf),
                                "the new game wears the chosen costume");
               }) &&
               d.milestone("the controls learned", [&] { return learnControls(); });
    }

    // Looks and walks each way, then selects an action, a target and
    // executes, as the hints ask.
    bool learnControls() {
        TutorialHints& t = p().tutorial;
        struct Lesson {
            SDLKey key;
            bool TutorialHints::*learned;
        };
        const Lesson lessons[] = {
            {SDLK_DOWN, &TutorialHints::lookDownLearned},     {SDLK_LEFT, &TutorialHints::lookLeftLearned},
            {SDLK_UP, &TutorialHints::lookUpLearned},         {SDLK_RIGHT, &TutorialHints::lookRightLearned},
            {SDLK_w, &TutorialHints::walkForwardLearned},     {SDLK_a, &TutorialHints::walkLeftLearned},
            {SDLK_s, &TutorialHints::walkBackLearned},        {SDLK_d, &TutorialHints::walkRightLearned},
        };
        for (const Lesson& lesson : lessons) {
            d.hold(lesson.key, true);
            const bool learned = d.waitFor([&] { return t.*lesson.learned; }, 10, "a hint to learn");
            d.hold(lesson.key, false);
            if (!learned || !d.runFrames(3)) return false;
        }
        const Lesson presses[] = {{SDLK_1, &TutorialHints::actionSelectionLearned},
                                  {SDLK_2, &TutorialHints::targetSelectionLearned},
                                  {SDLK_3, &TutorialHints::executionLearned}};
        for (const Lesson& press : presses) {
            for (int i = 0; i < 40 && !(t.*press.learned); ++i) {
                if (!d.tap(press.key) || !d.runFrames(8)) return false;
            }
            if (!(t.*press.learned)) return d.fail("the hints did not take a press");
        }
        // The press that learned "execute" knocked on the player's own self.
        return d.playOut() && check(t.textFadeTarget == 0.0f || t.text.empty(), "the hints are done");
    }

    // ---- room 0, the street ----------------------------------------------------

    bool street() {
        return d.milestone("take the flower",
                           [&] {
                               return d.walkTo(3.9f, 8.3f) && d.actAndPlayOut(action::kTake, kObjFlower) &&
                                      check(p().story.flowerTaken && has(action::kUseFlower), "the flower in hand");
                           }) &&
               d.milestone("take the rock and the key under it",
                           [&] {
                               return d.walkTo(6.0f, 3.95f) && d.actAndPlayOut(action::kTake, kObjRock) &&
                                      check(has(action::kUseRock) && exists(kObjKey), "the key uncovered") &&
                                      d.actAndPlayOut(action::kTake, kObjKey) &&
                                      check(p().story.keyTaken, "the key in hand");
                           }) &&
               d.milestone("take the sleeping snake, a rope",
                           [&] {
                               return d.walkTo(10.0f, 1.9f) && d.actAndPlayOut(action::kTake, kObjSleepingSnake) &&
                                      check(p().story.ropeTaken && has(action::kUseRope), "the rope in hand");
                           }) &&
               d.milestone("take the broomstick",
                           [&] {
                               return d.walkTo(24.0f, 2.0f) && d.actAndPlayOut(action::kTake, kObjBroomstick) &&
                                      check(p().story.broomstickTaken, "the broomstick in hand");
                           }) &&
               d.milestone("take the followed leader's knife",
                           [&] {
                               return approachWalker(kObjKnife, 5.0f) && d.actAndPlayOut(action::kTake, kObjKnife) &&
                                      check(p().story.knifeTaken && has(action::kUseKnife), "the knife in hand");
                           }) &&
               d.milestone("open the lock",
                           [&] {
                               return d.walkTo(12.65f, 9.0f) && d.actAndPlayOut(action::kUseKey, kObjLock) &&
                                      check(p().story.lockOpened && !exists(kObjLock) && !has(action::kUseKey),
                                            "the lock open");
                           }) &&
               d.milestone("the broomstick in the crack",
                           [&] {
                               return d.walkTo(12.0f, 9.2f) && d.actAndPlayOut(action::kUseBroomstick, kObjCrack) &&
                                      check(p().story.broomstickInCrack && exists(kObjBroomstick), "the broomstick stands");
                           }) &&
               d.milestone("the bird statues wake", [&] { return wakeStatues(); }) &&
               d.milestone("monique takes the flower",
                           [&] {
                               return approachWalker(kObjMonique, 4.6f) &&
                               d.actAndPlayOut(action::kUseFlower, kObjMonique) &&
                                      chain({step::kMoniqueGasps, step::kMoniqueLaughs, step::kMoniqueDarkens,
                                             step::kHatDrops}, "monique's scene") &&
                                      check(p().story.moniqueHasFlower && !has(action::kUseFlower),
                                            "monique has the flower");
                           }) &&
               d.milestone("take monique's hat",
                           [&] {
                               SceneObject* hat = object(kObjHat);
                               return check(hat != nullptr, "the hat lies in the street") &&
                                      d.walkTo(hat->position.x, 5.0f) && d.actAndPlayOut(action::kTake, kObjHat) &&
                                      check(p().story.hatTaken && has(action::kUseHat), "the hat in hand");
                           }) &&
               d.milestone("the hat on the broomstick",
                           [&] {
                               return d.walkTo(12.1f, 9.2f) && d.actAndPlayOut(action::kUseHat, kObjBroomstick) &&
                                      check(p().story.hatOnBroomstick, "the scarecrow stands");
                           }) &&
               d.milestone("the bird statues leave",
                           [&] {
                               return d.walkUntil(25.0f, 5.0f, [&] { return p().story.birdStatuesLeft(); },
                                                  "the statues leaving") &&
                                      d.playOut() &&
                                      check(!exists(kObjLeftBirdStatue) && !exists(kObjRightBirdStatue),
                                            "the statues are gone");
                           }) &&
               checkpoint("after the statues") && d.milestone("through the wall into the garden", [&] {
                   return toGarden();
               });
    }

    bool toGarden() { return d.walkTo(12.65f, 9.2f) && d.walkIntoRoom(12.65f, 11.2f, 1); }
    bool toStreet() { return d.walkTo(12.65f, 11.2f) && d.walkIntoRoom(12.65f, 9.5f, 0, false); }

    // Walking into the wall's gap wakes the statues; their scene plays, and
    // afterwards they hold the player back.
    bool wakeStatues() {
        if (!d.walkTo(12.65f, 9.2f)) return false;
        d.stepsSeen.clear();
        if (!d.walkUntil(12.65f, 10.6f, [&] { return p().story.birdStatuesAwake(); }, "the statues waking",
                         false)) return false;
        if (!d.playOut() ||
            !chain({step::kCameraDrawsBack, step::kAfterStatuesWake, step::kTurnToRightStatue, step::kRightStatueDuty,
                    step::kLeftStatuePurpose, step::kRightStatueOnShow, step::kLeftStatueEnds, step::kStatuesDone},
                   "the statues' scene")) return false;
        if (!d.walkUntil(12.65f, 10.6f, [&] { return p().player.position.y >= 9.79f; }, "the statues' hold",
                         false) ||
            !d.runFrames(15)) {
            return false;
        }
        d.releaseAll();
        return check(p().player.position.y <= 9.8f && p().world.room == room::kStreet &&
                     p().world.pendingRoom == room::kNone,
                     "the statues hold the player at the wall");
    }

    // The procession walks toward -x: the player heads to where the walker
    // will be, in a lane of the street beside the walkers' own, until it is
    // within reach.
    bool approachWalker(ObjectName who, float laneY) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            SceneObject* walker = object(who);
            if (!walker) return d.fail(std::string(objectName(who)) + " is not in the street");
            const Vec3& at = p().player.position;
            const float ahead = 0.2f * std::hypot(walker->position.x - at.x, laneY - at.y);
            float x = walker->position.x - 1.0f - ahead;
            if (x < 1.0f) x += 30.0f;
            if (x > 29.0f) x -= 30.0f;
            if (!d.walkTo(x, laneY, 0.3f)) return false;
            const Vec3& now = object(who)->position;
            if (std::hypot(now.x - p().player.position.x, now.y - p().player.position.y) < 2.2f) return true;
        }
        return d.fail(std::string("could not catch up with ") + objectName(who));
    }

    // ---- room 1, the garden; room 2, the fish person's place ------------------

    bool garden() {
        return d.milestone("the rope tied to the pole", [&] {
            return d.walkTo(24.6f, 16.3f) && d.actAndPlayOut(action::kUseRope, kObjPole) &&
                   check(p().story.ropeOnPole && exists(kObjRope), "the rope hangs from the pole");
        });
    }

    // Down the rope from the pole and back up it, which leaves the player
    // by the well.
    bool downTheRope() {
        return d.walkTo(24.6f, 16.3f) && d.act(action::kAsk, kObjRope) && d.waitForRoom(room::kFishPond);
    }
    bool upTheRope() { return d.act(action::kAsk, kObjRope) && d.waitForRoom(room::kGarden); }
    bool takeACoin() {
        return d.walkTo(0.0f, -1.9f) && d.actAndPlayOut(action::kTake, kObjCoins) &&
               check(p().story.coinHeld && has(action::kUseCoin), "a coin in hand");
    }

    bool fishPlace() {
        return d.milestone("down the rope", [&] { return downTheRope(); }) &&
               d.milestone("the fish person's scene",
                           [&] {
                               return d.walkTo(0.0f, -1.9f) && d.actAndPlayOut(action::kAsk, kObjFishPerson) &&
                                      chain({step::kFishRises, step::kFishRipples, step::kFishSplashesUp,
                                             step::kFishFirstLine, step::kFishSecondLine, step::kFishThirdLine,
                                             step::kFishSinks, step::kFishSplashesDown, step::kFishBackInPond},
                                            "the fish person's scene");
                           }) &&
               d.milestone("take a coin", [&] { return takeACoin(); }) &&
               d.milestone("up the rope", [&] { return upTheRope(); });
    }

    // The coin buys a candle from the street's machine, and the homeless
    // skeleton lights it.
    bool candle() {
        return d.milestone("back to the street", [&] { return toStreet(); }) &&
               d.milestone("a candle from the machine",
                           [&] {
                               return d.walkTo(15.0f, 2.1f) && d.actAndPlayOut(action::kUseCoin, kObjCoinSlot) &&
                                      check(p().story.coinInserted && !has(action::kUseCoin), "the coin in the slot") &&
                                      d.actAndPlayOut(action::kKnockOn, kObjLeftSlider) &&
                                      check(p().story.candleDispensed() && exists(kObjCandle), "a candle dispensed") &&
                                      d.actAndPlayOut(action::kTake, kObjCandle) &&
                                      check(has(action::kUseCandle), "the candle in hand");
                           }) &&
               d.milestone("the skeleton lights the candle",
                           [&] {
                               return approachWalker(kObjHomelessSkeleton, 9.0f) &&
                                      d.actAndPlayOut(action::kUseCandle, kObjHomelessSkeleton) &&
                                      check(has(action::kUseLitCandle) && !has(action::kUseCandle), "the candle lit");
                           }) &&
               d.milestone("back into the garden", [&] { return toGarden(); }) &&
               d.milestone("a second coin",
                           [&] { return downTheRope() && takeACoin() && upTheRope(); }) &&
               d.milestone("a coin in the well", [&] {
                   return d.actAndPlayOut(action::kUseCoin, kObjWell) &&
                   check(p().story.coinInWell && !has(action::kUseCoin),
                                                                        "the coin in the well");
               });
    }

    // The dog's corner: the dog wakes and stands in the way until it has a
    // bone.
    bool dog() {
        return d.milestone("the dog wakes in its corner",
                           [&] {
                               if (!d.walkTo(11.0f, 20.0f) || !d.walkTo(11.0f, 24.8f)) return false;
                               d.stepsSeen.clear();
                               return d.walkUntil(13.5f, 24.8f, [&] { return p().script.scriptStep != step::kNone; },
                                                  "the dog waking") &&
                                      d.playOut() &&
                                      chain({step::kLayBoneDown, step::kDogCameraToBone, step::kDogCameraToDog,
                                             step::kDogGuards, step::kDogSceneEnds}, "the dog waking") &&
                                      check(p().story.bonePlaced && exists(kObjBone), "the bone lies by the dog house");
                           }) &&
               d.milestone("the dog gets the bone",
                           [&] {
                               return d.actAndPlayOut(action::kTake, kObjBone) &&
                               check(has(action::kUseBone), "the bone in hand") &&
                                      d.actAndPlayOut(action::kUseBone, kObjDog) &&
                                      chain({step::kDogBuriesBone, step::kDogBurialView, step::kDogBurialDarkens,
                                             step::kDogLiesContent}, "the dog's scene") &&
                                      check(p().story.dogGotBone && !exists(kObjDog), "the dog has gone with its bone");
                           }) &&
               checkpoint("after the dog scene");
    }

    // The big pumpkin stands on the steps to the house's door: carved four
    // times, lit, and asked, it goes.
    bool pumpkin() {
        return d.milestone("carve the big pumpkin",
                           [&] {
                               if (!d.walkTo(14.7f, 24.8f) || !d.walkTo(14.7f, 26.0f)) return false;
                               for (int cut = 1; cut <= 4; ++cut) {
                                   if (!d.actAndPlayOut(action::kUseKnife, kObjBigPumpkin)) return false;
                                   if (p().story.pumpkinStage() != cut) return d.fail("cut " + std::to_string(cut) + " failed");
                               }
                               return true;
                           }) &&
               d.milestone("light the big pumpkin",
                           [&] {
                               return d.actAndPlayOut(action::kUseLitCandle, kObjBigPumpkin) &&
                                      check(p().story.pumpkinStage() == 5 && !has(action::kUseLitCandle),
                                            "the pumpkin lit");
                           }) &&
               d.milestone("the big pumpkin leaves the steps", [&] {
                   return d.actAndPlayOut(action::kAsk, kObjBigPumpkin) &&
                   chain({step::kPumpkinGone}, "the pumpkin's going") &&
                          check(p().story.pumpkinStage() == 6 && !exists(kObjBigPumpkin), "the steps are free");
               });
    }

    // ---- room 3, the shed ------------------------------------------------------

    bool shed() {
        return d.milestone("into the shed",
                           [&] { return d.walkTo(-4.65f, 36.7f) && d.act(action::kAsk, kObjSpacedDoor) &&
                                d.waitForRoom(room::kShed); }) &&
               d.milestone("take the broom",
                           [&] {
                               return d.actAndPlayOut(action::kTake, kObjBroom) &&
                               check(p().story.broomTaken && has(action::kUseBroom),
                                                                                 "the broom in hand");
                           }) &&
               d.milestone("out of the shed",
                           [&] { return d.act(action::kAsk, kObjSpacedDoor) && d.waitForRoom(room::kGarden); });
    }

    // ---- rooms 4 and 6, the house ----------------------------------------------

    // From the garden up the steps to the porch, a knock, and in.
    bool intoTheHouse() {
        return d.walkTo(11.0f, 24.8f) && d.walkTo(14.7f, 24.8f) && d.walkTo(14.7f, 26.35f) &&
               d.walkStraight(12.5f, 26.35f) && d.walkStraight(12.5f, 28.4f) &&
               (p().story.doorKnocked ||
                (d.actAndPlayOut(action::kKnockOn, kObjDoor) && check(p().story.doorKnocked, "the door open"))) &&
               d.walkIntoRoom(12.5f, 30.2f, 4, false);
    }
    // From the hall up both flights of stairs; the upper floor is room 6.
    bool upstairs() {
        return d.walkTo(21.5f, 34.6f) && d.walkStraight(21.5f, 44.0f) && d.walkIntoRoom(10.45f, 43.55f, 6, false);
    }
    // From the upper floor down the stairs to the hall's floor.
    bool downstairs() {
        return d.walkTo(9.8f, 43.55f) && d.walkIntoRoom(13.0f, 43.55f, 4, false) && d.walkStraight(21.5f, 43.55f) &&
               d.walkStraight(21.5f, 35.0f);
    }
    bool toThePerson() { return d.walkTo(9.8f, 38.0f) && d.walkTo(11.94f, 31.4f); }

    bool houseUpstairs() {
        return d.milestone("into the house", [&] { return intoTheHouse(); }) &&
               d.milestone("up the stairs", [&] { return upstairs(); }) &&
               d.milestone("the person sees a trick",
                           [&] {
                               return toThePerson() && d.actAndPlayOut(action::kTrick, kObjPerson) &&
                                      chain({step::kPersonSeesYou, step::kYouPlayCostumeTrick, step::kPersonQuestion,
                                             step::kPersonAgrees, step::kPersonButSee, step::kPersonTrickFirst,
                                             step::kPersonDarkens, step::kPersonSceneEnds},
                                            "the person's first scene") &&
                                      check(p().story.personSawCostume() && !exists(kObjYou),
                                            "the person has seen the costume");
                           }) &&
               d.milestone("down the stairs", [&] { return downstairs(); }) &&
               d.milestone("the big painting opens",
                           [&] {
                               d.stepsSeen.clear();
                               return d.walkUntil(14.0f, 39.0f, [&] { return p().story.paintingOpened(); },
                                                  "the painting") &&
                                      d.playOut() &&
                                      chain({step::kPaintingSwings, step::kPaintingOpen}, "the painting's scene") &&
                                      check(object(kObjBigPainting) &&
                                                object(kObjBigPainting)->halfSize.x <= -999.0f,
                                            "the painting no longer bars the way");
                           });
    }

    // ---- room 5, behind the painting -------------------------------------------

    bool goatPerson() {
        return d.milestone("through the painting",
                           [&] { return d.walkIntoRoom(14.1f, 42.0f, 5) && d.walkStraight(14.1f, 42.3f); }) &&
               d.milestone("the goat person's greeting",
                           [&] {
                               return d.walkTo(19.7f, 43.4f) && d.actAndPlayOut(action::kAsk, kObjGoatPerson) &&
                                      chain({step::kGoatBoasts, step::kGoatCondition, step::kGoatBound},
                                            "the goat person's greeting") &&
                                      check(p().story.goatGreeted(), "the goat person greeted");
                           }) &&
               d.milestone("the dust swept away",
                           [&] {
                               return d.actAndPlayOut(action::kUseBroom, kObjDust) && check(!exists(kObjDust) &&
                                                                                        !has(action::kUseBroom) &&
                                                                                        p().story.dustStage() == 8,
                                                                                    "the dust gone");
                           }) &&
               d.milestone("the special trick learned",
                           [&] {
                               return d.actAndPlayOut(action::kAsk, kObjGoatPerson) &&
                                      chain({step::kGoatRises, step::kGoatRelief, step::kGoatHandsOver,
                                             step::kGoatTeaches, step::kGoatTeachingDarkens,
                                             step::kSpecialTrickLearned}, "the goat person's trick") &&
                                      check(p().story.specialTrickLearned && has(action::kUseSpecialTrick) &&
                                                !exists(kObjGoatPerson),
                                            "the special trick learned");
                           }) &&
               d.milestone("back to the hall", [&] { return d.walkIntoRoom(14.1f, 40.6f, 4); });
    }

    // ---- the night --------------------------------------------------------------

    bool nightScene() {
        return d.milestone("up the stairs again", [&] { return upstairs() && toThePerson(); }) &&
               checkpoint("in the house before the night scene") &&
               d.milestone("the night scene",
                           [&] {
                               if (!d.act(action::kUseSpecialTrick, kObjPerson) || !d.playOut(200.0f)) return false;
                               return chain({step::kTrickBegins, step::kTrickShimmers, step::kTrickUnfolds,
                                             step::kPersonFirstLaugh, step::kPersonSecondLaugh,
                                             step::kPersonFirstVerdict, step::kPersonSecondVerdict,
                                             step::kNoiseTakesOver, step::kRatAndGoatAppear, step::kSweepReveals,
                                             step::kGoatTeacher, step::kGoatLoan, step::kAfterGoatLoan,
                                             step::kGoatCompares, step::kAfterGoatCompares,
                                             step::kTeacherCameraTurns, step::kPersonPasses, step::kPersonLightsFade,
                                             step::kTrickFadesOut, step::kBeforeLateNight, step::kLateNightBegins,
                                             step::kDawnNear},
                                            "the night scene") &&
                                      check(p().story.nightAlmostOver && p().world.room == room::kUpperFloor &&
                                            !exists(kObjPerson) &&
                                                !has(action::kUseSpecialTrick) && !p().effects.noiseOverlay &&
                                                !p().effects.sweepEffect &&
                                                gCamera->fovy == kNormalFieldOfView,
                                            "the night is almost over");
                           }) &&
               checkpoint("in the house after the night scene") &&
               d.milestone("the letter read",
                           [&] {
                               return d.walkTo(11.19f, 39.7f) && d.actAndPlayOut(action::kTake, kObjLetter) &&
                                      chain({step::kLetterRead, step::kLetterUnfolds, step::kLetterBlowsAway,
                                             step::kLetterSceneEnds}, "the letter's scene") &&
                                      check(p().story.letterTaken && !exists(kObjLetter), "the letter taken");
                           }) &&
               d.milestone("take the treat", [&] {
                   return d.actAndPlayOut(action::kTake, kObjTreat) &&
                   check(p().story.treatTaken && has(action::kUseTreat),
                                                                      "the treat in hand");
               });
    }

    // ---- home through the garden and the street ------------------------------

    bool wayBack() {
        return d.milestone("down and out of the house",
                           [&] {
                               return downstairs() && d.walkTo(12.5f, 30.0f) &&
                                      d.walkIntoRoom(12.5f, 28.8f, 1, false);
                           }) &&
               d.milestone("down the porch and back to the street",
                           [&] {
                               return d.walkStraight(12.5f, 26.35f) && d.walkStraight(14.7f, 26.35f) &&
                                      d.walkStraight(14.7f, 24.8f) && d.walkTo(12.65f, 11.2f) &&
                                      d.walkIntoRoom(12.65f, 9.5f, 0, false);
                           }) &&
               d.milestone("the gate scene",
                           [&] {
                               return d.walkTo(6.2f, 5.0f) && d.actAndPlayOut(action::kKnockOn, kObjGate) &&
                                      chain({step::kGateAsked, step::kGateOpening, step::kGateWonders,
                                             step::kGateCreaksOpen, step::kGateCameraRises, step::kGateStandsOpen,
                                             step::kGateSceneEnds}, "the gate's scene") &&
                                      check(p().story.gateOpened() && !exists(kObjGate1), "the gate open");
                           }) &&
               d.milestone("through the gate", [&] { return d.walkIntoRoom(3.3f, 5.0f, 7); });
    }

    // ---- room 7, the tunnel and the hall ---------------------------------------

    bool tunnel() {
        d.extraBounds = [](float x, float y) { return x > -30.0f && x < 0.0f && y > tunnelPathLimit(x) - 0.05f; };
        return d.milestone("the tunnel opens",
                           [&] {
                               return d.walkUntil(-29.5f, 5.0f, [&] { return p().story.tunnelOpening() == 1.0f; },
                                                  "the tunnel opening") &&
                                      check(p().story.tunnelClosing() > 0.0f && !exists(kObjTunnelStart1) &&
                                                !p().story.tunnelRowList.empty(),
                                            "the tunnel open and closing");
                           }) &&
               checkpoint("in the tunnel, open") &&
               d.milestone("the tunnel walls go",
                           [&] {
                               return d.waitFor([&] { return p().story.tunnelClosing() >= 0.5f; }, 20, "the closing") &&
                                      check(!exists(kObjTunnelWall1) && !exists(kObjTunnelWall2), "the walls gone");
                           }) &&
               checkpoint("in the tunnel, closing") &&
               d.milestone("the tunnel closed", [&] {
                   return d.waitFor([&] { return p().story.tunnelClosing() >= 1.0f; }, 20, "the tunnel closing") &&
                          check(p().story.tunnelRowList.empty() && p().story.tunnelFloorList.empty(), "nothing left of the tunnel");
               });
    }

    bool hall() {
        return d.milestone("into the hall",
                           [&] {
                               return d.walkUntil(-12.05f, -3.0f, [&] { return p().story.hallReached(); },
                                                  "the hall") &&
                                      d.walkTo(-12.05f, -3.0f);
                           }) &&
               checkpoint("in the hall, the tunnel closed") &&
               d.milestone("held in the hall",
                           [&] {
                               return d.walkUntil(-12.05f, -1.0f, [&] { return p().answerPanel.isAnswerShowing(); },
                                                  "the warning") &&
                                      d.playOut() && check(p().player.position.y < -2.38571f, "pushed back in");
                           }) &&
               d.milestone("the eyes open",
                           [&] {
                               return d.walkUntil(-10.5f, -3.2f, [&] { return p().story.eyesOpening() > 0.0f; },
                                                  "the eyes") &&
                                      d.waitFor([&] { return p().story.eyesOpening() >= 1.0f; }, 10,
                                                "the eyes opening") &&
                                      check(exists(kObjEye1) && exists(kObjEye2), "two eyes");
                           }) &&
               d.milestone("the ending scene", [&] {
                   if (!d.walkTo(-12.0f, -3.0f) || !d.faceYaw(0.5f * kPi)) return false;
                   d.stepsSeen.clear();
                   if (!d.runFrames(2) ||
                       !check(p().script.scriptStep != step::kNone, "the ending scene starts")) return false;
                   return d.playOut(60.0f) &&
                   chain({step::kTimelyReturn, step::kFirstWarning, step::kSecondWarning, step::kThirdWarning,
                          step::kEndingHalfWay, step::kEndingFades, step::kShowEndingScreen, step::kEndingShown},
                         "the ending scene") &&
                          check(gGameState == kGameStateEnding, "the ending screen");
               });
    }

    bool ending() {
        return d.milestone("the ending's pages, back to the main menu", [&] {
            // Eighteen pages are turned by the player; the last, black one
            // leads to the main menu by itself.
            int turned = 0, last = 0;
            return d.readEnding(turned, last) &&
                   check(turned == 18 && last == 19, "turned " + std::to_string(turned) + " pages and saw page " +
                                                         std::to_string(last));
        });
    }

    StoryDriver& d;
};

}  // namespace story

#endif
