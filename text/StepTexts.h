#ifndef QUENDRALVOSS_TEXT_STEPTEXTS_H
#define QUENDRALVOSS_TEXT_STEPTEXTS_H

#include <cstdint>

// The lines and narration of the world script's scenes. StepTextsEn.cpp and
// StepTextsDe.cpp hold one text per id in the language of the build; every
// text fits the answer panel (at most four lines of at most 23 characters,
// the speaker's line included).
enum StepText : int32_t {
    kStpNoEffect,
    kStpNotASnake,
    kStpNearlyToppled,
    kStpStandsFirm,
    kStpNoAnswerComes,
    kStpWitchNo,
    kStpSkeletonGreetsGhost,
    kStpSkeletonGreetsWerewolf,
    kStpSkeletonAsksHow,
    kStpLeaderNoHeed,
    kStpMakesNoSense,
    kStpNoIdea,
    kStpNothingHeard,
    kStpMoniquePraises,
    kStpSkeletonRemembers,
    kStpSkeletonBeneath,
    kStpBurningSmell,
    kStpShadowGiggles,
    kStpCatMeows,
    kStpMoniqueLaughs,
    kStpRightStatueDuty,
    kStpLeftStatuePurpose,
    kStpRightStatueOnShow,
    kStpLeftStatueEnds,
    kStpRightStatueRejects,
    kStpLeftStatueGhost,
    kStpLeftStatueWerewolf,
    kStpLeftStatueDeath,
    kStpLeftStatueContent,
    kStpDogHeard,
    kStpSomethingEmpty,
    kStpFishInterest,
    kStpFishThrowIn,
    kStpFishTrade,
    kStpFishOneWord,
    kStpFishHmm,
    kStpFishChange,
    kStpFishPuzzled,
    kStpBallLostSight,
    kStpBallReassures,
    kStpGoatBoasts,
    kStpGoatCondition,
    kStpGoatAck,
    kStpGoatRelief,
    kStpGoatHandsOver,
    kStpPersonGreeting,
    kStpPersonRare1,
    kStpPersonRare2,
    kStpPersonLong,
    kStpPersonQuestion,
    kStpPersonAgrees,
    kStpPersonButSee,
    kStpPersonTrickFirst,
    kStpPersonLaugh1,
    kStpPersonLaugh2,
    kStpPersonVerdict1,
    kStpPersonVerdict2,
    kStpGoatTeacher,
    kStpGoatLoan,
    kStpGoatCompare,
    kStpDawnNear,
    kStpGateUrges,
    kStpGateWonders,
    kStpSpiderUndecided,
    kStpSpiderIgnores,
    kStpBatSleeps,
    kStpBatGuess,
    kStpBatStaysIn,
    kStpTimelyReturn,
    kStpWarning1,
    kStpWarning2,
    kStpWarning3,
    kStpNotSupposedTo,
    kStepTextCount
};

namespace text {
extern const char* const kStepTexts[kStepTextCount];
}  // namespace text

// The text of id in this build.
inline const char* stepText(StepText id) { return text::kStepTexts[id]; }

#endif
