#include "text/AnswerTexts.h"

// The action resolver's answers, English build. In the order of AnswerText.
namespace text {

const char* const kAnswerTexts[] = {
    "you can't reach it.",  // CantReach
    "how to do this\nis unknown.",  // UnknownAction
    "this doesn't work.",  // DoesntWork
    "this doesn't seem like\na good idea.",  // NotAGoodIdea
    "she doesn't seem\ninterested.",  // SheNotInterested
    "shady cat doesn't seem\ninterested.",  // ShadyCatNotInterested
    "gate doesn't seem\ninterested.",  // GateNotInterested
    "you can't.",  // YouCant
    "...",  // Ellipsis
    "maybe not...",  // MaybeNot
    "maybe later.",  // MaybeLater
    "you feel like this is\nonly for a special\noccasion.",  // SpecialOccasion
    "you make a spooky\nsound.",  // SpookySound
    "you roar.",  // Roar
    "you explain that you\nare here to take their\nsoul.",  // TakeTheirSoul
    "you can exit this game\nusing the pause menu.\npress the escape key\nor the menu button.",  // ExitHint
    "it's not locked.\nyou enter.",  // NotLockedEnter
    "it's not locked.\nyou exit.",  // NotLockedExit
    "it's out of service.",  // OutOfService
    "it doesn't move.",  // DoesntMove
    "it moved,\ndispensed a candle\nand snapped back.",  // DispensedCandle
    "it doesn't fit.",  // DoesntFit
    "no refunds.",  // NoRefunds
    "you took one coin.",  // TookOneCoin
    "you already have a\ncoin.",  // AlreadyHaveCoin
    "you inserted the coin.",  // InsertedCoin
    "it fell through.",  // FellThrough
    "you already did.",  // AlreadyDid
    "you just took it.",  // JustTookIt
    "you put it away.",  // PutItAway
    "you put them away.",  // PutThemAway
    "he ate it.",  // AteIt
    "he ate them.",  // AteThem
    "it fell.",  // ItFell
    "they fell.",  // TheyFell
    "throwing it in just\nlike that doesn't seem\nlike a good idea.",  // ThrowingItIn
    "you can't reach the\nbottom.",  // CantReachBottom
    "it's just a rope.",  // JustARope
    "there's already a rope\nin use.",  // RopeInUse
    "it's stuck.\nyou can't move it.",  // Stuck
    "you need the right\ntool for this.",  // NeedRightTool
    "they're too heavy.",  // TooHeavy
    "the hat would fall\ndown.",  // HatWouldFall
    "this would break the\nillusion.",  // BreakIllusion
    "it would fall over.",  // WouldFallOver
    "you are not done\ncarving.",  // NotDoneCarving
    "you are done carving.",  // DoneCarving
    "it's not lit.",  // NotLit
    "there's nothing in it.",  // NothingInIt
    "it already has some.",  // AlreadyHasSome
    "this seems to be\nenough already.",  // EnoughAlready
    "you can take them.",  // CanTakeThem
    "you could just take\nit.",  // CouldJustTake
    "there is no dust on\nthis table.",  // NoDustOnTable
    "you remove the dust\nfrom the table.",  // RemoveDust
    "it doesn't wake up.",  // DoesntWakeUp
    "spider left.",  // SpiderLeft
    "bat is asleep.",  // BatAsleep
    "it's yours.",  // ItsYours
    "it's not that easy.",  // NotThatEasy
    "something:\n",  // SomethingSpeaks
    // Characters and narration.
    "fish person:\nhmmm... blub.",  // FishHum
    "stationary witch:\nno.",  // WitchCurtNo
    "the skeleton rattles\naside and dodges you.",  // SkeletonDodges
    "the cat purrs, low and\nknowing.",  // CatPurrs
    "right bird statue:\nwe know already.\nwe always know.",  // RightStatueKnows
    "left bird statue:\nwha-? i was not\nasleep! not at all.",  // LeftStatueNotAsleep
    "you ask yourself again.\nyou keep doing that\nanyway.",  // AskYourself
    "person:\nmmm... yes. good.",  // PersonMurmur
    "old pencil sketches of\noddly dressed people.",  // RoundDrawings
    "old oil portraits.\nsome date from the\nearly 1900s.",  // SmallPaintings
    "an oil painting, too\nfaded to make out.",  // BigPainting
    "old photographs of\npeople. some date from\nthe late 1900s.",  // SmallPictures
    "an old instant photo\nof a dog. on its back:\n1993.",  // InstantPicture
    "goat person:\nwelcome! sadly i have\nnothing sweet for you.",  // GoatNothingSweet
    "the witch grumbles.",  // WitchGrumbles
    "monique:\nah, there you are, my\ndear child.",  // MoniqueGreets
    "followed leader:\nout of my way!",  // LeaderOutOfWay
    "homeless skeleton:\nooh, a ghost! hello,\nfellow spirit.",  // SkeletonGreetsGhost
    "homeless skeleton:\na werewolf! hello,\nhairy friend.",  // SkeletonGreetsWerewolf
    "homeless skeleton:\nhello.",  // SkeletonHello
    "right bird statue:\nwe can hardly wait!",  // RightStatueCantWait
    "right bird statue:\nsorry. our duty is to\nwatch the gate.",  // RightStatueDuty
    "the left bird statue\nyawns.",  // LeftStatueYawns
    "left bird statue:\nthere is a riddle, but\ni forgot how it begins.",  // LeftStatueRiddle
    "scarecrow:\ni will take care of it.",  // ScarecrowCare
    "it might work if you\nhad a mirror.",  // NeedMirror
    "normally the roles are\nthe other way around.",  // RolesReversed
    "spider:\nthank you, but i will\nfind a place of my own\nin time.",  // SpiderThanks
    "homeless skeleton:\ni have no use for it\nanymore.",  // SkeletonNoUseForKey
    "monique:\noh, that is sweet, but\nkeep it, dear.",  // MoniqueDeclines
    "the witch grumbles\nloudly.",  // WitchGrumblesLoudly
    "fish person:\nno. blub.",  // FishRefusal
    "the broom was special.\nit is beyond repair.",  // BroomBeyondRepair
    "right bird statue:\nwe have no time.",  // RightStatueNoTime
    "left bird statue:\nno, thank you.",  // LeftStatueDeclines
    "you cannot tell whether\nit connected.",  // CannotTellIfHit
    "right bird statue:\n...what?",  // RightStatueBaffled
    "the gesture flatters\nyou.",  // GestureFlatters
    "right bird statue:\na flower? for us? why?",  // RightStatuePuzzled
    "left bird statue:\nthank you, but what\nwould we do with it?",  // LeftStatueNoUseForFlower
    "monique:\nhow lovely! we wear\nthe same hat!",  // MoniqueSameHat
    "it looks good, but it\nwould not fit you.",  // HatWouldNotFitYou
    "she already has a hat\nof her own.",  // WitchHasHat
    "homeless skeleton:\nnice hat! but it would\nnot fit my skull.",  // SkeletonHatWouldNotFit
    "right bird statue:\nwe have no time for\nthis.",  // RightStatueNoTimeForThis
    "left bird statue:\nthat is kind, but no,\nthank you.",  // LeftStatueDeclinesPolitely
    "you make a wish that\nthings might change.",  // WishThingsChange
    "fish person:\nhmmm...? blub?",  // FishDoubtfulHum
    "goat person:\nthat is not what\ntroubles me.",  // GoatNotTroubled
    "homeless skeleton:\ni do not need it.",  // SkeletonNoNeedForCoin
    "homeless skeleton:\nlet me light it for\nyou.",  // SkeletonLightsCandle
    "homeless skeleton:\nit is still burning.",  // SkeletonStillBurning
    "bat:\nplease stop that.",  // BatStop
    "goat person:\nah, a good broom.\ni approve.",  // GoatApprovesBroom
    "you hesitate. it does\nnot seem right yet.",  // DustNotYet
    "the witch waves you\noff impatiently.",  // WitchWavesOff
    "monique:\noh dear! take that\naway, child.",  // MoniqueDismayed
    "homeless skeleton:\nthat one is not mine.",  // SkeletonNotHisBone
};

static_assert(sizeof(kAnswerTexts) / sizeof(kAnswerTexts[0]) == kAnswerTextCount, "one text for every answer id");

}  // namespace text
