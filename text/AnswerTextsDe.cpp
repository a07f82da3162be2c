#include "text/AnswerTexts.h"

// The action resolver's answers, German build. In the order of AnswerText.
// Umlauts and the sharp s are written as the capital of the base letter.
namespace text {

const char* const kAnswerTexts[] = {
    "du kommst nicht ran.",  // CantReach
    "wie das gemacht wird\nist unbekannt.",  // UnknownAction
    "das funktioniert\nnicht.",  // DoesntWork
    "das scheint keine\ngute idee zu sein.",  // NotAGoodIdea
    "sie scheint nicht\ninteressiert zu sein.",  // SheNotInterested
    "sie scheint nicht\ninteressiert zu sein.",  // ShadyCatNotInterested
    "tor scheint nicht\ninteressiert zu sein.",  // GateNotInterested
    "das kannst du nicht.",  // YouCant
    "...",  // Ellipsis
    "lieber nicht...",  // MaybeNot
    "vielleicht spAter.",  // MaybeLater
    "du hast das gefUhl,\ndass er fUr einen\nspeziellen anlass ist.",  // SpecialOccasion
    "du machst ein\ngespenstisches\ngerAusch.",  // SpookySound
    "du brUllst.",  // Roar
    "du erklArst hier zu\nsein um deren seele zu\nholen.",  // TakeTheirSoul
    "du kannst das spiel\nUber das pausenmenU\nverlassen. drUcke esc\noder den menU knopf.",  // ExitHint
    "sie ist nicht\nabgeschlossen. du\ngehst rein.",  // NotLockedEnter
    "sie ist nicht\nabgeschlossen. du\ngehst raus.",  // NotLockedExit
    "sie sind abgeschaltet.",  // OutOfService
    "er bewegt sich nicht.",  // DoesntMove
    "er hat sich bewegt,\neine kerze ausgespuckt\nund ist wieder\nzurUckgeschnappt.",  // DispensedCandle
    "er passt nicht.",  // DoesntFit
    "vom umtausch\nausgeschlossen.",  // NoRefunds
    "du hast eine mUnze\ngenommen.",  // TookOneCoin
    "du hast schon eine\nmUnze.",  // AlreadyHaveCoin
    "du hast die mUnze\neingeworfen.",  // InsertedCoin
    "sie ist durchgefallen.",  // FellThrough
    "das hast du schon.",  // AlreadyDid
    "du hast ihn doch\ngerade erst\nrausgenommen.",  // JustTookIt
    "du hast es weggelegt.",  // PutItAway
    "du hast sie weggelegt.",  // PutThemAway
    "er hat es gegessen.",  // AteIt
    "er hat sie gegessen.",  // AteThem
    "ist reingefallen.",  // ItFell
    "sind reingefallen.",  // TheyFell
    "es einfach so\nhineinzuwerfen scheint\nkeine gute idee zu\nsein.",  // ThrowingItIn
    "du erreichst den boden\nnicht.",  // CantReachBottom
    "es ist nur ein seil.",  // JustARope
    "da ist schon ein seil\ndran.",  // RopeInUse
    "sie klemmt. du kannst\nsie nicht bewegen.",  // Stuck
    "dafUr brauchst du das\nrichtige werkzeug.",  // NeedRightTool
    "sie sind zu schwer.",  // TooHeavy
    "der hut wUrde\nrunterfallen.",  // HatWouldFall
    "das wUrde die illusion\nzerstOren.",  // BreakIllusion
    "er wUrde umfallen.",  // WouldFallOver
    "du bist noch nicht\nfertig mit schnitzen.",  // NotDoneCarving
    "du bist fertig mit\nschnitzen.",  // DoneCarving
    "sie brennt nicht.",  // NotLit
    "da ist nichts drin.",  // NothingInIt
    "er hat schon welche.",  // AlreadyHasSome
    "es scheint bereits\ngenug zu sein.",  // EnoughAlready
    "du kannst sie nehmen.",  // CanTakeThem
    "du kOnntest es einfach\nnehmen.",  // CouldJustTake
    "da ist kein staub mehr\nauf dem tisch.",  // NoDustOnTable
    "du entfernst den staub\nvon dem tisch.",  // RemoveDust
    "sie wacht nicht auf.",  // DoesntWakeUp
    "spinne ist\nweggelaufen.",  // SpiderLeft
    "fledermaus schlAft.",  // BatAsleep
    "es gehOrt dir.",  // ItsYours
    "so einfach ist es\nnicht.",  // NotThatEasy
    "etwas:\n",  // SomethingSpeaks
    // Characters and narration.
    "fischmensch:\nhmmm... blubb.",  // FishHum
    "stationAre hexe:\nnein.",  // WitchCurtNo
    "das skelett weicht dir\nklappernd aus.",  // SkeletonDodges
    "die katze schnurrt\nleise und wissend.",  // CatPurrs
    "rechte vogelstatue:\nwir wissen es schon.\nwir wissen es immer.",  // RightStatueKnows
    "linke vogelstatue:\nwa-? ich habe nicht\ngeschlafen! gar nicht.",  // LeftStatueNotAsleep
    "du fragst dich selbst.\ndas tust du ohnehin\nstAndig.",  // AskYourself
    "person:\nmmm... ja. gut.",  // PersonMurmur
    "alte bleistiftskizzen\nseltsam gekleideter\nleute.",  // RoundDrawings
    "alte OlportrAts. einige\nstammen aus dem frUhen\n20. jahrhundert.",  // SmallPaintings
    "ein OlgemAlde, zu\nverblasst, um etwas\nzu erkennen.",  // BigPainting
    "alte fotos von leuten.\neinige stammen aus dem\nspAten 20. jahrhundert.",  // SmallPictures
    "ein altes sofortbild\neines hundes. hinten\nsteht 1993.",  // InstantPicture
    "ziegenmensch:\nwillkommen! leider hab\nich nichts sUSes fUr\ndich.",  // GoatNothingSweet
    "die hexe grummelt.",  // WitchGrumbles
    "monique:\nah, da bist du ja,\nmein liebes kind.",  // MoniqueGreets
    "verfolgter anfUhrer:\naus dem weg!",  // LeaderOutOfWay
    "heimatloses skelett:\nooh, ein geist! hallo,\nverwandte seele.",  // SkeletonGreetsGhost
    "heimatloses skelett:\nein werwolf! hallo,\nhaariger freund.",  // SkeletonGreetsWerewolf
    "heimatloses skelett:\nhallo.",  // SkeletonHello
    "rechte vogelstatue:\nwir kOnnen es kaum\nerwarten!",  // RightStatueCantWait
    "rechte vogelstatue:\nverzeih. wir mUssen\ndas tor bewachen.",  // RightStatueDuty
    "die linke vogelstatue\ngAhnt.",  // LeftStatueYawns
    "linke vogelstatue:\nes gibt ein rAtsel,\naber wie es beginnt,\nweiS ich nicht.",  // LeftStatueRiddle
    "vogelscheuche:\nich kUmmere mich\ndarum.",  // ScarecrowCare
    "mit einem spiegel\nkOnnte es klappen.",  // NeedMirror
    "normalerweise sind die\nrollen umgekehrt.",  // RolesReversed
    "spinne:\ndanke, aber ich finde\nmit der zeit selbst\neinen platz.",  // SpiderThanks
    "heimatloses skelett:\nich brauche ihn nicht\nmehr.",  // SkeletonNoUseForKey
    "monique:\nwie lieb, aber behalte\nes, mein schatz.",  // MoniqueDeclines
    "die hexe grummelt\nlaut.",  // WitchGrumblesLoudly
    "fischmensch:\nnein. blubb.",  // FishRefusal
    "der besen war etwas\nbesonderes. er ist\nnicht zu reparieren.",  // BroomBeyondRepair
    "rechte vogelstatue:\nwir haben keine zeit.",  // RightStatueNoTime
    "linke vogelstatue:\nnein, danke.",  // LeftStatueDeclines
    "du weiSt nicht, ob du\netwas getroffen hast.",  // CannotTellIfHit
    "rechte vogelstatue:\n...was?",  // RightStatueBaffled
    "du fUhlst dich\ngeschmeichelt.",  // GestureFlatters
    "rechte vogelstatue:\neine blume? fUr uns?\nwarum?",  // RightStatuePuzzled
    "linke vogelstatue:\ndanke, aber was sollen\nwir damit?",  // LeftStatueNoUseForFlower
    "monique:\nwie schOn! wir tragen\nden gleichen hut!",  // MoniqueSameHat
    "er sieht gut aus, aber\ner passt dir nicht.",  // HatWouldNotFitYou
    "sie hat schon einen\neigenen hut.",  // WitchHasHat
    "heimatloses skelett:\nschicker hut! aber er\npasst nicht auf meinen\nschAdel.",  // SkeletonHatWouldNotFit
    "rechte vogelstatue:\ndafUr haben wir keine\nzeit.",  // RightStatueNoTimeForThis
    "linke vogelstatue:\nsehr nett, aber nein,\ndanke.",  // LeftStatueDeclinesPolitely
    "du wUnschst dir, dass\nsich etwas Andert.",  // WishThingsChange
    "fischmensch:\nhmmm...? blubb?",  // FishDoubtfulHum
    "ziegenmensch:\ndas ist es nicht, was\nmich bekUmmert.",  // GoatNotTroubled
    "heimatloses skelett:\ndie brauche ich nicht.",  // SkeletonNoNeedForCoin
    "heimatloses skelett:\nwarte, ich zUnde sie\ndir an.",  // SkeletonLightsCandle
    "heimatloses skelett:\nsie brennt doch noch.",  // SkeletonStillBurning
    "fledermaus:\nhOr bitte auf damit.",  // BatStop
    "ziegenmensch:\nah, ein guter besen.\nso gefAllt mir das.",  // GoatApprovesBroom
    "du zOgerst. es fUhlt\nsich noch nicht\nrichtig an.",  // DustNotYet
    "die hexe winkt\nunwirsch ab.",  // WitchWavesOff
    "monique:\noh je! nimm das weg,\nkind.",  // MoniqueDismayed
    "heimatloses skelett:\nder ist nicht von mir.",  // SkeletonNotHisBone
};

static_assert(sizeof(kAnswerTexts) / sizeof(kAnswerTexts[0]) == kAnswerTextCount, "one text for every answer id");

}  // namespace text
