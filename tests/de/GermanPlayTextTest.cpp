// The German build's caption texts of the play world, byte for byte, as the
// selection composes them.
#include <gtest/gtest.h>

#include <string>

#include "app/ActionEntry.h"
#include "app/FatalError.h"
#include "app/GameState.h"
#include "engine/ResourceCache.h"
#include "play/ActionSelection.h"
#include "play/Player.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "support/TestDirectory.h"

namespace {

TEST(GermanPlayText, ActionAndTargetNames) {
    TestDirectory directory;
    gResourceCache = new ResourceCache();
    {
        Player player;
        player.constructPlayer();
        SceneObjectList world;
        world.setPlayer(&player);
        ActionSelection selection(player, world);

        const char* const expected[] = {"klopfe an",
                                        "frage",
                                        "trickse\n\n  aus",
                                        "nimm",
                                        "benutze stein mit",
                                        "benutze schlUssel mit",
                                        "benutze borsten mit",
                                        "benutze besenstiel mit",
                                        "benutze blume mit",
                                        "benutze hut mit",
                                        "benutze messer mit",
                                        "benutze seil mit",
                                        "benutze mUnze mit",
                                        "benutze kerze mit",
                                        "benutze brennende kerze mit",
                                        "benutze besen mit",
                                        "benutze knochen mit",
                                        "benutze speziellen trick mit",
                                        "benutze sUSes mit",
                                        "benutze unbekannten gegenstand mit"};
        for (int32_t id = -1; id <= 18; ++id) {
            ActionEntry* entry = player.appendAction(id);
            player.selectedAction = entry;
            EXPECT_EQ(std::string(expected[id < 0 ? 19 : id]), selection.currentActionName()) << id;
        }
        player.clearPlayerLists();
        EXPECT_EQ("mache nichts mit", selection.currentActionName());
        EXPECT_EQ("dir selbst", selection.currentTargetName(false));

        installFatalErrorHandler();
        gGameState = kGameStatePlay;
        player.targets.clear();
        player.validateCurrentTarget();
        EXPECT_EQ("unbekanntes objekt", player.selectedTarget->name);
        EXPECT_NE(std::string::npos, gFatalErrorText.find("ausnahme:\n2"));
        world.findSceneObject("tor");
        EXPECT_NE(std::string::npos, gFatalErrorText.find("ausnahme:\n5"));
    }
    delete gResourceCache;
    gResourceCache = nullptr;
}

}  // namespace
