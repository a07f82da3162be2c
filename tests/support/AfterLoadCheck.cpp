#include <gtest/gtest.h>

#include "support/ScreenHarness.h"

namespace screentest {

void expectPlayerClearAfterLoad(const PlayScreen& play) {
    EXPECT_EQ("", playtest::objectsHoldingPlayer(play)) << "after a load";
}

}  // namespace screentest
