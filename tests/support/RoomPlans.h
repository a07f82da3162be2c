#ifndef QUENDRALVOSS_TESTS_ROOMPLANS_H
#define QUENDRALVOSS_TESTS_ROOMPLANS_H

// The named records of rooms 1 to 7, in creation order and in both
// languages, under the flag combinations their contents vary on; shared by
// the English and the German room tests.
#include <cstdint>
#include <string>
#include <vector>

#include "play/PlayScreen.h"
#include "support/Room0Plan.h"

#include <gtest/gtest.h>

namespace playtest {

struct NamedRow {
    const char* en;
    const char* de;
    int32_t mesh;  // -1: the blank mesh
};

struct RoomCase {
    const char* what;
    int32_t room;
    void (*flags)(PlayScreen& p);  // on top of a new game's state
    std::vector<NamedRow> rows;
};

inline void noFlags(PlayScreen&) {}
inline void lateNight(PlayScreen& p) {
    p.story.nightAlmostOver = true;
    p.story.ropeOnPole = true;
}
inline void gardenLater(PlayScreen& p) {
    p.story.bonePlaced = true;
    p.story.ropeOnPole = true;
    p.story.doorKnocked = true;
    p.story.storyCount33 = 5;
}
inline void dogFed(PlayScreen& p) {
    p.story.bonePlaced = true;
    p.story.boneTaken = true;
    p.story.dogGotBone = true;
    p.story.storyCount33 = 7;
}
inline void broomTaken(PlayScreen& p) { p.story.broomTaken = true; }
inline void paintingOpen(PlayScreen& p) { p.story.storyFlag37 = true; }
inline void trickLearned(PlayScreen& p) {
    p.story.specialTrickLearned = true;
    p.story.storyCount40 = 1;
}
inline void lateLettersTaken(PlayScreen& p) {
    p.story.nightAlmostOver = true;
    p.story.letterTaken = true;
}
inline void tunnelOpen(PlayScreen& p) {
    p.story.storyValue49 = 1.0f;
    p.story.storyValue50 = 0.5f;
    p.story.storyValue52 = 1.0f;
}
inline void eyesOpening(PlayScreen& p) {
    p.story.storyValue49 = 2.0f;
    p.story.storyValue50 = 1.0f;
    p.story.storyValue52 = 0.5f;
}

const NamedRow kDogHouse = {"dog house", "hundehUtte", 100};
const NamedRow kWell = {"well", "brunnen", 106};
const NamedRow kPole = {"pole", "pfosten", 108};
const NamedRow kShedDoor = {" door ", " tUr ", -1};
const NamedRow kHouseDoor = {"door", "tUr", 141};
const NamedRow kSpider = {"spider", "spinne", 213};
const NamedRow kTable = {"table", "tisch", 177};
const NamedRow kBat = {"bat", "fledermaus", 214};
const NamedRow kEquipment = {"medical equipment", "medizinische gerAte", 188};
const NamedRow kSpacedChair = {" chair ", " stuhl ", 187};

inline std::vector<RoomCase> roomCases() {
    const std::vector<NamedRow> hall = {
        {"crystal ball", "kristallkugel", 160}, {"chair", "stuhl", 159},
        {"planks", "bretter", -1},              {"box", "kiste", 171},
        {"trapdoor", "falltUr", -1},            {"round drawings", "runde zeichnungen", 164},
        {"small paintings", "kleine gemAlde", 163}};
    std::vector<NamedRow> hallClosed = hall;
    hallClosed.push_back({"big painting", "groSes gemAlde", 162});
    // Swung open, the big painting keeps its name.
    std::vector<NamedRow> hallOpen = hall;
    hallOpen.push_back({"big painting", "groSes gemAlde", 170});
    for (std::vector<NamedRow>* h : {&hallClosed, &hallOpen}) {
        h->push_back({"small pictures", "kleine bilder", 168});
        h->push_back({"instant picture", "sofortbild", 165});
    }
    const NamedRow pillar = {"pillar", "sAule", -1};
    const std::vector<NamedRow> shed = {{"dusty shelf", "staubiges regal", -1}, {"bricks", "ziegelsteine", -1},
                                        kShedDoor};
    std::vector<NamedRow> shedWithBroom = shed;
    shedWithBroom.push_back({"broom", "besen", 114});
    return {
        {"garden", 1, noFlags,
         {kDogHouse, kSpider, {"dog", "hund", 120}, {"big pumpkin", "groSer kUrbis", 131}, kWell, kPole, kShedDoor,
          kHouseDoor}},
        {"garden late", 1, lateNight,
         {kDogHouse, {"big pumpkin", "groSer kUrbis", 131}, kWell, kPole, kShedDoor, kHouseDoor}},
        {"garden later", 1, gardenLater,
         {kDogHouse, kSpider, {"bone", "knochen", 123}, {"dog", "hund", 122}, {"big pumpkin", "groSer kUrbis", 138},
          kWell, kPole, {"rope", "seil", 109}, kShedDoor}},
        {"garden dog fed", 1, dogFed, {kDogHouse, kSpider, kWell, kPole, kShedDoor, kHouseDoor}},
        {"fish place", 2, noFlags,
         {{"fish person", "fischmensch", 147}, {"coins", "mUnzen", 144}, {"rope", "seil", 146}, pillar, pillar, pillar,
          pillar}},
        {"shed", 3, noFlags, shedWithBroom},
        {"shed without broom", 3, broomTaken, shed},
        {"hall", 4, noFlags, hallClosed},
        {"hall painting open", 4, paintingOpen, hallOpen},
        {"back room", 5, noFlags, {kTable, {"goat person", "ziegenmensch", 172}, {"dust", "staub", 176}}},
        {"back room later", 5, trickLearned, {kTable}},
        {"upper floor", 6, noFlags, {kBat, {"person", "person", 190}, kEquipment, kSpacedChair}},
        {"upper floor late", 6, lateNight,
         {kBat, kEquipment, kSpacedChair, {"treat", "sUSes", 202}, {"letter", "brief", -1},
          {"letter1", "letter1", 201}, {"letter2", "letter2", 201}}},
        {"upper floor late, letter taken", 6, lateLettersTaken,
         {kBat, kEquipment, kSpacedChair, {"treat", "sUSes", 202}}},
        {"tunnel", 7, noFlags,
         {{"tunnel start 1", "tunnel start 1", 246}, {"tunnel start 2", "tunnel start 2", 247},
          {"tunnel wall 1", "tunnel wall 1", -1}, {"tunnel wall 2", "tunnel wall 2", -1}}},
        {"tunnel open", 7, tunnelOpen, {{"eye 1", "eye 1", 251}, {"eye 2", "eye 2", 251}}},
        {"tunnel eyes opening", 7, eyesOpening, {{"eye 1", "eye 1", 248}, {"eye 2", "eye 2", 248}}},
    };
}

// The named objects of the world list against rows, in the build's
// language; a description of the first difference, or "".
inline std::string compareNamed(const PlayScreen& p, const std::vector<NamedRow>& rows) {
    std::vector<const SceneObject*> named;
    for (const SceneObject* o : p.world.worldList.objects()) {
        if (!o->name.empty()) named.push_back(o);
    }
    if (named.size() != rows.size()) {
        return "named count " + std::to_string(named.size()) + " instead of " + std::to_string(rows.size());
    }
    for (size_t k = 0; k < rows.size(); ++k) {
        const std::string name = text::kGerman ? rows[k].de : rows[k].en;
        if (named[k]->name != name) return "row " + std::to_string(k) + ": '" + named[k]->name + "' not '" + name + "'";
        if (meshNumber(named[k]) != rows[k].mesh) return name + ": mesh " + std::to_string(meshNumber(named[k]));
    }
    return "";
}

// Builds every case on a new game's state and checks its named rows.
inline void checkRoomPlans(PlayScreen& p) {
    for (const RoomCase& c : roomCases()) {
        p.resetPlayState();
        c.flags(p);
        p.enterRoom(c.room);
        EXPECT_EQ("", compareNamed(p, c.rows)) << c.what;
    }
}

}  // namespace playtest

#endif
