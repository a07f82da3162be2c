#include "text/StepTexts.h"

// The scenes' lines, German build. In the order of StepText.
namespace text {

const char* const kStepTexts[] = {
    "nichts geschieht.",  // NoEffect
    "es war doch keine\nschlange.",  // NotASnake
    "er wAre fast\numgefallen.",  // NearlyToppled
    "er steht felsenfest.",  // StandsFirm
    "es kommt keine antwort.",  // NoAnswerComes
    "stationAre hexe:\nnein.",  // WitchNo
    "heimatloses skelett:\nah, ein geist wie ich.\nwillkommen.",  // SkeletonGreetsGhost
    "heimatloses skelett:\nguten abend, wolf.\nzAhne weg von meinen\nknochen.",  // SkeletonGreetsWerewolf
    "heimatloses skelett:\nwie hast du mich\nhier gefunden?",  // SkeletonAsksHow
    "der verfolgte anfUhrer\nbeachtet dich nicht.",  // LeaderNoHeed
    "das ergibt hier\nkeinen sinn.",  // MakesNoSense
    "du hast keine ahnung.",  // NoIdea
    "nichts war zu hOren\noder zu spUren.",  // NothingHeard
    "monique:\nwas fUr ein schOnes\nkostUm.",  // MoniquePraises
    "heimatloses skelett:\nich erinnere mich auch\nan dich. in mehr als\neiner hinsicht.",  // SkeletonRemembers
    "heimatloses skelett:\nwir liegen alle unter\nirgendwas.",  // SkeletonBeneath
    "es riecht verbrannt.",  // BurningSmell
    "schatten:\nhihi. wieder kaputt.\nschon wieder.",  // ShadowGiggles
    "verdAchtige katze:\nmiau.",  // CatMeows
    "monique:\nhaha, fUr mich?\nwie sUS von dir.",  // MoniqueLaughs
    "rechte vogelstatue:\nverzeih, wir hUten\nhier den weg. das ist\nunsere pflicht.",  // RightStatueDuty
    "linke vogelstatue:\nwir stehen still,\ndas ist unser zweck.",  // LeftStatuePurpose
    "rechte vogelstatue:\nwir stehen zur schau\nbei tag und nacht.",  // RightStatueOnShow
    "linke vogelstatue:\nund keiner darf vorbei,\ndenn wir halten wacht.",  // LeftStatueEnds
    "rechte vogelstatue:\nnetter versuch. nein.",  // RightStatueRejects
    "linke vogelstatue:\nbuh.",  // LeftStatueGhost
    "linke vogelstatue:\nkrah!",  // LeftStatueWerewolf
    "linke vogelstatue:\nich weiS nicht, ob\nich eine habe.",  // LeftStatueDeath
    "linke vogelstatue:\nmir gefAllt es hier.",  // LeftStatueContent
    "der hund bellt.",  // DogHeard
    "etwas:\n",  // SomethingEmpty
    "fischmensch:\nwas kUmmern wir dich?",  // FishInterest
    "fischmensch:\nsie werfen dinge hinein\nund wUnschen sich\nverAnderung.",  // FishThrowIn
    "fischmensch:\ndu willst tauschen,\nnehme ich an.",  // FishTrade
    "fischmensch:\nja.",  // FishOneWord
    "fischmensch:\nhmm...",  // FishHmm
    "fischmensch:\nund was soll sich\nfUr dich Andern?",  // FishChange
    "fischmensch:\nhm?",  // FishPuzzled
    "kristallkugel:\nich sehe dich\nnicht mehr.",  // BallLostSight
    "kristallkugel:\nsorge dich nicht.\nalles ist gut.",  // BallReassures
    "ziegenmensch:\nich kenne so viele\ntricks.",  // GoatBoasts
    "ziegenmensch:\neinen wUrde ich dir\nabgeben, aber nicht\numsonst.",  // GoatCondition
    "ziegenmensch:\nna gut.",  // GoatAck
    "ziegenmensch:\nah, endlich.\nwelch erleichterung.",  // GoatRelief
    "ziegenmensch:\nwie versprochen,\nhier ist mein trick.",  // GoatHandsOver
    "person:\nguten abend.",  // PersonGreeting
    "person:\nes ist lange her,\ndass jemand",  // PersonRare1
    "person:\nhier oben war,\num mich zu besuchen...",  // PersonRare2
    "person:\n...so unendlich lange.",  // PersonLong
    "person:\nsUSes oder saures,\nsagst du?",  // PersonQuestion
    "person:\nnun... also gut.",  // PersonAgrees
    "person:\naber erst will ich\netwas sehen.",  // PersonButSee
    "person:\nzeig mir zuerst\ndeinen trick.",  // PersonTrickFirst
    "person:\nhe.",  // PersonLaugh1
    "person:\nhe he he.",  // PersonLaugh2
    "person:\ndas war...",  // PersonVerdict1
    "person:\n...ein echter trick.",  // PersonVerdict2
    "ziegenmensch:\nich hatte einen\ngroSen lehrer.",  // GoatTeacher
    "ziegenmensch:\ndoch der trick war\nnur geliehen.",  // GoatLoan
    "ziegenmensch:\ngar nicht so anders\nals deiner.",  // GoatCompare
    "der morgen naht.\nzeit, heimzugehen.",  // DawnNear
    "tor:\nlos, beeil dich.",  // GateUrges
    "tor:\nwarum bist du\nnoch hier?",  // GateWonders
    "spinne:\nhier oder dort?\nich kann mich nicht\nentscheiden.",  // SpiderUndecided
    "die spinne beachtet\ndich nicht.",  // SpiderIgnores
    "die fledermaus schlAft.",  // BatSleeps
    "fledermaus:\niek! ein geist?",  // BatGuess
    "fledermaus:\nich bleibe heute drin.\nzu viele monster.",  // BatStaysIn
    "du bist wieder daheim,\ngerade noch\nrechtzeitig.",  // TimelyReturn
    "denk daran, niemals",  // Warning1
    "nachts allein das\nhaus zu verlassen.",  // Warning2
    "deine eltern wUrden\ndas nicht gutheiSen.",  // Warning3
    "du solltest nicht.",  // NotSupposedTo
};
static_assert(sizeof(kStepTexts) / sizeof(kStepTexts[0]) == kStepTextCount, "one text per id");

}  // namespace text
