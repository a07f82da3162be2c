#ifndef QUENDRALVOSS_ENGINE_ANGLES_H
#define QUENDRALVOSS_ENGINE_ANGLES_H

// The angle constants the game shares. Angles are radians everywhere but in
// glRotatef and in the room and step tables, which give degrees. Each value is
// the float literal the game has always used, so results stay bit for bit.

// Half a turn in radians.
const float kPi = 3.14159265f;
// A full turn in radians (the same float as 2 * kPi).
const float kFullTurn = 6.2831855f;
// Radians to degrees, for glRotatef.
const float kDegreesPerRadian = 57.29578f;
// One degree in radians, for the tables' angles: 40.0f * kDegrees. Rounded to
// six places, so it is not the same float as kPi / 180.
const float kDegrees = 0.0174533f;

#endif
