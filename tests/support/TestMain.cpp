// The entry point that every test program shares. Tests that touch files make a
// TestDirectory of their own, since the game reads "res/" and "game.sav" and
// writes "app.log" relative to the working directory.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
