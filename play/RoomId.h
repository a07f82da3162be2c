#ifndef QUENDRALVOSS_PLAY_ROOMID_H
#define QUENDRALVOSS_PLAY_ROOMID_H

#include <cstdint>

namespace room {

// The eight rooms by number; the number is saved and indexes the room tables.
enum RoomId : int32_t {
    kNone = -1,       // no room built yet, or no change asked for
    kStreet = 0,      // the coin machine, the procession or the gate, the bird statues
    kGarden = 1,      // behind the street wall: the dog, the spider, the pumpkin, the well
    kFishPond = 2,    // down the rope: the fish person's place
    kShed = 3,        // the shed with the dusty shelf and the broom
    kHall = 4,        // inside the house: the pictures and the big painting
    kBehindHall = 5,  // behind the painting: the dust, the table, the goat person
    kUpperFloor = 6,  // the bat, the person in the chair, late at night the treat and letter
    kTunnel = 7,      // through the opened gate: the tunnel and the eyes
};

}  // namespace room

#endif
