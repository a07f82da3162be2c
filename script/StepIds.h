#ifndef QUENDRALVOSS_SCRIPT_STEPIDS_H
#define QUENDRALVOSS_SCRIPT_STEPIDS_H

#include <cstdint>

namespace step {

// The world script's steps by what they do, scene by scene (script/steps/).
// The numbers are saved with the game, so each name keeps its number.
enum StepId : int32_t {
    kNone = -1,  // no step waits; a chain ends here

    // Short answers: the narrator's one-line replies, the witch, the lock.
    kNoEffect = 1,
    kNotASnake = 2,
    kNearlyToppled = 3,
    kStandsFirm = 4,
    kNoAnswerComes = 5,
    kWitchAnswers = 6,
    kLeaderTakesNoHeed = 8,
    kLockOpens = 14,

    // The homeless skeleton.
    kSkeletonGreets = 7,
    kNoIdeaHow = 11,
    kSkeletonRemembers = 13,
    kSmellRises = 15,
    kBurningSmell = 16,
    kSkeletonBeneath = 40,
    kCandleLit = 42,

    // The something.
    kMakesNoSense = 9,
    kNothingHeard = 12,
    kSomethingFirstSilence = 49,
    kSomethingSecondSilence = 50,
    kSomethingThirdSilence = 51,
    kStreetMusicReturns = 144,

    // Monique.
    kMoniquePraises = 10,
    kMoniqueGasps = 25,
    kMoniqueLaughs = 26,
    kMoniqueDarkens = 27,
    kHatDrops = 28,

    // The shady cat.
    kCatCloseUp = 17,
    kCatStirs = 18,
    kShadowGiggles = 19,
    kCatDarkens = 20,
    kCatCloseUpEnds = 21,
    kCatLooksUp = 22,
    kCatMeowsInCloseUp = 23,
    kCatMeows = 24,
    kCatEyeGlows = 29,

    // The bird statues.
    kCameraDrawsBack = 30,
    kAfterStatuesWake = 31,
    kTurnToRightStatue = 32,
    kRightStatueDuty = 33,
    kLeftStatuePurpose = 34,
    kRightStatueOnShow = 35,
    kLeftStatueEnds = 36,
    kStatuesDone = 37,
    kRightStatueRejects = 38,
    kLeftStatueVerdict = 39,
    kLeftStatueContent = 41,

    // The dog.
    kDogCameraToBone = 43,
    kDogCameraToDog = 44,
    kDogGuards = 45,
    kDogSceneEnds = 46,
    kLayBoneDown = 47,
    kDogBarks = 48,
    kDogSettles = 52,
    kDogBuriesBone = 53,
    kDogBurialView = 54,
    kDogBurialDarkens = 55,
    kDogLiesContent = 56,

    // The big pumpkin and the door.
    kPumpkinCutSettles = 57,
    kPumpkinGone = 58,
    kDoorGivesWay = 59,

    // The fish person.
    kFishRises = 60,
    kFishFirstLine = 61,
    kFishSinks = 62,
    kFishBackInPond = 63,
    kFishRipples = 64,
    kFishSplashesUp = 65,
    kFishSplashesDown = 66,
    kFishSecondLine = 67,
    kFishThirdLine = 68,
    kFishPuzzled = 69,

    // The big painting, the crystal ball and the dust.
    kPaintingSwings = 70,
    kPaintingOpen = 71,
    kCrystalBallSpeaks = 72,
    kDustBlows = 73,
    kBroomPutDown = 74,

    // The goat person.
    kGoatBoasts = 75,
    kGoatCondition = 76,
    kGoatBound = 77,
    kGoatAcknowledges = 78,
    kGoatRises = 79,
    kGoatRelief = 80,
    kGoatHandsOver = 81,
    kGoatTeachingDarkens = 82,
    kSpecialTrickLearned = 83,
    kGoatTeaches = 84,

    // The person upstairs.
    kPersonGreeting = 85,
    kPersonRareFirst = 86,
    kPersonRareSecond = 87,
    kPersonLong = 88,
    kPersonQuestion = 89,
    kPersonAgrees = 90,
    kPersonButSee = 91,
    kPersonTrickFirst = 92,
    kPersonSeesYou = 93,
    kYouPlayCostumeTrick = 94,
    kPersonDarkens = 95,
    kPersonSceneEnds = 96,

    // The special trick, up to the late night.
    kTrickBegins = 97,
    kTrickShimmers = 98,
    kTrickUnfolds = 99,
    kPersonSecondLaugh = 100,
    kPersonFirstVerdict = 101,
    kPersonSecondVerdict = 102,
    kTrickFadesOut = 103,
    kRatAndGoatAppear = 104,
    kGoatLoan = 105,
    kTeacherCameraTurns = 106,
    kLateNightBegins = 107,
    kPersonFirstLaugh = 108,
    kAfterGoatLoan = 109,
    kNoiseTakesOver = 110,
    kGoatTeacher = 111,
    kGoatCompares = 112,
    kAfterGoatCompares = 113,
    kPersonPasses = 114,
    kSweepReveals = 115,
    kPersonLightsFade = 116,
    kBeforeLateNight = 117,
    kDawnNear = 118,

    // The letter.
    kLetterRead = 119,
    kLetterUnfolds = 120,
    kLetterBlowsAway = 121,
    kLetterSceneEnds = 122,

    // The gate.
    kGateAsked = 123,
    kGateOpening = 124,
    kGateWonders = 125,
    kGateCreaksOpen = 126,
    kGateStandsOpen = 127,
    kGateSceneEnds = 128,
    kGateCameraRises = 129,

    // The spider and the bat.
    kSpiderUndecided = 130,
    kSpiderDone = 131,
    kSpiderIgnores = 132,
    kBatGuesses = 133,
    kBatStaysIn = 134,
    kBatDone = 135,

    // The return home and the ending.
    kTimelyReturn = 136,
    kFirstWarning = 137,
    kSecondWarning = 138,
    kThirdWarning = 139,
    kEndingHalfWay = 140,
    kEndingFades = 141,
    kShowEndingScreen = 142,
    kEndingShown = 143,
};

// The highest step number.
const int32_t kLastStep = kStreetMusicReturns;

}  // namespace step

#endif
