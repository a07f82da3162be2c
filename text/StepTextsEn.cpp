#include "text/StepTexts.h"

// The scenes' lines, English build. In the order of StepText.
namespace text {

const char* const kStepTexts[] = {
    "nothing happens.",  // NoEffect
    "it was not a snake\nafter all.",  // NotASnake
    "it nearly toppled.",  // NearlyToppled
    "it stands firm.",  // StandsFirm
    "no answer comes.",  // NoAnswerComes
    "stationary witch:\nno.",  // WitchNo
    "homeless skeleton:\nah, a fellow spirit.\nwelcome.",  // SkeletonGreetsGhost
    "homeless skeleton:\ngood evening, wolf.\nkeep your teeth off me.",  // SkeletonGreetsWerewolf
    "homeless skeleton:\nhow did you find me\nhere?",  // SkeletonAsksHow
    "the followed leader\npays no heed.",  // LeaderNoHeed
    "that makes no sense\nhere.",  // MakesNoSense
    "you have no idea.",  // NoIdea
    "nothing could be heard\nor felt.",  // NothingHeard
    "monique:\nwhat a lovely costume.",  // MoniquePraises
    "homeless skeleton:\ni remember you too.\nin more ways than one.",  // SkeletonRemembers
    "homeless skeleton:\nwe all lie under\nsomething.",  // SkeletonBeneath
    "something smells\nburnt.",  // BurningSmell
    "shadow:\nhee hee. broken again.\nonce again.",  // ShadowGiggles
    "shady cat:\nmeow.",  // CatMeows
    "monique:\nha ha, for me?\nhow sweet of you.",  // MoniqueLaughs
    "right bird statue:\nsorry, we guard this\nway. it is our duty.",  // RightStatueDuty
    "left bird statue:\nwe stand here still,\nit is our purpose.",  // LeftStatuePurpose
    "right bird statue:\nwe stand on show\nby night and day.",  // RightStatueOnShow
    "left bird statue:\nand none may pass\nwhile we hold sway.",  // LeftStatueEnds
    "right bird statue:\nnice try. no.",  // RightStatueRejects
    "left bird statue:\nboo.",  // LeftStatueGhost
    "left bird statue:\ncaw!",  // LeftStatueWerewolf
    "left bird statue:\ni am not sure i\nhave one.",  // LeftStatueDeath
    "left bird statue:\ni like it here.",  // LeftStatueContent
    "the dog barks.",  // DogHeard
    "something:\n",  // SomethingEmpty
    "fish person:\nwhy would you care\nabout us?",  // FishInterest
    "fish person:\nthey throw things in\nto wish for change.",  // FishThrowIn
    "fish person:\nyou want to trade,\ni guess.",  // FishTrade
    "fish person:\nyes.",  // FishOneWord
    "fish person:\nhmm...",  // FishHmm
    "fish person:\nand what change do\nyou wish for?",  // FishChange
    "fish person:\nhm?",  // FishPuzzled
    "crystal ball:\ni have lost sight\nof you.",  // BallLostSight
    "crystal ball:\ndo not worry.\nall is well.",  // BallReassures
    "goat person:\ni know so many\ntricks.",  // GoatBoasts
    "goat person:\ni would share one,\nbut not for free.",  // GoatCondition
    "goat person:\nvery well.",  // GoatAck
    "goat person:\nah, finally.\nwhat a relief.",  // GoatRelief
    "goat person:\nas promised, here\nis my trick.",  // GoatHandsOver
    "person:\ngood evening.",  // PersonGreeting
    "person:\nit has been a while\nsince anyone",  // PersonRare1
    "person:\ncame up here to\nvisit me...",  // PersonRare2
    "person:\n...so very long.",  // PersonLong
    "person:\ntrick or treat,\nyou say?",  // PersonQuestion
    "person:\nwell... alright.",  // PersonAgrees
    "person:\nbut first i want\nto see something.",  // PersonButSee
    "person:\nshow me your trick\nfirst.",  // PersonTrickFirst
    "person:\nhe.",  // PersonLaugh1
    "person:\nhe he he.",  // PersonLaugh2
    "person:\nnow that was...",  // PersonVerdict1
    "person:\n...a real trick.",  // PersonVerdict2
    "goat person:\ni had a great\nteacher.",  // GoatTeacher
    "goat person:\nbut the trick was\nonly on loan.",  // GoatLoan
    "goat person:\nnot so different\nfrom yours.",  // GoatCompare
    "dawn is near.\ntime to head home.",  // DawnNear
    "gate:\ngo on, hurry.",  // GateUrges
    "gate:\nwhy are you still\naround?",  // GateWonders
    "spider:\nhere or there?\ni cannot decide.",  // SpiderUndecided
    "the spider ignores\nyou.",  // SpiderIgnores
    "the bat sleeps.",  // BatSleeps
    "bat:\neek! a ghost?",  // BatGuess
    "bat:\ni'm staying in tonight.\ntoo many monsters.",  // BatStaysIn
    "you are back home,\njust in time.",  // TimelyReturn
    "remember, never",  // Warning1
    "leave home alone\nat night.",  // Warning2
    "your parents would\nnot approve.",  // Warning3
    "you're not\nsupposed to.",  // NotSupposedTo
};
static_assert(sizeof(kStepTexts) / sizeof(kStepTexts[0]) == kStepTextCount, "one text per id");

}  // namespace text
